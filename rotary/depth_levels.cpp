#include "rotary/depth_levels.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "common/format.h"
#include "common/runtime_error.h"
#include "cycles/common_lines.h"
#include "rotary/rotary_lines.h"

namespace quillmar {
namespace {

// Wide enough for a value below 1e15 counted in units of 1e-20, and for 10,000 steps.
__extension__ typedef __int128 Wide;

// A decimal exactly: mantissa × 10^exponent.
struct ExactDecimal {
    Wide mantissa = 0;
    int exponent = 0;
};

// The shortest decimal that reads back as the value, as the program shows it.
template <typename T>
ExactDecimal shortestDecimal(T value) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    if (ec != std::errc())
        throw RuntimeError(kErrOverflow);
    const std::string text(buf, end);
    const std::size_t e = text.find('e');
    ExactDecimal d;
    int digits = 0;
    bool negative = false;
    for (std::size_t i = 0; i < e; ++i) {
        const char c = text[i];
        if (c == '-')
            negative = true;
        else if (c >= '0' && c <= '9') {
            d.mantissa = d.mantissa * 10 + (c - '0');
            ++digits;
        }
    }
    if (negative)
        d.mantissa = -d.mantissa;
    d.exponent = std::stoi(text.substr(e + 1)) - (digits - 1);
    return d;
}

Wide pow10(int n) {
    Wide p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

Wide floorDiv(Wide a, Wide b) {
    Wide q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// floor(value × 10^k); the callers keep the product within the wide range.
Wide scaledFloor(const ExactDecimal& d, int k) {
    const int e = d.exponent + k;
    if (e >= 0)
        return d.mantissa * pow10(e);
    if (-e > 36)  // the mantissa has at most 17 digits
        return d.mantissa < 0 ? -1 : 0;
    return floorDiv(d.mantissa, pow10(-e));
}

}  // namespace

QList<double> depthLevels(Single top, double step, Single bottom) {
    // Both ends are written, so both lie below 1e15: the wide arithmetic holds them.
    writableValue(top);
    writableValue(bottom);
    checkedFinite(step);
    QList<double> levels;
    // A step longer than the whole range reaches the bottom at once.
    if (step >= 4e15 || !writtenAbove(step, 0.0))
        return levels;

    // Counted in the last written decimal of a length.
    const int decimals = writtenDecimals(Measure::Length);
    const ExactDecimal stepDecimal = shortestDecimal(step);
    const int k = std::max(decimals, -stepDecimal.exponent);
    const Wide topScaled = scaledFloor(shortestDecimal(top.value()), k);
    const Wide stepScaled = scaledFloor(stepDecimal, k);
    const Wide perWrittenStep = pow10(k - decimals);
    const Wide bottomSteps = scaledFloor(shortestDecimal(writtenValue(bottom).value()), decimals);
    const double stepsPerUnit = static_cast<double>(pow10(decimals));

    for (Wide i = 1;; ++i) {
        const Wide level = floorDiv(topScaled - i * stepScaled, perWrittenStep);
        if (level <= bottomSteps)
            break;
        if (levels.size() >= kMaxDepthLevels - 1)
            throw RuntimeError(kErrOverflow);
        const double value = static_cast<double>(level) / stepsPerUnit;
        levels.append(value == 0.0 ? 0.0 : value);
    }
    return levels;
}

}  // namespace quillmar
