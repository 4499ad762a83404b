#pragma once

#include <QPainterPath>
#include <QPixmap>
#include <QString>

namespace cartova_assets {

// Registers the 52 faces ("S1".."H13"), the 12 backs ("STD1".."HAND"), the
// Deal and All button pictures ("DEAL", "ALL") and the window icon
// ("MAINICON") with platform::resources. Each is drawn at its first use, at
// the device pixel ratio asked for. Safe to call more than once.
void registerPictures();

// A face or a back at a given device pixel ratio.
QPixmap drawFace(int suit, int value, qreal dpr); // suit: 0 S, 1 D, 2 C, 3 H
QPixmap drawBack(const QString &name, qreal dpr);

// A pip of the suit, centred at the origin, about `size` wide: one outline.
QPainterPath suitPath(int suit, qreal size);

constexpr int CardWidth = 71;
constexpr int CardHeight = 96;

} // namespace cartova_assets
