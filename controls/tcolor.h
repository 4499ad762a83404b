#pragma once

#include "platform/readable.h"

#include <QColor>
#include <cstdint>

// Colours as the games name them: 0x00BBGGRR, negative values for the
// desktop's own colours (the button face of an empty peg hole).
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = -2147483633; // 0x8000000F

// The colour to paint; system colours come from the application palette.
QColor toQColor(TColor color);
// Names for assistive technology: "red", "button face", or "#rrggbb".
QString colorName(TColor color);

// The rule that keeps the games' colours readable on a dark face, shared
// with the platform's own windows.
using platform::contrastRatio;
using platform::readableOn;
