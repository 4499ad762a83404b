#pragma once

#include <QPixmap>
#include <QString>

namespace cartova_assets {

// Registers the 52 faces ("S1".."H13"), the 12 backs ("STD1".."HAND"), the
// Deal and All button pictures ("DEAL", "ALL") and the window icon
// ("MAINICON") with platform::resources. Each is drawn at its first use, at
// the screen's device pixel ratio. Safe to call more than once.
void registerPictures();

// The drawing itself, at a given device pixel ratio (for tests and icons).
QPixmap drawFace(int suit, int value, qreal dpr); // suit: 0 S, 1 D, 2 C, 3 H
QPixmap drawBack(const QString &name, qreal dpr);
QPixmap drawDealPicture(qreal dpr);
QPixmap drawAllPicture(qreal dpr);
QPixmap drawIcon(int size);

constexpr int CardWidth = 71;
constexpr int CardHeight = 96;

} // namespace cartova_assets
