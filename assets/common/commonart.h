#pragma once

// Pictures of the shared controls, drawn by code at first use: the pointing
// hand of the hyperlink label and the six-frame strip of the peg animation.
namespace controls::art {

// 32 x 32 black-and-white pointing hand, hot spot at the fingertip.
inline constexpr char HandCursor[] = "URLHAND";
// 192 x 31: six 32 x 31 frames of a red peg dropping into its hole,
// bouncing once and settling with a sparkle.
inline constexpr char PegDropStrip[] = "PEGDROP";
inline constexpr int PegDropFrames = 6;

// Registers the drawing functions with platform::resources (drawing nothing
// yet). Safe to call again.
void registerPictures();

} // namespace controls::art
