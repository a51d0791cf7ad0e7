#include "cycles/work_shape_values.h"

#include <cfloat>
#include <cmath>

#include "common/format.h"
#include "common/runtime_error.h"
#include "cycles/process_dialog_layout.h"

namespace quillmar {

QString workBoxText(const std::optional<double>& value) { return value ? boxText(*value) : QString(); }

QString formatWorkValue(std::optional<double>& value) {
    if (!value)
        return FormatCoordValue(0.0);
    return FormatCoord(*value);
}

Single singleOf(double value) {
    checkedFinite(value);
    if (std::fabs(value) > static_cast<double>(FLT_MAX))
        throw RuntimeError(kErrOverflow);
    return Single(static_cast<float>(value));
}

double wholePart(double value) {
    const double whole = std::trunc(checkedFinite(value));
    return whole == 0.0 ? 0.0 : whole;  // no negative zero
}

}  // namespace quillmar
