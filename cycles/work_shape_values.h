#pragma once

#include <QString>
#include <optional>

#include "common/single.h"

namespace quillmar {

// The box text a dialog pre-fills from a work-shape value: the empty text while nothing
// was entered, otherwise the value's shortest text (boxText).
QString workBoxText(const std::optional<double>& value);

// A work-shape value written into a program: FormatCoord, storing the cut value back
// when there is one; nothing writes 0 and stays nothing.
QString formatWorkValue(std::optional<double>& value);

// A double held in single precision; overflow (6) beyond the single range.
Single singleOf(double value);

// The whole part of a value, the fraction dropped toward zero; overflow (6) when the
// value is not a finite number.
double wholePart(double value);

}  // namespace quillmar
