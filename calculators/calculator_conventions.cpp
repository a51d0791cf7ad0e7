#include "calculators/calculator_conventions.h"

#include <algorithm>
#include <cmath>

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

QString liftedResultText(double value) { return FormatCoordValue(checkedAdd(value, 0.0001)); }

bool parallelDirections(double a1, double a2) {
    const double difference = a1 - a2;
    if (!std::isfinite(difference))
        return false;
    // Converting typed degrees rounds in the last bits; allow for that, no more.
    const double tolerance = 1.0e-12 * std::max({1.0, std::fabs(a1), std::fabs(a2)});
    return std::fabs(std::remainder(difference, gPi)) <= tolerance;
}

namespace {

QString readoutNumber(float value) {
    const float cut = std::floor(value * 1000.0f) / 1000.0f;
    return numberText(Single(cut)) + QLatin1Char(' ');
}

}  // namespace

QString readoutText(float x, float y, Plane plane) {
    if (plane == Plane::XZ)
        return QStringLiteral("X") + readoutNumber(-2.0f * y) + QStringLiteral(" Z") + readoutNumber(x);
    return QStringLiteral("X") + readoutNumber(x) + QStringLiteral(" Y") + readoutNumber(-y);
}

}  // namespace quillmar
