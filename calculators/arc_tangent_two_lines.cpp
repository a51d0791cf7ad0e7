#include "calculators/arc_tangent_two_lines.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

// A point in drawing coordinates: across (Z, or X in the X-Y plane) and up (the radius
// X/2, or Y).
struct Across {
    double h = 0.0;
    double v = 0.0;
    QPointF drawn() const { return {h, -v}; }
};

Across toDrawing(double x, double z, Plane plane) {
    return plane == Plane::XZ ? Across{z, x / 2.0} : Across{x, z};
}

struct Segment {
    QPointF from;
    QPointF to;
};

// The scale that shows the three points with a margin, at the picture's aspect.
UserScale threePointScale(const Across& p1, const Across& p2, const Across& c) {
    return fittedScale(std::min({p1.h, p2.h, c.h}), std::max({p1.h, p2.h, c.h}), std::min({p1.v, p2.v, c.v}),
                       std::max({p1.v, p2.v, c.v}), 1.4, 0.2);
}

// The scale of the zoomed view: five radii wide, centred on the arc's centre.
UserScale zoomedScale(const Across& centre, double r) {
    return centredScale(centre.drawn(), 5.0 * r, pictureHeightFor(5.0 * r));
}

// A line drawn from its start point, one scale width long, toward the crossing point.
Segment rayTowards(const Across& start, double angle, const Across& crossing, double scaleWidth) {
    const double dh = std::fabs(std::cos(angle)) * scaleWidth;
    const double dv = std::fabs(std::sin(angle)) * scaleWidth;
    const Across end{crossing.h > start.h ? start.h + dh : start.h - dh,
                     crossing.v > start.v ? start.v + dv : start.v - dv};
    return {start.drawn(), end.drawn()};
}

void drawCross(Figure& figure, const Across& p, double arm) {
    figure.line(Across{p.h - arm, p.v}.drawn(), Across{p.h + arm, p.v}.drawn(), kMarkerColour);
    figure.line(Across{p.h, p.v - arm}.drawn(), Across{p.h, p.v + arm}.drawn(), kMarkerColour);
}

void writeTexts(ArcTangentTexts& t, const TangentArc& arc) {
    t.centreX = liftedResultText(arc.cx);
    t.centreZ = liftedResultText(arc.cz);
    t.tangent1X = liftedResultText(arc.t1x);
    t.tangent1Z = liftedResultText(arc.t1z);
    t.tangent1K = liftedResultText(arc.k1);
    t.tangent2X = liftedResultText(arc.t2x);
    t.tangent2Z = liftedResultText(arc.t2z);
    t.tangent2K = liftedResultText(arc.k2);
    t.tangent1I = liftedResultText(arc.i1);
    t.tangent2I = liftedResultText(arc.i2);
}

}  // namespace

CrossingPoint crossingPoint(double x1, double z1, double a1, double x2, double z2, double a2, Plane plane) {
    if (parallelDirections(a1, a2))
        throw RuntimeError(kErrDivisionByZero);
    const double t1 = std::tan(a1);
    const double t2 = std::tan(a2);
    CrossingPoint c;
    if (plane == Plane::XZ) {
        c.z = checkedDiv((x2 - x1) / 2.0 + z1 * t1 - z2 * t2, t1 - t2);
        c.x = checkedFinite(x1 + 2.0 * t1 * (c.z - z1));
    } else {
        c.x = checkedDiv((z2 - z1) + x1 * t1 - x2 * t2, t1 - t2);
        c.z = checkedFinite(z1 + t1 * (c.x - x1));
    }
    return c;
}

