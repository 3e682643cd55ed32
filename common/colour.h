// Colours as three floats red, green, blue in 0..1, and the program's constant colours.
#pragma once

struct Colour {
    float red;
    float green;
    float blue;
};

inline bool operator==(const Colour& a, const Colour& b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }

// a + (b - a) * t per channel; t is not clamped, so t outside 0..1 extrapolates.
inline Colour lerpColour(const Colour& a, const Colour& b, float t)
{
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t, a.blue + (b.blue - a.blue) * t};
}

inline constexpr Colour colourWhite{1.0f, 1.0f, 1.0f};
inline constexpr Colour colourRed{1.0f, 0.0f, 0.0f};
inline constexpr Colour colourGreen{0.0f, 1.0f, 0.0f};
inline constexpr Colour colourBlue{0.0f, 0.0f, 1.0f};
inline constexpr Colour colourYellow{1.0f, 1.0f, 0.0f};
inline constexpr Colour colourMagenta{1.0f, 0.0f, 1.0f};
// The colour of a cell without a group, and black wherever the program needs black.
inline constexpr Colour noGroupColour{0.0f, 0.0f, 0.0f};
