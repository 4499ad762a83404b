#pragma once

// Pegora's own pictures, drawn by code at first use: the drag cursor "MyCur",
// the pictures of the Check and Repeat buttons and the window icon.
namespace codebreaking::art {

inline constexpr char DragCursor[] = "MyCur";
inline constexpr char CheckPicture[] = "CHECK";
inline constexpr char RepeatPicture[] = "REPEAT";
inline constexpr char MainIcon[] = "MAINICON";

// Registers the drawing functions with platform::resources (drawing nothing yet).
void registerPictures();

} // namespace codebreaking::art
