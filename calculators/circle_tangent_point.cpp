#include "calculators/circle_tangent_point.h"

#include <cmath>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

// The tangent point and the vector from it to the centre.
struct Tangent {
    double x = 0.0;
    double s = 0.0;
    double i = 0.0;
    double k = 0.0;
};

Tangent tangentOf(double xc, double sc, double r, double theta, int option, bool xz) {
    const double a = r * std::cos(theta);
    const double b = r * std::sin(theta);
    // Option 1 touches where the direction A runs with the circle counter-clockwise.
    const double side = option == 2 ? -1.0 : 1.0;
    if (xz)
        return {xc - side * 2.0 * a, sc + side * b, side * a, -side * b};
    return {xc + side * b, sc - side * a, -side * b, side * a};
}

// Cuts the values as it writes them: the point is drawn where the boxes put it.
void writeTexts(CircleTangentRun& run, Tangent& t) {
    run.i = FormatCoord(t.i);
    run.k = FormatCoord(t.k);
    run.x = FormatCoord(t.x);
    run.z = FormatCoord(t.s);
}

// The tangent through the point, half a scale width each way, and the markers.
void drawTangent(Figure& figure, const UserScale& scale, QPointF centre, const Tangent& t, double theta, bool xz) {
    const double half = scaleWidthOf(scale) / 2.0;
    const double ch = half * std::cos(theta);
    const double sh = half * std::sin(theta);
    const QPointF tangent = xz ? QPointF(t.s, -t.x / 2.0) : QPointF(t.x, -t.s);
    if (xz) {
        figure.line(tangent, QPointF(t.s + ch, -(t.x + 2.0 * sh) / 2.0), kGeometryColour);
        figure.line(tangent, QPointF(t.s - ch, -(t.x - 2.0 * sh) / 2.0), kGeometryColour);
    } else {
        figure.line(tangent, QPointF(t.x + ch, -(t.s + sh)), kGeometryColour);
        figure.line(tangent, QPointF(t.x - ch, -(t.s - sh)), kGeometryColour);
    }
    const double sw = scaleWidthOf(scale);
    figure.circle(centre, 0.001 * sw, kMarkerColour);
    figure.circle(tangent, 0.001 * sw, kMarkerColour);
    figure.circle(tangent, 0.002 * sw, kMarkerColour);
}

}  // namespace

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
        const QPointF centre = xz ? QPointF(sc, -xc / 2.0) : QPointF(xc, -sc);
        const double width = checkedMul(5.0, r);
        const UserScale scale = centredScale(centre, width, pictureHeightFor(width));
        figure.setScale(scale);
        figure.circle(centre, r, kGeometryColour);
        if (in.angle.isEmpty())
            return run;

        const double theta = degreesToRadians(ReadNumber(in.angle));
        Tangent tangent = tangentOf(xc, sc, r, theta, in.option, xz);
        writeTexts(run, tangent);
        drawTangent(figure, scale, centre, tangent, theta, xz);
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
