#pragma once

#include "codebreaking/pegsymbol.h"

#include <QCursor>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <optional>

class QMimeData;

namespace codebreaking {

class TPegShape;

// The drag payload: the number of the colour carried (0 from an empty hole).
inline constexpr char PegMimeType[] = "application/x-pegora-peg";

// A round peg or peg hole, designed 20 x 17. It is painted as the largest
// circle that fits whatever size its form gives it, filled with its colour. A hole or palette peg is a drag source; a hole of
// the board is also a drop target, and the board decides what it accepts.
class TPegShape : public QWidget {
    Q_OBJECT
public:
    // line 1..10 and column 1..4 for a board hole; 0 and 0 elsewhere.
    TPegShape(QWidget *parent, const QString &name, int line = 0, int column = 0);

    static constexpr int DesignedDiameter = 17;

    // The peg in the hole (None: an empty hole), and the colour it shows.
    PegColor Peg() const { return m_peg; }
    void SetPeg(PegColor peg);
    TColor Color() const { return pegTColor(m_peg); }
    bool Filled() const { return m_peg != PegColor::None; }
    int line() const { return m_line; }
    int column() const { return m_column; }
    // The colour-blind aid: the peg carries the mark of its colour.
    bool Symbols() const { return m_symbols; }
    void SetSymbols(bool symbols);

    // What the peg is, for assistive technology, before its colour.
    void setAccessibleCaption(const QString &caption);

    // The board's accept query and drop handler (a hole's OnDragOver, OnDragDrop).
    std::function<bool(TPegShape *target, PegColor color)> onDragOver;
    std::function<void(TPegShape *target, PegColor color)> onDragDrop;
    // The colour a drag from this shape carries, as the board's game says;
    // without it the shape cannot be dragged.
    std::function<PegColor()> dragColor;
    // What a drag from this shape carries.
    QMimeData *dragData() const;
    // The resource name of the cursor shown while dragging from this shape.
    QString dragCursor = QStringLiteral("MyCur");

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    static std::optional<PegColor> carried(const QMimeData *data);
    // The peg in a picture of so many pixels, on a painter in those pixels.
    void paintPeg(QPainter &painter, QSize pixels) const;
    void updateAccessibleName();

    PegColor m_peg = PegColor::None;
    int m_line;
    int m_column;
    QString m_caption;
    bool m_symbols = false;
    QPoint m_pressAt;
    bool m_armed = false;
};

} // namespace codebreaking
