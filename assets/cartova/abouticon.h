#pragma once

namespace cartova_assets {

// The picture of the About box: a fan of three cards (a blue back, the ace
// of hearts, the ace of spades), 32 x 32 in the sixteen standard colours,
// with a transparent surround.
inline constexpr char AboutIcon[] = "ABOUTICON";

// Registers it with platform::resources (drawn at first use). Safe to call
// more than once.
void registerAboutIcon();

} // namespace cartova_assets
