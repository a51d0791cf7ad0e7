#include "calculators/circle_tangent_point.h"

#include <cmath>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {

CircleTangentRun runCircleTangentPoint(const CircleTangentInput& in) {
    CircleTangentRun run;
    if (!allFilled({in.centreX, in.centreZ, in.r}))
        return run;
    Figure& figure = run.figure;
    try {
        const bool xz = in.plane == Plane::XZ;
        const double xc = ReadNumber(in.centreX);
        const double sc = ReadNumber(in.centreZ);
        const double r = ReadNumber(in.r);
        figure.clear();
        auto drawn = [xz](double x, double s) { return xz ? QPointF(s, -x / 2.0) : QPointF(x, -s); };
        const QPointF centre = drawn(xc, sc);
        const double width = checkedMul(5.0, r);
        const UserScale scale = centredScale(centre, width, pictureHeightFor(width));
        figure.setScale(scale);
        figure.circle(centre, r, kGeometryColour);
        if (in.angle.isEmpty())
            return run;

        const double theta = degreesToRadians(ReadNumber(in.angle));
        const double a = r * std::cos(theta);
        const double b = r * std::sin(theta);
        const double half = scaleWidthOf(scale) / 2.0;
        // Option 1 touches where the direction A runs with the circle counter-clockwise.
        const double side = in.option == 2 ? -1.0 : 1.0;
        double tx = 0.0;
        double ts = 0.0;
        double i = 0.0;
        double k = 0.0;
        if (xz) {
            tx = xc - side * 2.0 * a;
            ts = sc + side * b;
            i = side * a;
            k = -side * b;
        } else {
            tx = xc + side * b;
            ts = sc - side * a;
            i = -side * b;
            k = side * a;
        }
        run.i = FormatCoord(i);
        run.k = FormatCoord(k);
        run.x = FormatCoord(tx);
        run.z = FormatCoord(ts);

        const double ch = half * std::cos(theta);
        const double sh = half * std::sin(theta);
        const QPointF tangent = drawn(tx, ts);
        if (xz) {
            figure.line(tangent, QPointF(ts + ch, -(tx + 2.0 * sh) / 2.0), kGeometryColour);
            figure.line(tangent, QPointF(ts - ch, -(tx - 2.0 * sh) / 2.0), kGeometryColour);
        } else {
            figure.line(tangent, QPointF(tx + ch, -(ts + sh)), kGeometryColour);
            figure.line(tangent, QPointF(tx - ch, -(ts - sh)), kGeometryColour);
        }
        const double sw = scaleWidthOf(scale);
        figure.circle(centre, 0.001 * sw, kMarkerColour);
        figure.circle(tangent, 0.001 * sw, kMarkerColour);
        figure.circle(tangent, 0.002 * sw, kMarkerColour);
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
