#include "controls/tcolor.h"

#include <QApplication>
#include <QPalette>

QColor toQColor(TColor color)
{
    if (color == clBtnFace)
        return QApplication::palette().color(QPalette::Button);
    if (color < 0)
        return QApplication::palette().color(QPalette::Window);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QString colorName(TColor color)
{
    static const struct {
        TColor c;
        const char *name;
    } names[] = {{clBlack, "black"},        {clMaroon, "maroon"},   {clGreen, "green"}, {clOlive, "olive"},
                 {clNavy, "navy"},          {clPurple, "purple"},   {clTeal, "teal"},   {clGray, "gray"},
                 {clSilver, "silver"},      {clRed, "red"},         {clLime, "lime"},   {clYellow, "yellow"},
                 {clBlue, "blue"},          {clFuchsia, "fuchsia"}, {clAqua, "aqua"},   {clWhite, "white"},
                 {clBtnFace, "button face"}};
    for (const auto &n : names)
        if (n.c == color)
            return QString::fromLatin1(n.name);
    return toQColor(color).name();
}