TangentArc tangentArc(const CrossingPoint& crossing, double a1, double a2, double r, int corner, Plane plane) {
    const double s = a1 < a2 ? 1.0 : -1.0;
    const double spread = std::fabs(a1 - a2);
    const bool betweenDirections = corner != 3 && corner != 4;
    const double alpha = betweenDirections ? spread / 2.0 : (gPi - spread) / 2.0;
    const double length = checkedDiv(r, std::tan(alpha));
    const double distance = checkedSqrt(checkedAdd(checkedMul(length, length), checkedMul(r, r)));
    const Across u1{std::cos(a1), std::sin(a1)};
    const Across u2{std::cos(a2), std::sin(a2)};
    // Angles typed more than a half turn apart make the half-angle of corners 3 and 4
    // negative, and with it the tangent length: taken as it stands it would put the
    // tangent points on the far side of the crossing, off the arc. The angle gives the
    // tangent points their distance, never their side.
    const double reach = std::tan(alpha) < 0.0 ? -length : length;

    // Offsets from the crossing point in drawing coordinates.
    Across centre;
    Across tangent1;
    Across tangent2;
    switch (corner) {
        case 2: {
            const double mu = (a1 + a2) / 2.0;
            centre = {-(distance * std::cos(mu)), -(distance * std::sin(mu))};
            tangent1 = {-(length * u1.h), -(length * u1.v)};
            tangent2 = {-(length * u2.h), -(length * u2.v)};
            break;
        }
        case 3: {
            const double nu = (gPi - a1 - a2) / 2.0;
            centre = {distance * -std::cos(nu), distance * std::sin(nu)};
            tangent1 = {-(s * reach * u1.h), -(s * reach * u1.v)};
            tangent2 = {s * reach * u2.h, s * reach * u2.v};
            break;
        }
        case 4: {
            const double nu = (gPi - a1 - a2) / 2.0;
            centre = {distance * std::cos(nu), distance * -std::sin(nu)};
            tangent1 = {s * reach * u1.h, s * reach * u1.v};
            tangent2 = {-(s * reach * u2.h), -(s * reach * u2.v)};
            break;
        }
        default: {
            const double mu = (a1 + a2) / 2.0;
            centre = {distance * std::cos(mu), distance * std::sin(mu)};
            tangent1 = {length * u1.h, length * u1.v};
            tangent2 = {length * u2.h, length * u2.v};
            break;
        }
    }

    TangentArc arc;
    if (plane == Plane::XZ) {
        // X is a diameter: every vertical offset enters it doubled, and I is a radius.
        arc.cx = crossing.x + 2.0 * centre.v;
        arc.cz = crossing.z + centre.h;
        arc.t1x = crossing.x + 2.0 * tangent1.v;
        arc.t1z = crossing.z + tangent1.h;
        arc.t2x = crossing.x + 2.0 * tangent2.v;
        arc.t2z = crossing.z + tangent2.h;
        arc.i1 = (arc.cx - arc.t1x) / 2.0;
        arc.i2 = (arc.cx - arc.t2x) / 2.0;
    } else {
        arc.cx = crossing.x + centre.h;
        arc.cz = crossing.z + centre.v;
        arc.t1x = crossing.x + tangent1.h;
        arc.t1z = crossing.z + tangent1.v;
        arc.t2x = crossing.x + tangent2.h;
        arc.t2z = crossing.z + tangent2.v;
        arc.i1 = arc.cx - arc.t1x;
        arc.i2 = arc.cx - arc.t2x;
    }
    arc.k1 = arc.cz - arc.t1z;
    arc.k2 = arc.cz - arc.t2z;
    for (const double value : {arc.cx, arc.cz, arc.t1x, arc.t1z, arc.i1, arc.k1, arc.t2x, arc.t2z, arc.i2, arc.k2})
        checkedFinite(value);
    return arc;
}

ArcTangentRun runArcTangent(const ArcTangentInput& input) {
    ArcTangentRun run;
    if (!allFilled({input.x1, input.z1, input.a1}))
        return run;
    Figure& figure = run.figure;
    try {
        const double x1 = ReadNumber(input.x1);
        const double z1 = ReadNumber(input.z1);
        const double a1 = degreesToRadians(ReadNumber(input.a1));
        figure.clear();

        if (!allFilled({input.x2, input.z2, input.a2})) {
            drawDirection(figure, a1);  // only line 1's direction is known
            return run;
        }

        const double x2 = ReadNumber(input.x2);
        const double z2 = ReadNumber(input.z2);
        const double a2 = degreesToRadians(ReadNumber(input.a2));
        const CrossingPoint crossing = crossingPoint(x1, z1, a1, x2, z2, a2, input.plane);
        // Box by box: an X written before its Z fails stays written.
        run.crossingX = liftedResultText(crossing.x);
        run.crossingZ = liftedResultText(crossing.z);

        const Across p1 = toDrawing(x1, z1, input.plane);
        const Across p2 = toDrawing(x2, z2, input.plane);
        const Across c = toDrawing(crossing.x, crossing.z, input.plane);
        const UserScale fitted = threePointScale(p1, p2, c);
        figure.setScale(fitted);
        const double fittedWidth = widenScaleValue(fitted.width);
        const Segment ray1 = rayTowards(p1, a1, c, fittedWidth);
        const Segment ray2 = rayTowards(p2, a2, c, fittedWidth);
        figure.line(ray1.from, ray1.to, kGeometryColour);
        figure.line(ray2.from, ray2.to, kGeometryColour);

        if (input.r.isEmpty()) {
            run.zoomEnabled = false;
            return run;
        }
        run.zoomEnabled = true;
        // A negative radius would put both tangent points beyond the crossing, off the
        // arc, and mirror the zoomed view.
        const double r = std::fabs(ReadNumber(input.r));
        const TangentArc arc = tangentArc(crossing, a1, a2, r, input.corner, input.plane);
        writeTexts(run.arc, arc);

        const Across centre = toDrawing(arc.cx, arc.cz, input.plane);
        const Across tangent1 = toDrawing(arc.t1x, arc.t1z, input.plane);
        const Across tangent2 = toDrawing(arc.t2x, arc.t2z, input.plane);
        double scaleWidth = fittedWidth;
        if (input.zoom) {
            // The same two rays again, so that they still pass the crossing point
            // however small the zoomed view is.
            figure.clear();
            const UserScale zoomed = zoomedScale(centre, r);
            figure.setScale(zoomed);
            scaleWidth = widenScaleValue(zoomed.width);
            figure.line(ray1.from, ray1.to, kGeometryColour);
            figure.line(ray2.from, ray2.to, kGeometryColour);
        }

        figure.textColour(kLabelColour);
        figure.circle(centre.drawn(), r, kGeometryColour);
        figure.circle(centre.drawn(), 0.001 * scaleWidth, kMarkerColour);
        drawCross(figure, tangent1, 0.006 * scaleWidth);
        drawCross(figure, tangent2, 0.006 * scaleWidth);
        figure.text(tangent1.drawn(), QStringLiteral("1"));
        figure.text(tangent2.drawn(), QStringLiteral("2"));
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
