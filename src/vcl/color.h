#pragma once
// Colours as the forms name them: 0x00BBGGRR, or a system colour with the top bit set.
#include <cstdint>

namespace vcl {

using TColor = std::uint32_t;

inline constexpr TColor SystemColorFlag = 0x80000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clMaroon = 0x00000080; // red 128, green 0, blue 0
inline constexpr TColor clWindow = SystemColorFlag | 5;
inline constexpr TColor clWindowText = SystemColorFlag | 8;
inline constexpr TColor clBtnFace = SystemColorFlag | 15;

} // namespace vcl
