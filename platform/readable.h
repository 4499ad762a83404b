#pragma once

#include <QColor>

#include <functional>

class QWidget;

namespace platform {

// The games' colours were chosen for a light face. On a dark face (one white
// reads better on than black, as a dark desktop scheme gives) an ink that
// reads at less than 4.5 : 1 turns light as it was dark, its hue kept, and
// lighter still until it reads at 5 : 1; on a light face the games' own
// colours stand as they are.
QColor readableOn(const QColor &ink, const QColor &face);
// How far apart two colours read, from 1 : 1 to 21 : 1 (relative luminance).
qreal contrastRatio(const QColor &a, const QColor &b);

// Runs apply now, and again each time the desktop's colours change while the
// widget lives (a scheme turned dark or light while the game runs), so what
// it works out against the face follows. A later call for the same widget
// takes the place of the one before.
void followColourScheme(QWidget *widget, std::function<void()> apply);

} // namespace platform
