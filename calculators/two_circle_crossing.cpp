#include "calculators/two_circle_crossing.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

// A point as typed: X (a diameter in the X-Z plane) and the second coordinate.
struct Point {
    double x = 0.0;
    double s = 0.0;
};

struct Circle {
    double x = 0.0;
    double s = 0.0;
    double r = 0.0;
};

// Drawing coordinates, y up: X is a diameter in the X-Z plane.
double across(double x, double s, bool xz) { return xz ? s : x; }
double up(double x, double s, bool xz) { return xz ? x / 2.0 : s; }

// One circle alone, ten radii wide.
void drawCircle(Figure& figure, const Circle& c, bool xz) {
    const double h = across(c.x, c.s, xz);
    const double v = up(c.x, c.s, xz);
    const double width = checkedMul(10.0, c.r);
    figure.setScale(centredScale({h, -v}, width, pictureHeightFor(width)));
    centreMark(figure, h, v, c.r / 15.0, c.r / 15.0, c.r / 15.0);
    figure.circle({h, -v}, c.r, kGeometryColour);
}

std::pair<Point, Point> crossingsOf(const Circle& c1, const Circle& c2, bool xz) {
    const double dy = xz ? checkedSub(c2.x, c1.x) / 2.0 : checkedSub(c2.s, c1.s);
    const double dx = xz ? checkedSub(c2.s, c1.s) : checkedSub(c2.x, c1.x);
    const double d = checkedSqrt(checkedAdd(checkedMul(dx, dx), checkedMul(dy, dy)));
    double theta = arcCosine(checkedDiv(dx, d));
    if (dy < 0.0)
        theta = -theta;
    const double r1 = c1.r;
    const double u =
        checkedDiv(checkedDiv(checkedSub(checkedAdd(checkedMul(r1, r1), d * d), checkedMul(c2.r, c2.r)) / 2.0, r1), d);
    if (std::fabs(u) > 1.0)  // apart, or one inside the other
        throw RuntimeError(kErrInvalidCall);
    const double phi = arcCosine(u);

    auto point = [&](double angle) {
        if (xz)
            return Point{checkedAdd(c1.x, 2.0 * r1 * std::sin(angle)), checkedAdd(c1.s, r1 * std::cos(angle))};
        return Point{checkedAdd(c1.x, r1 * std::cos(angle)), checkedAdd(c1.s, r1 * std::sin(angle))};
    };
    const Point p1 = point(theta + phi);
    return {p1, point(theta - phi)};
}

// Cuts the values as it writes them: the points are drawn where the boxes put them.
void writeTexts(TwoCircleRun& run, Point& p1, Point& p2) {
    run.x1 = FormatCoord(p1.x);
    run.z1 = FormatCoord(p1.s);
    run.x2 = FormatCoord(p2.x);
    run.z2 = FormatCoord(p2.s);
}

void drawCrossing(Figure& figure, const Circle& c1, const Circle& c2, const Point& p1, const Point& p2, bool xz) {
    // The view takes X as typed, not halved, and centres on the midpoint of the
    // centres, so part of an uneven figure can lie outside it.
    const double xTop = std::max(c1.x + c1.r, c2.x + c2.r);
    const double xBottom = std::min(c1.x - c1.r, c2.x - c2.r);
    const double sTop = std::max(c1.s + c1.r, c2.s + c2.r);
    const double sBottom = std::min(c1.s - c1.r, c2.s - c2.r);
    double h = checkedFinite(pictureHeightFor(sTop - sBottom));
    if (h < xTop - xBottom)
        h = checkedFinite(xTop - xBottom);
    figure.textColour(kLabelColour);
    const QPointF middle = xz ? QPointF((c1.s + c2.s) / 2.0, -(c1.x + c2.x) / 4.0)
                              : QPointF((c1.x + c2.x) / 2.0, -(c1.s + c2.s) / 2.0);
    const UserScale scale = centredScale(middle, 2.0 * h, 2.0 * pictureHeightFor(h));
    figure.setScale(scale);

    centreMark(figure, across(c1.x, c1.s, xz), up(c1.x, c1.s, xz), h / 70.0, h / 80.0, h / 70.0);
    figure.circle({across(c1.x, c1.s, xz), -up(c1.x, c1.s, xz)}, c1.r, kGeometryColour);
    centreMark(figure, across(c2.x, c2.s, xz), up(c2.x, c2.s, xz), h / 70.0, h / 70.0, h / 70.0);
    figure.circle({across(c2.x, c2.s, xz), -up(c2.x, c2.s, xz)}, c2.r, kGeometryColour);
    const double sw = scaleWidthOf(scale);
    const QPointF d1(across(p1.x, p1.s, xz), -up(p1.x, p1.s, xz));
    const QPointF d2(across(p2.x, p2.s, xz), -up(p2.x, p2.s, xz));
    figure.circle(d1, 0.001 * sw, kMarkerColour);
    figure.circle(d2, 0.001 * sw, kMarkerColour);
    figure.circle(d1, 0.002 * sw, kMarkerColour);
    figure.circle(d2, 0.002 * sw, kMarkerColour);
    figure.text(d1, QStringLiteral(" 1"));
    figure.text(d2, QStringLiteral("2"));
}

}  // namespace

TwoCircleRun runTwoCircleCrossing(const TwoCircleInput& in) {
    TwoCircleRun run;
    Figure& figure = run.figure;
    figure.clear();
    try {
        const bool xz = in.plane == Plane::XZ;
        const bool first = allFilled({in.x1, in.z1, in.r1});
        const bool second = allFilled({in.x2, in.z2, in.r2});
        if (!first || !second) {
            if (first || second)
                drawCircle(figure,
                           first ? Circle{ReadNumber(in.x1), ReadNumber(in.z1), ReadNumber(in.r1)}
                                 : Circle{ReadNumber(in.x2), ReadNumber(in.z2), ReadNumber(in.r2)},
                           xz);
            return run;
        }
        const Circle c1{ReadNumber(in.x1), ReadNumber(in.z1), ReadNumber(in.r1)};
        const Circle c2{ReadNumber(in.x2), ReadNumber(in.z2), ReadNumber(in.r2)};
        auto [p1, p2] = crossingsOf(c1, c2, xz);
        writeTexts(run, p1, p2);
        drawCrossing(figure, c1, c2, p1, p2, xz);
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
