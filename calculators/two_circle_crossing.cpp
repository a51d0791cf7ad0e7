#include "calculators/two_circle_crossing.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

// The arc cosine in the program's arctangent form; the ends of the range, where that
// form divides by zero, are the angles 0 and a half turn.
double arcCosine(double c) {
    if (c >= 1.0)
        return 0.0;
    if (c <= -1.0)
        return 4.0 * std::atan(1.0);
    return std::atan(-c / checkedSqrt(1.0 - c * c)) + 2.0 * std::atan(1.0);
}

// A centre mark: an up-down stroke, then one across, reaching the given lengths from
// the centre (x, y up).
void centreMark(Figure& figure, double x, double y, double up, double right, double left) {
    figure.line({x, -(y + up)}, {x, -(y - up)}, kMarkerColour);
    figure.line({x + right, -y}, {x - left, -y}, kMarkerColour);
}

}  // namespace

TwoCircleRun runTwoCircleCrossing(const TwoCircleInput& in) {
    TwoCircleRun run;
    Figure& figure = run.figure;
    figure.clear();
    try {
        const bool xz = in.plane == Plane::XZ;
        // Drawing coordinates, y up: X is a diameter in the X-Z plane.
        auto across = [xz](double x, double s) { return xz ? s : x; };
        auto up = [xz](double x, double s) { return xz ? x / 2.0 : s; };

        const bool first = allFilled({in.x1, in.z1, in.r1});
        const bool second = allFilled({in.x2, in.z2, in.r2});
        if (!first || !second) {
            if (!first && !second)
                return run;
            const double x = ReadNumber(first ? in.x1 : in.x2);
            const double s = ReadNumber(first ? in.z1 : in.z2);
            const double r = ReadNumber(first ? in.r1 : in.r2);
            const double width = checkedMul(10.0, r);
            figure.setScale(centredScale({across(x, s), -up(x, s)}, width, pictureHeightFor(width)));
            centreMark(figure, across(x, s), up(x, s), r / 15.0, r / 15.0, r / 15.0);
            figure.circle({across(x, s), -up(x, s)}, r, kGeometryColour);
            return run;
        }

        const double x1 = ReadNumber(in.x1);
        const double s1 = ReadNumber(in.z1);
        const double r1 = ReadNumber(in.r1);
        const double x2 = ReadNumber(in.x2);
        const double s2 = ReadNumber(in.z2);
        const double r2 = ReadNumber(in.r2);
        const double dy = xz ? checkedSub(x2, x1) / 2.0 : checkedSub(s2, s1);
        const double dx = xz ? checkedSub(s2, s1) : checkedSub(x2, x1);
        const double d = checkedSqrt(checkedAdd(checkedMul(dx, dx), checkedMul(dy, dy)));
        double theta = arcCosine(checkedDiv(dx, d));
        if (dy < 0.0)
            theta = -theta;
        const double u =
            checkedDiv(checkedDiv(checkedSub(checkedAdd(checkedMul(r1, r1), d * d), checkedMul(r2, r2)) / 2.0, r1), d);
        if (std::fabs(u) > 1.0)  // apart, or one inside the other
            throw RuntimeError(kErrInvalidCall);
        const double phi = arcCosine(u);

        auto point = [&](double angle, double& px, double& ps) {
            if (xz) {
                px = checkedAdd(x1, 2.0 * r1 * std::sin(angle));
                ps = checkedAdd(s1, r1 * std::cos(angle));
            } else {
                px = checkedAdd(x1, r1 * std::cos(angle));
                ps = checkedAdd(s1, r1 * std::sin(angle));
            }
        };
        double p1x = 0.0, p1s = 0.0, p2x = 0.0, p2s = 0.0;
        point(theta + phi, p1x, p1s);
        point(theta - phi, p2x, p2s);
        run.x1 = FormatCoord(p1x);
        run.z1 = FormatCoord(p1s);
        run.x2 = FormatCoord(p2x);
        run.z2 = FormatCoord(p2s);

        // The view takes X as typed, not halved, and centres on the midpoint of the
        // centres, so part of an uneven figure can lie outside it.
        const double xTop = std::max(x1 + r1, x2 + r2);
        const double xBottom = std::min(x1 - r1, x2 - r2);
        const double sTop = std::max(s1 + r1, s2 + r2);
        const double sBottom = std::min(s1 - r1, s2 - r2);
        double h = checkedFinite(pictureHeightFor(sTop - sBottom));
        if (h < xTop - xBottom)
            h = checkedFinite(xTop - xBottom);
        figure.textColour(kLabelColour);
        const QPointF middle =
            xz ? QPointF((s1 + s2) / 2.0, -(x1 + x2) / 4.0) : QPointF((x1 + x2) / 2.0, -(s1 + s2) / 2.0);
        const UserScale scale = centredScale(middle, 2.0 * h, 2.0 * pictureHeightFor(h));
        figure.setScale(scale);

        centreMark(figure, across(x1, s1), up(x1, s1), h / 70.0, h / 80.0, h / 70.0);
        figure.circle({across(x1, s1), -up(x1, s1)}, r1, kGeometryColour);
        centreMark(figure, across(x2, s2), up(x2, s2), h / 70.0, h / 70.0, h / 70.0);
        figure.circle({across(x2, s2), -up(x2, s2)}, r2, kGeometryColour);
        const double sw = scaleWidthOf(scale);
        const QPointF d1(across(p1x, p1s), -up(p1x, p1s));
        const QPointF d2(across(p2x, p2s), -up(p2x, p2s));
        figure.circle(d1, 0.001 * sw, kMarkerColour);
        figure.circle(d2, 0.001 * sw, kMarkerColour);
        figure.circle(d1, 0.002 * sw, kMarkerColour);
        figure.circle(d2, 0.002 * sw, kMarkerColour);
        figure.text(d1, QStringLiteral(" 1"));
        figure.text(d2, QStringLiteral("2"));
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
