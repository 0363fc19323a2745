#pragma once

#include <QColor>
#include <cstdint>

// The colour keywords the picker offers, in alphabetical order, and beside them
// the colour each one stands for. Row i of one table belongs to row i of the other.
inline constexpr int kNamedColorCount = 140;

// A colour as 0x00BBGGRR: red in the lowest byte, blue in the third.
using ColorRef = std::uint32_t;

extern const char* const g_colorNames[kNamedColorCount];
extern const ColorRef g_colorValues[kNamedColorCount];

QColor ColorFromColorRef(ColorRef value);
