#include "calculators/xy_xc.h"

#include <cmath>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

constexpr double kScaleWidth = 500.0;

QPointF at(double x, double y) { return {toScaleValue(x), toScaleValue(-y)}; }

struct Point {
    double x = 0.0;
    double y = 0.0;
    double r = 0.0;
};

// The magnitude of the cut value, in the formatter's form.
QString absoluteCut(double value) {
    QString text = FormatCoordValue(value);
    if (text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    return text;
}

// A tiny x is not zero: its quotient may overflow, and that fails like any other.
double directionOf(const Point& p) { return p.x == 0.0 ? gPi / 2.0 : std::atan(checkedDiv(p.y, p.x)); }

}  // namespace

UserScale xyXcScale() {
    const float height = 2767500.0f / static_cast<float>(kCalculatorPictureWidth);
    return {-250.0f, -height / 2.0f, 500.0f, height};
}

double polarAngle(double x, double y) {
    if (x == 0.0)
        return y < 0.0 ? 270.0 : 90.0;
    double c = std::atan(checkedDiv(y, x)) * 180.0 / gPi;
    if (x < 0.0)
        c += 180.0;
    else if (y < 0.0)
        c += 360.0;
    return c;
}

QString xcReadoutText(double x, double y) {
    const double d = 2.0 * std::sqrt(x * x + y * y);
    double c = 0.0;
    try {
        c = x == 0.0 && y == 0.0 ? 0.0 : polarAngle(x, y);
    } catch (const RuntimeError&) {
        return {};  // the read-out has no failure text: a point it cannot measure shows nothing
    }
    return readoutLine(QStringLiteral("X"), d, QStringLiteral(" C"), c);
}

namespace {

// Converts the point from the form that takes input to the other and writes that;
// false when its boxes are not both filled. The values written are cut in place.
bool convertPoint(const XyXcPoint& box, bool xcMode, Point& p, XyXcPointTexts& texts) {
    if (!xcMode && allFilled({box.x, box.y})) {
        p.x = ReadNumber(box.x);
        p.y = ReadNumber(box.y);
        p.r = checkedSqrt(checkedAdd(checkedMul(p.x, p.x), checkedMul(p.y, p.y)));
        const double c = polarAngle(p.x, p.y);  // may fail: then neither box is written
        texts.diameter = FormatCoordValue(checkedMul(2.0, p.r));
        texts.c = liftedResultText(c, Measure::Angle);
        return true;
    }
    if (xcMode && allFilled({box.diameter, box.c})) {
        p.r = ReadNumber(box.diameter) / 2.0;
        const double angle = checkedFinite(ReadNumber(box.c) / 180.0 * gPi);
        p.x = p.r * std::cos(angle);
        p.y = p.r * std::sin(angle);
        texts.x = FormatCoord(p.x);
        texts.y = FormatCoord(p.y);
        return true;
    }
    return false;
}

// The axes, a cross at each point and the line between them.
void drawPoints(Figure& f, const std::array<Point, 2>& p) {
    const double w = kScaleWidth;
    f.line(at(w / 2.0, 0.0), at(-w / 2.0, 0.0), kAxisColour);
    f.line(at(0.0, w / 2.0), at(0.0, -w / 2.0), kAxisColour);
    const QRgb crossColours[2] = {kMarkerColour, kSecondPointColour};
    for (std::size_t i = 0; i < 2; ++i) {
        f.line(at(p[i].x - 3.0, p[i].y), at(p[i].x + 3.0, p[i].y), crossColours[i]);
        f.line(at(p[i].x, p[i].y - 3.0), at(p[i].x, p[i].y + 3.0), crossColours[i]);
    }
    f.line(at(p[0].x, p[0].y), at(p[1].x, p[1].y), kGeometryColour);
    f.textColour(kLabelColour);
    f.text(at(p[0].x, p[0].y), QStringLiteral("1"));
    f.text(at(p[1].x, p[1].y), QStringLiteral("2"));
}

// The line through the two points: its angle a, its length and the master direction m
// at right angles to it, pointing from the centre toward the line (radians).
struct MasterLine {
    double a = 0.0;
    double length = 0.0;
    double m = 0.0;
};

MasterLine masterLineOf(const Point& p1, const Point& p2) {
    const double dx = checkedSub(p2.x, p1.x);
    const double dy = checkedSub(p2.y, p1.y);
    MasterLine line;
    line.length = checkedSqrt(checkedAdd(checkedMul(dx, dx), checkedMul(dy, dy)));
    if (dx == 0.0) {
        line.a = gPi / 2.0;
        line.m = (p1.x < 0.0 || (p1.x == 0.0 && p1.y > 0.0)) ? gPi : 2.0 * gPi;
    } else {
        line.a = std::atan(checkedDiv(dy, dx));
        const double b = checkedSub(p1.y, checkedMul(p1.x, std::tan(line.a)));
        line.m = b > 0.0 ? line.a + gPi / 2.0 : line.a + (gPi / 2.0) * 3.0;
    }
    return line;
}

// The line's values, the centre line in the master direction and each point's X and Y
// along and across it.
void showMasterLine(XyXcRun& run, const std::array<Point, 2>& p) {
    const MasterLine line = masterLineOf(p[0], p[1]);
    const double m = line.m;
    run.angle = liftedResultText(line.a * 180.0 / gPi, Measure::Angle);
    run.length = FormatCoordValue(line.length);
    run.masterC = liftedResultText(m * 180.0 / gPi, Measure::Angle);
    const double e = kScaleWidth * std::cos(m);
    const double fy = kScaleWidth * std::sin(m);
    run.figure.line(at(0.0, 0.0), at(e, fy), kCentreLineColour);
    run.figure.line(at(0.0, 0.0), at(-e, -fy), kCentreLineColour);

    const double t1 = m - directionOf(p[0]);
    const double t2 = m - directionOf(p[1]);
    run.yAxis[0].x = absoluteCut(p[0].r * std::cos(t1));
    run.yAxis[0].y = absoluteCut(p[0].r * std::sin(t1));
    run.yAxis[1].x = run.yAxis[0].x;
    run.yAxis[1].y = absoluteCut(p[1].r * std::sin(t2));
}

}  // namespace

XyXcRun runXyXc(const XyXcInput& in) {
    XyXcRun run;
    run.figure.clear();
    std::array<Point, 2> p;
    try {
        const bool converted1 = convertPoint(in.points[0], in.xcMode, p[0], run.points[0]);
        const bool converted2 = convertPoint(in.points[1], in.xcMode, p[1], run.points[1]);
        drawPoints(run.figure, p);
        // In X-C mode only points converted in this run make a line: X-Y boxes left from
        // an earlier run would give a line to a point that is no longer typed.
        const bool lineReady = in.xcMode ? converted1 && converted2
                                         : allFilled({in.points[0].x, in.points[0].y, in.points[1].x, in.points[1].y});
        if (lineReady)
            showMasterLine(run, p);
    } catch (const RuntimeError& error) {
        run.figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
