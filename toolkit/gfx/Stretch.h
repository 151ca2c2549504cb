#pragma once

#include "toolkit/gfx/Geometry.h"

namespace tk {

class Surface;

// Copies all of `source` onto `targetRect` of `target` (clipped to `clip`), scaling each direction on its
// own. The halftone copy averages every source pixel that falls on a target pixel, weighted by the area
// it covers; the nearest copy takes one source pixel per target pixel.
void StretchHalftone(const Surface& source, Surface& target, const Rect& targetRect, const Rect& clip);
void StretchNearest(const Surface& source, Surface& target, const Rect& targetRect, const Rect& clip);

}  // namespace tk
