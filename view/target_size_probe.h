#pragma once
// The size the display bitmap of a picture not yet on display will be given:
// a copy of the view is laid out for it on a stand-in host that records what
// the layout asks of the picture and moves no window. Window-free and
// self-contained, so it may run on any thread once the copy has been taken.
#include <cstdint>

#include "view/view_geometry.h"

namespace tv {

// `view` is a snapshot of the window's view (it may belong to another
// thread's object only while it is being copied). `natural` is the picture's
// unrotated size, `rotation` its quarter turns. The result is unrotated, as
// SetTargetSize takes it.
PixelSize PredictTargetSize(const ViewGeometry& view, PixelSize natural, std::int32_t rotation);

}  // namespace tv
