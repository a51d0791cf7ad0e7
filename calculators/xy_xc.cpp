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

double directionOf(const Point& p) { return p.x == 0.0 ? gPi / 2.0 : std::atan(p.y / p.x); }

}  // namespace

UserScale xyXcScale() {
    const float height = 2767500.0f / static_cast<float>(kCalculatorPictureWidth);
    return {-250.0f, -height / 2.0f, 500.0f, height};
}

double polarAngle(double x, double y) {
    if (x == 0.0)
        return y < 0.0 ? 270.0 : 90.0;
    double c = std::atan(y / x) * 180.0 / gPi;
    if (x < 0.0)
        c += 180.0;
    else if (y < 0.0)
        c += 360.0;
    return c;
}

QString xcReadoutText(double x, double y) {
    const double d = 2.0 * std::sqrt(x * x + y * y);
    const double c = x == 0.0 && y == 0.0 ? 0.0 : polarAngle(x, y);
    auto cut = [](double v) { return numberText(std::floor(v * 1000.0) / 1000.0) + QLatin1Char(' '); };
    if (!std::isfinite(d))
        return {};
    return QStringLiteral("X") + cut(d) + QStringLiteral(" C") + cut(c);
}

XyXcRun runXyXc(const XyXcInput& in) {
    XyXcRun run;
    Figure& f = run.figure;
    f.clear();
    std::array<Point, 2> p;
    std::array<bool, 2> converted{};
    try {
        for (std::size_t i = 0; i < 2; ++i) {
            const XyXcPoint& box = in.points[i];
            XyXcPointTexts& texts = run.points[i];
            if (!in.xcMode && allFilled({box.x, box.y})) {
                p[i].x = ReadNumber(box.x);
                p[i].y = ReadNumber(box.y);
                p[i].r = checkedSqrt(checkedAdd(checkedMul(p[i].x, p[i].x), checkedMul(p[i].y, p[i].y)));
                texts.diameter = FormatCoordValue(checkedMul(2.0, p[i].r));
                texts.c = liftedResultText(polarAngle(p[i].x, p[i].y));
                converted[i] = true;
            } else if (in.xcMode && allFilled({box.diameter, box.c})) {
                p[i].r = ReadNumber(box.diameter) / 2.0;
                const double angle = checkedFinite(ReadNumber(box.c) / 180.0 * gPi);
                p[i].x = p[i].r * std::cos(angle);
                p[i].y = p[i].r * std::sin(angle);
                texts.x = FormatCoord(p[i].x);
                texts.y = FormatCoord(p[i].y);
                converted[i] = true;
            }
        }

        const double w = kScaleWidth;
        f.line(at(w / 2.0, 0.0), at(-w / 2.0, 0.0), kAxisColour);
        f.line(at(0.0, w / 2.0), at(0.0, -w / 2.0), kAxisColour);
        const QRgb crossColours[2] = {kMarkerColour, kSecondPointColour};
        for (int i = 0; i < 2; ++i) {
            f.line(at(p[i].x - 3.0, p[i].y), at(p[i].x + 3.0, p[i].y), crossColours[i]);
            f.line(at(p[i].x, p[i].y - 3.0), at(p[i].x, p[i].y + 3.0), crossColours[i]);
        }
        f.line(at(p[0].x, p[0].y), at(p[1].x, p[1].y), kGeometryColour);
        f.textColour(kLabelColour);
        f.text(at(p[0].x, p[0].y), QStringLiteral("1"));
        f.text(at(p[1].x, p[1].y), QStringLiteral("2"));

        // In X-C mode only points converted in this run make a line: X-Y boxes left from
        // an earlier run would give a line to a point that is no longer typed.
        const bool lineReady = in.xcMode ? converted[0] && converted[1]
                                         : allFilled({in.points[0].x, in.points[0].y, in.points[1].x, in.points[1].y});
        if (!lineReady)
            return run;

        const double dx = checkedSub(p[1].x, p[0].x);
        const double dy = checkedSub(p[1].y, p[0].y);
        const double length = checkedSqrt(checkedAdd(checkedMul(dx, dx), checkedMul(dy, dy)));
        double a = 0.0;
        double m = 0.0;
        if (dx == 0.0) {
            // A vertical line: its master direction points from the centre toward it.
            a = gPi / 2.0;
            m = (p[0].x < 0.0 || (p[0].x == 0.0 && p[0].y > 0.0)) ? gPi : 2.0 * gPi;
        } else {
            a = std::atan(dy / dx);
            const double b = checkedSub(p[0].y, checkedMul(p[0].x, std::tan(a)));
            m = b > 0.0 ? a + gPi / 2.0 : a + (gPi / 2.0) * 3.0;
        }
        run.angle = liftedResultText(a * 180.0 / gPi);
        run.length = FormatCoordValue(length);
        run.masterC = liftedResultText(m * 180.0 / gPi);
        const double e = w * std::cos(m);
        const double fy = w * std::sin(m);
        f.line(at(0.0, 0.0), at(e, fy), kCentreLineColour);
        f.line(at(0.0, 0.0), at(-e, -fy), kCentreLineColour);

        const double t1 = m - directionOf(p[0]);
        const double t2 = m - directionOf(p[1]);
        run.yAxis[0].x = absoluteCut(p[0].r * std::cos(t1));
        run.yAxis[0].y = absoluteCut(p[0].r * std::sin(t1));
        run.yAxis[1].x = run.yAxis[0].x;
        run.yAxis[1].y = absoluteCut(p[1].r * std::sin(t2));
    } catch (const RuntimeError& error) {
        f.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
