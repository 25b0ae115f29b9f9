#pragma once
// The distance between two points, lines or planes.
#include "model/QuarnelT.h"

namespace quarnel {

// The distance (never negative) between g1 and g2, each a point, a line or a
// plane; 0 for any other object. A value that counts as zero is exactly 0.
// The same in either order.
double AbstandG(const QuarnelT& g1, const QuarnelT& g2);

}  // namespace quarnel
