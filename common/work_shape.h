#pragma once

#include <optional>

#include "common/single.h"

namespace quillmar {

// The blank and the chuck as the workpiece dialog's "Exe." last set them; they pre-fill
// the turning and drilling dialogs. Kept for the run only, never saved.
//
// Until the first "Exe." the five values without an initial value hold nothing: a box
// pre-filled from one shows the empty text, and arithmetic reads it as 0.
struct WorkShape {
    std::optional<double> gPZero;
    std::optional<double> gJawClamp;
    std::optional<double> gJawDepth;
    std::optional<double> gMaterialOD;
    std::optional<double> gLengthOL;
    // The drilling and inner roughing cycles put the bore they leave here.
    Single gMaterialID;
    // "Graphck" was checked at the last "Exe." of the running frame command.
    bool gUgcCallEnabled = false;
};

// A work-shape value in arithmetic: nothing counts as 0.
inline double workValue(const std::optional<double>& value) { return value.value_or(0.0); }

}  // namespace quillmar
