#include "app/speed_feed.h"

#include <cmath>
#include <optional>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

// A positive box value, or nothing when the box reads as 0 or below or too large.
std::optional<double> positiveValue(QStringView text) {
    try {
        const double value = ReadNumber(text);
        if (value > 0.0)
            return value;
    } catch (const RuntimeError&) {
    }
    return std::nullopt;
}

SpeedFeedOutcome refused(const char* box, const QString& message) {
    return {SpeedFeedOutcome::Refused, {}, QString::fromLatin1(box), message};
}

// Binary products fall a hair short of the whole number they stand for (2500 comes out
// as 2499.9999999999995); counting those as whole keeps the cut from losing a step.
double cutDown(double value) {
    const double nearest = std::nearbyint(value);
    if (std::fabs(value - nearest) <= 1e-9 * std::max(1.0, std::fabs(value)))
        return nearest;
    return std::floor(value);
}

// Whether a result may go into a program: finite and short of exponent notation.
bool writable(double value) {
    try {
        writableValue(value);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

constexpr double kMillimetresPerInch = 25.4;

}  // namespace

SpeedFeedOutcome spindleSpeed(QStringView v, QStringView diameter) {
    if (v.isEmpty())
        return {SpeedFeedOutcome::FocusOnly, {}, QStringLiteral("V"), {}};
    const std::optional<double> speed = positiveValue(v);
    if (!speed)
        return refused("V", QStringLiteral("Cutting speed V must be a number greater than 0."));
    const std::optional<double> d = positiveValue(diameter);
    if (!d)
        return refused("Diameter", QStringLiteral("Diameter D must be a number greater than 0."));
    const double tens = cutDown(*speed * 1000.0 / 3.14 / *d / 10.0);
    const double n = tens * 10.0;
    if (!writable(n))
        return refused("V", QStringLiteral("Cutting speed V and diameter D give no spindle speed."));
    return {SpeedFeedOutcome::Insert, QString::number(n, 'f', 0), {}, {}};
}

SpeedFeedOutcome feedFromRoughness(QStringView roughness, QStringView noseRadius, bool givenAsRa) {
    if (roughness.isEmpty())
        return {SpeedFeedOutcome::FocusOnly, {}, QStringLiteral("RA"), {}};
    const std::optional<double> h = positiveValue(roughness);
    if (!h)
        return refused("RA", QStringLiteral("Roughness must be a number greater than 0."));
    const std::optional<double> r = positiveValue(noseRadius);
    if (!r)
        return refused("NoseR", QStringLiteral("Nose-R must be a number greater than 0."));
    const double depth = givenAsRa ? *h * 4.0 : *h;
    // The boxes are metric, but the word goes into an inch program: F in inch per
    // revolution, cut as every feed word is, and from the uncut metric feed so that the
    // value is cut only once.
    const double feedMm = std::sqrt(depth * 8.0 * *r / 1000.0);
    try {
        return {SpeedFeedOutcome::Insert, QStringLiteral("F") + FormatCoordValue(feedMm / kMillimetresPerInch), {}, {}};
    } catch (const RuntimeError&) {
        return refused("RA", QStringLiteral("Roughness and Nose-R give no feed."));
    }
}

}  // namespace quillmar
