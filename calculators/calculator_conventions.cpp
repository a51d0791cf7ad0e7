#include "calculators/calculator_conventions.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/format.h"
#include "common/runtime_error.h"
#include "common/single.h"

namespace quillmar {

bool allFilled(std::initializer_list<QString> texts) {
    for (const QString& text : texts)
        if (text.isEmpty())
            return false;
    return true;
}

double degreesToRadians(double degrees) { return checkedFinite(degrees * (gPi + gPi) / 360.0); }

QString liftedResultText(double value, Measure measure) {
    double lifted = checkedAdd(value, measure == Measure::Angle ? 0.0001 : 0.00005);
    return formatMeasured(lifted, measure);
}

bool parallelDirections(double a1, double a2) {
    const double difference = a1 - a2;
    if (!std::isfinite(difference))
        return false;
    // Converting typed degrees rounds in the last bits; allow for that, no more.
    const double tolerance = 1.0e-12 * std::max({1.0, std::fabs(a1), std::fabs(a2)});
    return std::fabs(std::remainder(difference, gPi)) <= tolerance;
}

namespace {

Single writableNumber(float value) { return writableValue(Single(value)); }
double writableNumber(double value) { return writableValue(value); }

// The number with its blank, or nothing when it cannot be written.
template <typename Number>
std::optional<QString> readoutNumber(Number value) {
    // In the number's own precision, as the read-out has always cut it.
    const Number cut = std::floor(value * Number(1000)) / Number(1000);
    try {
        return numberText(writableNumber(cut)) + QLatin1Char(' ');
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

template <typename Number>
QString twoNumbers(const QString& first, Number a, const QString& second, Number b) {
    const std::optional<QString> textA = readoutNumber(a);
    const std::optional<QString> textB = readoutNumber(b);
    if (!textA || !textB)
        return {};
    return first + *textA + second + *textB;
}

}  // namespace

QString readoutLine(const QString& first, float a, const QString& second, float b) {
    return twoNumbers(first, a, second, b);
}

QString readoutLine(const QString& first, double a, const QString& second, double b) {
    return twoNumbers(first, a, second, b);
}

QString readoutText(float x, float y, Plane plane) {
    if (plane == Plane::XZ)
        return readoutLine(QStringLiteral("X"), -2.0f * y, QStringLiteral(" Z"), x);
    return readoutLine(QStringLiteral("X"), x, QStringLiteral(" Y"), -y);
}

}  // namespace quillmar
