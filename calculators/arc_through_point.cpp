#include "calculators/arc_through_point.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {

double lineAngleDegrees(double degrees) {
    double reduced = std::fmod(degrees, 180.0);
    if (reduced > 90.0)
        reduced -= 180.0;
    else if (reduced <= -90.0)
        reduced += 180.0;
    if (reduced == 90.0)
        reduced = 89.9999;
    return reduced + 0.0;  // no negative zero
}

namespace {

// A point across the picture (u) and up it (v, a diameter in the X-Z plane).
struct UV {
    double u = 0.0;
    double v = 0.0;
};

// The arc's centre and its tangent (start) point, and the sides toward which the end
// point lies from the line point, across and up.
struct ArcSolution {
    UV centre;
    UV start;
    double su = 1.0;
    double sv = 1.0;
};

// k: 2 where v is a diameter, else 1.
ArcSolution solveArc(const UV& line, double theta, const UV& end, double r, double k, int option) {
    // Measured from the line point toward the end point: both the across and the
    // up-down distances are taken positive, so the angle is mirrored with each.
    double p = checkedSub(end.u, line.u);
    double su = 1.0;
    if (!(p > 0.0)) {
        theta = -theta;
        su = -1.0;
        p = -p;
    }
    const double sv = line.v < end.v ? 1.0 : -1.0;
    if (sv < 0.0)
        theta = -theta;
    const double h = checkedMul(std::tan(theta), p);
    const double q = checkedSub(std::fabs(checkedSub(end.v, line.v)) / k, h);
    const double sq = q > 0.0 ? 1.0 : -1.0;
    const double d = q * std::cos(theta);
    const double e = r - std::fabs(d);
    const double w = checkedSqrt(checkedSub(checkedMul(r, r), checkedMul(e, e)));

    const double t = theta * sq;
    const double s = sv * sq;
    const double beta = e <= 0.0 ? std::atan2(-e, w) : std::atan2(w, e);
    const double phi = option == 2 ? gPi / 2.0 - beta + t : beta + t;
    double cu = 0.0;
    double cv = 0.0;
    if (option == 2) {
        cv = e <= 0.0 ? end.v - k * r * std::cos(phi) * s : end.v + k * r * std::sin(phi) * s;
        cu = e <= 0.0 ? end.u + r * std::sin(phi) * su : end.u + r * std::cos(phi) * su;
    } else {
        cv = e <= 0.0 ? end.v - k * r * std::sin(phi) * s : end.v + k * r * std::cos(phi) * s;
        cu = e <= 0.0 ? end.u - r * std::cos(phi) * su : end.u - r * std::sin(phi) * su;
    }
    const double tv = checkedFinite(cv - k * r * std::cos(theta) * s);
    const double tu = checkedFinite(cu + r * std::sin(theta) * su * sq);
    checkedFinite(cu);
    checkedFinite(cv);
    return {{cu, cv}, {tu, tv}, su, sv};
}

void writeTexts(ArcThroughPointRun& run, const ArcSolution& arc, double k, bool xz) {
    const double centreX = xz ? arc.centre.v : arc.centre.u;
    const double centreS = xz ? arc.centre.u : arc.centre.v;
    const double startX = xz ? arc.start.v : arc.start.u;
    const double startS = xz ? arc.start.u : arc.start.v;
    run.centreX = liftedResultText(centreX);
    run.centreZ = liftedResultText(centreS);
    run.startX = liftedResultText(startX);
    run.startZ = liftedResultText(startS);
    run.i = liftedResultText(checkedSub(centreX, startX) / k);
    run.k = liftedResultText(checkedSub(centreS, startS));
}

// The line from the start point back to the line point, the circle and the points, in a
// scale fitted to the line point, the start point and the circle's far side.
void drawArc(Figure& figure, const UV& linePoint, const UV& endPoint, const ArcSolution& arc, double r, double k) {
    const double right = checkedAdd(endPoint.u, r * arc.su);
    const double top = checkedAdd(endPoint.v / k, r * arc.sv);
    const double tu = arc.start.u;
    const double tv = arc.start.v;
    const UserScale scale =
        fittedScale(std::min({linePoint.u, right, tu}), std::max({linePoint.u, right, tu}),
                    std::min({linePoint.v / k, top, tv / k}), std::max({linePoint.v / k, top, tv / k}), 1.2, 0.1);
    figure.setScale(scale);
    const double sw = scaleWidthOf(scale);
    auto at = [k](const UV& p) { return QPointF(p.u, -p.v / k); };
    const QPointF line = at(linePoint);
    const QPointF end = at(endPoint);
    const QPointF centre = at(arc.centre);
    const QPointF start = at(arc.start);
    figure.line(start, line, kGeometryColour);
    figure.circle(centre, r, kGeometryColour);
    figure.circle(line, 0.001 * sw, kMarkerColour);
    figure.circle(end, 0.001 * sw, kMarkerColour);
    figure.circle(end, 0.0015 * sw, kMarkerColour);
    figure.circle(centre, 0.001 * sw, kMarkerColour);
    figure.circle(start, 0.001 * sw, kMarkerColour);
    figure.circle(start, 0.0015 * sw, kMarkerColour);
    figure.line(end, QPointF(linePoint.u < arc.centre.u ? endPoint.u + 100.0 : endPoint.u - 100.0, end.y()),
                kGeometryColour);
}

}  // namespace

ArcThroughPointRun runArcThroughPoint(const ArcThroughPointInput& in) {
    ArcThroughPointRun run;
    if (!allFilled({in.lineX, in.lineZ, in.angle}))
        return run;
    Figure& figure = run.figure;
    try {
        const bool xz = in.plane == Plane::XZ;
        const double k = xz ? 2.0 : 1.0;
        const UV line{ReadNumber(xz ? in.lineZ : in.lineX), ReadNumber(xz ? in.lineX : in.lineZ)};
        const double theta = degreesToRadians(lineAngleDegrees(ReadNumber(in.angle)));
        figure.clear();
        if (!allFilled({in.endX, in.endZ, in.r})) {
            drawDirection(figure, theta);
            return run;
        }
        const UV end{ReadNumber(xz ? in.endZ : in.endX), ReadNumber(xz ? in.endX : in.endZ)};
        const double r = ReadNumber(in.r);
        if (!(r > 0.0))
            throw RuntimeError(kErrInvalidCall);
        const ArcSolution arc = solveArc(line, theta, end, r, k, in.option);
        writeTexts(run, arc, k, xz);
        drawArc(figure, line, end, arc, r, k);
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
