#include "codebreaking/pegsymbol.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace codebreaking {

TColor pegTColor(PegColor peg)
{
    static constexpr TColor pegColors[PegColorCount] = {clWhite, clRed,  clYellow, clGreen,
                                                        clFuchsia, clAqua, clBlue,   clBlack};
    const int n = int(peg);
    return n >= 1 && n <= PegColorCount ? pegColors[n - 1] : clBtnFace;
}

void drawPegSymbol(QPainter &painter, const QRectF &circle, PegColor peg)
{
    if (peg == PegColor::None)
        return;
    const QColor fill = toQColor(pegTColor(peg));
    // Dark on the light pegs, light on the dark ones.
    const QColor ink = qGray(fill.rgb()) > 128 ? QColor(Qt::black) : QColor(Qt::white);
    const QPointF c = circle.center();
    const qreal h = circle.height() * 0.27; // half the mark's size
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, std::max<qreal>(1.5, circle.height() / 10), Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const QPointF left(c.x() - h, c.y()), right(c.x() + h, c.y()), up(c.x(), c.y() - h), down(c.x(), c.y() + h);
    switch (peg) {
    case PegColor::White: painter.drawEllipse(c, h * 0.8, h * 0.8); break; // ring
    case PegColor::Red:                                                    // plus
        painter.drawLine(left, right);
        painter.drawLine(up, down);
        break;
    case PegColor::Yellow: painter.drawLine(left, right); break; // lying bar
    case PegColor::Green:                                        // triangle
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPolygon(QPolygonF{QPointF(c.x(), c.y() - h), QPointF(c.x() + h, c.y() + h * 0.8),
                                      QPointF(c.x() - h, c.y() + h * 0.8)});
        break;
    case PegColor::Fuchsia: { // cross
        const qreal d = h * 0.75;
        painter.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
        painter.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
        break;
    }
    case PegColor::Aqua: painter.drawLine(up, down); break; // standing bar
    case PegColor::Blue:                                    // square
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawRect(QRectF(c.x() - h * 0.7, c.y() - h * 0.7, h * 1.4, h * 1.4));
        break;
    case PegColor::Black: // diamond
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPolygon(QPolygonF{up, right, down, left});
        break;
    case PegColor::None: break;
    }
    painter.restore();
}

} // namespace codebreaking
