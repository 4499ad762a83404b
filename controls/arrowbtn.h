#pragma once

#include "controls/tcolor.h"

#include <QPoint>
#include <QRegion>
#include <QWidget>

#include <array>
#include <cstdint>

enum TButtonDirection : std::uint8_t { arwUP = 0, arwRIGHT = 1, arwLEFT = 2, arwDOWN = 3 };

using ArrowVertices = std::array<QPoint, 3>;

// Corners of the triangle of a W x H button: the outer one is the hit area and
// carries the black border, the inner one the coloured face. The inward moves
// are deliberately uneven; that is the look of the button.
ArrowVertices arrowOuterVertices(TButtonDirection direction, int width, int height);
ArrowVertices arrowInnerVertices(TButtonDirection direction, int width, int height);

// A small triangular push button. Only a press inside the triangle counts, the
// light-and-shadow edge flips while it is held, and a quick second click is a
// second press, never a double click. The triangles are those of its designed
// size (devicepixels::designedSize), scaled to the size it has.
class TArrowButton : public QWidget {
    Q_OBJECT
public:
    explicit TArrowButton(QWidget *parent = nullptr);
    ~TArrowButton() override;

    TColor ButtonColor() const { return m_buttonColor; }
    void SetButtonColor(TColor color);
    TButtonDirection Direction() const { return m_direction; }
    void SetDirection(TButtonDirection direction);

    bool Pressed() const { return m_pressed; }
    // After a paint: the inner triangle, as drawn last, in logical pixels.
    const ArrowVertices &Points() const { return m_points; }
    // The hit area of the last paint; empty before the first.
    const QRegion &Region() const { return m_region; }
    bool HasRegion() const { return m_hasRegion; }

    // What assistive technology says before the colour ("Line 3 marker").
    void setAccessibleCaption(const QString &caption);

    QSize sizeHint() const override { return {33, 33}; }

signals:
    void mouseDown(); // a press inside the triangle
    void clicked();   // a press inside, released over the button

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // The three edge lines of the inner triangle for the current state, on a
    // painter in the device pixels of the paint, one designed pixel wide.
    virtual void DrawBevel(class QPainter &painter);
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void FreeRegion();
    void updateAccessibleName();

    TColor m_buttonColor = clTeal;
    TButtonDirection m_direction = arwUP;
    ArrowVertices m_points{};
    QRegion m_region;
    bool m_hasRegion = false;
    bool m_pressed = false;
    // The inner triangle in the device pixels of the paint, and a designed
    // pixel there.
    ArrowVertices m_face{};
    QSize m_dot{1, 1};
    QString m_caption;
};
