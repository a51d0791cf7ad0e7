#pragma once

#include <QList>

#include "common/single.h"

namespace quillmar {

// The most levels a stepped cut may have, the final one at the bottom included.
inline constexpr int kMaxDepthLevels = 10000;

// The levels a cut steps down through from `top` to `bottom` by `step` (whose written
// value must be above 0), without the bottom itself, which always follows. Level i is
// top − i × step, taken exactly from the decimals the two values show and cut to
// ten-thousandths toward minus infinity, so that levels never drift from the typed
// step; a level is kept while its written value lies above the written bottom. More
// than kMaxDepthLevels levels with the bottom, or a top or bottom too large to write
// (writableValue), fail with overflow (6) before any level is returned.
QList<double> depthLevels(Single top, double step, Single bottom);

}  // namespace quillmar
