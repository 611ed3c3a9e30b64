#pragma once
// A font as a form description asks for it: face, character height in pixels
// (lfHeight = -height, never scaled), weight and text colour.
#include "vcl/color.h"

#include <cstring>

namespace vcl {

enum class FontWeight { Regular, Bold };

struct FontSpec {
    const char* face = nullptr; // nullptr: the parent's font
    int height = 0;
    FontWeight weight = FontWeight::Regular;
    TColor color = clWindowText;

    bool Inherits() const { return face == nullptr; }
    bool Bold() const { return weight == FontWeight::Bold; }
    bool operator==(const FontSpec& other) const {
        return height == other.height && weight == other.weight && color == other.color &&
               (face == other.face ||
                (face != nullptr && other.face != nullptr && std::strcmp(face, other.face) == 0));
    }
};

} // namespace vcl
