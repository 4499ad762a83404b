#include "platform/readable.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace platform {

namespace {

// The sRGB curve, worked out once for each of the 256 values of a channel:
// every coloured text of a window asks it a few hundred times.
qreal linear(int channel)
{
    static const std::array<qreal, 256> curve = [] {
        std::array<qreal, 256> c{};
        for (std::size_t i = 0; i < c.size(); ++i) {
            const qreal v = qreal(i) / 255;
            c[i] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return c;
    }();
    return curve[std::size_t(std::clamp(channel, 0, 255))];
}

qreal luminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

} // namespace

qreal contrastRatio(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &ink, const QColor &face)
{
    // 4.5 : 1 with a margin, for the softened edges of small type.
    constexpr qreal Readable = 5;
    const bool darkFace = contrastRatio(Qt::white, face) > contrastRatio(Qt::black, face);
    if (!darkFace || contrastRatio(ink, face) >= Readable)
        return ink;
    // Dark turns light as light was dark (black text white, navy a pale
    // blue), then lighter still if that is not enough.
    const QColor hsl = ink.toHsl();
    QColor lighter = hsl;
    for (int l = std::max(hsl.lightness(), 255 - hsl.lightness()); l <= 255; ++l) {
        lighter.setHsl(hsl.hslHue(), hsl.hslSaturation(), l, hsl.alpha());
        if (contrastRatio(lighter, face) >= Readable)
            return lighter;
    }
    return QColor(Qt::white);
}

namespace {

// Watches its widget for a change of the desktop's colours and works its
// colours out again once the widget has its new palette.
class SchemeFollower final : public QObject {
public:
    explicit SchemeFollower(QWidget *widget) : QObject(widget) { widget->installEventFilter(this); }
    std::function<void()> apply;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            QTimer::singleShot(0, this, [this] { apply(); });
        return false;
    }
};

} // namespace

void followColourScheme(QWidget *widget, std::function<void()> apply)
{
    SchemeFollower *follower = nullptr;
    for (QObject *child : widget->children())
        if ((follower = dynamic_cast<SchemeFollower *>(child)))
            break;
    if (!follower)
        follower = new SchemeFollower(widget);
    follower->apply = std::move(apply);
    follower->apply();
}

} // namespace platform
