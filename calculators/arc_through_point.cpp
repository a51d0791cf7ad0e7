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

ArcThroughPointRun runArcThroughPoint(const ArcThroughPointInput& in) {
    ArcThroughPointRun run;
    if (!allFilled({in.lineX, in.lineZ, in.angle}))
        return run;
    Figure& figure = run.figure;
    try {
        const bool xz = in.plane == Plane::XZ;
        const double k = xz ? 2.0 : 1.0;
        // u across the picture, v up it (a diameter in the X-Z plane).
        const double uL = ReadNumber(xz ? in.lineZ : in.lineX);
        const double vL = ReadNumber(xz ? in.lineX : in.lineZ);
        double theta = degreesToRadians(lineAngleDegrees(ReadNumber(in.angle)));
        figure.clear();

        if (!allFilled({in.endX, in.endZ, in.r})) {
            figure.setScale(defaultCalculatorScale());
            figure.line({10000.0 * std::cos(theta), -10000.0 * std::sin(theta)},
                        {-10000.0 * std::cos(theta), 10000.0 * std::sin(theta)}, kGeometryColour);
            return run;
        }
        const double uE = ReadNumber(xz ? in.endZ : in.endX);
        const double vE = ReadNumber(xz ? in.endX : in.endZ);
        const double r = ReadNumber(in.r);
        if (!(r > 0.0))
            throw RuntimeError(kErrInvalidCall);

        // Measured from the line point toward the end point: both the across and the
        // up-down distances are taken positive, so the angle is mirrored with each.
        double p = checkedSub(uE, uL);
        double su = 1.0;
        if (!(p > 0.0)) {
            theta = -theta;
            su = -1.0;
            p = -p;
        }
        const double sv = vL < vE ? 1.0 : -1.0;
        if (sv < 0.0)
            theta = -theta;
        const double h = checkedMul(std::tan(theta), p);
        const double q = checkedSub(std::fabs(checkedSub(vE, vL)) / k, h);
        const double sq = q > 0.0 ? 1.0 : -1.0;
        const double d = q * std::cos(theta);
        const double e = r - std::fabs(d);
        const double w = checkedSqrt(checkedSub(checkedMul(r, r), checkedMul(e, e)));

        const double t = theta * sq;
        const double s = sv * sq;
        const double beta = e <= 0.0 ? std::atan2(-e, w) : std::atan2(w, e);
        const double phi = in.option == 2 ? gPi / 2.0 - beta + t : beta + t;
        double cu = 0.0;
        double cv = 0.0;
        if (in.option == 2) {
            cv = e <= 0.0 ? vE - k * r * std::cos(phi) * s : vE + k * r * std::sin(phi) * s;
            cu = e <= 0.0 ? uE + r * std::sin(phi) * su : uE + r * std::cos(phi) * su;
        } else {
            cv = e <= 0.0 ? vE - k * r * std::sin(phi) * s : vE + k * r * std::cos(phi) * s;
            cu = e <= 0.0 ? uE - r * std::cos(phi) * su : uE - r * std::sin(phi) * su;
        }
        const double tv = checkedFinite(cv - k * r * std::cos(theta) * s);
        const double tu = checkedFinite(cu + r * std::sin(theta) * su * sq);
        checkedFinite(cu);
        checkedFinite(cv);

        const double centreX = xz ? cv : cu;
        const double centreS = xz ? cu : cv;
        const double startX = xz ? tv : tu;
        const double startS = xz ? tu : tv;
        run.centreX = liftedResultText(centreX);
        run.centreZ = liftedResultText(centreS);
        run.startX = liftedResultText(startX);
        run.startZ = liftedResultText(startS);
        run.i = liftedResultText(checkedSub(centreX, startX) / k);
        run.k = liftedResultText(checkedSub(centreS, startS));

        const double right = checkedAdd(uE, r * su);
        const double top = checkedAdd(vE / k, r * sv);
        const UserScale scale = fittedScale(std::min({uL, right, tu}), std::max({uL, right, tu}),
                                            std::min({vL / k, top, tv / k}), std::max({vL / k, top, tv / k}), 1.2, 0.1);
        figure.setScale(scale);
        const double sw = scaleWidthOf(scale);
        auto at = [k](double u, double v) { return QPointF(u, -v / k); };
        const QPointF line = at(uL, vL);
        const QPointF end = at(uE, vE);
        const QPointF centre = at(cu, cv);
        const QPointF start = at(tu, tv);
        figure.line(start, line, kGeometryColour);
        figure.circle(centre, r, kGeometryColour);
        figure.circle(line, 0.001 * sw, kMarkerColour);
        figure.circle(end, 0.001 * sw, kMarkerColour);
        figure.circle(end, 0.0015 * sw, kMarkerColour);
        figure.circle(centre, 0.001 * sw, kMarkerColour);
        figure.circle(start, 0.001 * sw, kMarkerColour);
        figure.circle(start, 0.0015 * sw, kMarkerColour);
        figure.line(end, QPointF(uL < cu ? uE + 100.0 : uE - 100.0, end.y()), kGeometryColour);
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
