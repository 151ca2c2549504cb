#pragma once

#include "toolkit/gfx/Surface.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tk {

// Decodes an uncompressed bitmap file (1, 4, 8, 24 or 32 bits per pixel). Nothing on malformed input.
std::optional<Surface> DecodeBitmapFile(std::span<const unsigned char> bytes);

// Decodes every image of an icon file; transparent pixels (the AND mask) get alpha 0.
std::vector<Surface> DecodeIconFile(std::span<const unsigned char> bytes);

}  // namespace tk
