#pragma once

#include <QImage>
#include <QWidget>

#include <cmath>

// Looking at a control as a user would: rendered at a zoom and a device
// pixel ratio, then read pixel by pixel.
namespace games_test {

// The zooms a form may put a control at, and the device pixel ratios of the
// screens it may be shown on, fractional ones among them.
inline constexpr qreal Zooms[] = {1, 1.5, 2.25};
inline constexpr qreal Ratios[] = {1, 1.25, 1.5, 2, 3};

inline QSize zoomed(QSize designed, qreal zoom)
{
    return {int(std::lround(designed.width() * zoom)), int(std::lround(designed.height() * zoom))};
}

// The widget at that size, rendered alone over a transparent ground into a
// picture of the ratio's device pixels, as a screen of that ratio shows it.
inline QImage renderAt(QWidget &widget, QSize size, qreal ratio)
{
    widget.resize(size);
    QImage image(int(std::lround(size.width() * ratio)), int(std::lround(size.height() * ratio)),
                 QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// How many pixels one after another, from `from` by `step`, are `is`.
template <typename Is>
int runOf(const QImage &image, QPoint from, QPoint step, Is is)
{
    int n = 0;
    for (QPoint p = from; image.valid(p) && is(image.pixel(p)); p += step)
        ++n;
    return n;
}

// The smallest rectangle that holds every pixel that is `is`.
template <typename Is>
QRect boundsOf(const QImage &image, Is is)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (is(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline bool transparent(QRgb c) { return qAlpha(c) < 255; }

// Whether every pixel along the four edges is of that colour.
inline bool framedIn(const QImage &image, QRgb colour)
{
    const int w = image.width(), h = image.height();
    const auto is = [colour](QRgb c) { return c == colour; };
    return runOf(image, {0, 0}, {1, 0}, is) == w && runOf(image, {0, h - 1}, {1, 0}, is) == w &&
           runOf(image, {0, 0}, {0, 1}, is) == h && runOf(image, {w - 1, 0}, {0, 1}, is) == h;
}

} // namespace games_test
