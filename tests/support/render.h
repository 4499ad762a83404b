#pragma once

#include <QImage>
#include <QWidget>

#include <cmath>

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

} // namespace games_test
