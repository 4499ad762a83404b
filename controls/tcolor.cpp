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
    } names[] = {{clBlack, QT_TRANSLATE_NOOP("colour", "black")},     {clMaroon, QT_TRANSLATE_NOOP("colour", "maroon")},
                 {clGreen, QT_TRANSLATE_NOOP("colour", "green")},     {clOlive, QT_TRANSLATE_NOOP("colour", "olive")},
                 {clNavy, QT_TRANSLATE_NOOP("colour", "navy")},       {clPurple, QT_TRANSLATE_NOOP("colour", "purple")},
                 {clTeal, QT_TRANSLATE_NOOP("colour", "teal")},       {clGray, QT_TRANSLATE_NOOP("colour", "gray")},
                 {clSilver, QT_TRANSLATE_NOOP("colour", "silver")},   {clRed, QT_TRANSLATE_NOOP("colour", "red")},
                 {clLime, QT_TRANSLATE_NOOP("colour", "lime")},       {clYellow, QT_TRANSLATE_NOOP("colour", "yellow")},
                 {clBlue, QT_TRANSLATE_NOOP("colour", "blue")},       {clFuchsia, QT_TRANSLATE_NOOP("colour", "fuchsia")},
                 {clAqua, QT_TRANSLATE_NOOP("colour", "aqua")},       {clWhite, QT_TRANSLATE_NOOP("colour", "white")},
                 {clBtnFace, QT_TRANSLATE_NOOP("colour", "button face")}};
    for (const auto &n : names)
        if (n.c == color)
            return QCoreApplication::translate("colour", n.name);
    return toQColor(color).name();
}
