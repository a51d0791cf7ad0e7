#include "calculators/two_lines_two_arcs.h"

#include <cmath>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

constexpr double kAspect = 1.812;

struct Blend {
    double alpha = 0.0;  // radians
    double c = 0.0;
    double s = 0.0;
};

// The direction from centre 1 to centre 2, measured along the lines: w along, h across.
Blend blendOf(double r1, double r2, double d) {
    const double sum = checkedAdd(r1, r2);
    const double h = checkedSub(sum, d);
    const double w = checkedSqrt(checkedSub(checkedMul(sum, sum), checkedMul(h, h)));
    if (w == 0.0 && d > 0.0)
        return {-2.0 * std::atan(1.0), 0.0, -1.0};  // lines 2·(R1 + R2) apart: the arcs stacked
    Blend b;
    b.alpha = std::atan(checkedDiv(h, w));
    b.c = std::cos(b.alpha);
    b.s = std::sin(b.alpha);
    return b;
}

UserScale lineScale(double left, double top, double width, double height) {
    return checkedScale(toScaleValue(left), toScaleValue(top), toScaleValue(width), toScaleValue(height));
}

}  // namespace

TwoLinesTwoArcsRun runTwoLinesTwoArcs(const TwoLinesTwoArcsInput& in) {
    TwoLinesTwoArcsRun run;
    Figure& figure = run.figure;
    figure.clear();
    try {
        const double sigma = in.option == 2 ? -1.0 : 1.0;
        double x1 = 0, x2 = 0, x3 = 0, z1 = 0, z2 = 0, z3 = 0;
        double xc1 = 0, xc2 = 0, zc1 = 0, zc2 = 0, r1 = 0, r2 = 0;
        UserScale scale;
        auto horizontalLine = [&](double x) { figure.line({-1000.0, -x / 2.0}, {1000.0, -x / 2.0}, kGeometryColour); };
        auto verticalLine = [&](double z) { figure.line({z, -1000.0}, {z, 1000.0}, kGeometryColour); };

        if (!in.vertical) {
            if (in.p1x.isEmpty() && in.p2x.isEmpty())
                return run;
            x1 = ReadNumber(in.p1x);
            x2 = ReadNumber(in.p2x);
            const double d = std::fabs(checkedSub(x1, x2)) / 2.0;
            if (in.p2x.isEmpty() || in.p1x.isEmpty()) {
                const double x = !in.p2x.isEmpty() ? x2 : x1;
                figure.setScale(lineScale(-906.0, (-1000.0 - x) / 2.0, 1812.0, 1000.0));
                horizontalLine(x);
                return run;
            }
            if (!allFilled({in.r1, in.r2})) {
                const double width = 2.0 * d * kAspect;
                figure.setScale(lineScale(-width / 2.0, -d - (x1 + x2) / 4.0, width, 2.0 * d));
                horizontalLine(x1);
                horizontalLine(x2);
                return run;
            }
            r1 = ReadNumber(in.r1);
            r2 = ReadNumber(in.r2);
            const Blend b = blendOf(r1, r2, d);
            const double sum = r1 + r2;
            if (!in.p1z.isEmpty()) {
                z1 = ReadNumber(in.p1z);
                z2 = z1 + sigma * sum * b.c;
                z3 = z1 + sigma * r1 * b.c;
            } else if (!in.p2z.isEmpty()) {
                z2 = ReadNumber(in.p2z);
                z1 = z2 - sigma * sum * b.c;
                z3 = z2 - sigma * r2 * b.c;
            } else if (!in.p3z.isEmpty()) {
                z3 = ReadNumber(in.p3z);
                z1 = z3 - sigma * r1 * b.c;
                z2 = z3 + sigma * r2 * b.c;
            }
            if (x1 > x2) {
                xc1 = x1 - 2.0 * r1;
                xc2 = x2 + 2.0 * r2;
                x3 = xc1 + 2.0 * r1 * b.s;
            } else {
                xc1 = x1 + 2.0 * r1;
                xc2 = x2 - 2.0 * r2;
                x3 = xc1 - 2.0 * r1 * b.s;
            }
            zc1 = z1;
            zc2 = z2;
            run.p1z = FormatCoord(z1);
            run.p2z = FormatCoord(z2);
            const double width = 4.0 * d * kAspect;
            scale = lineScale(-width / 2.0 + (z1 + z2) / 2.0, -2.0 * d - (x1 + x2) / 4.0, width, 4.0 * d);
            figure.setScale(scale);
            horizontalLine(x1);
            horizontalLine(x2);
        } else {
            if (in.p1z.isEmpty() && in.p2z.isEmpty())
                return run;
            z1 = ReadNumber(in.p1z);
            z2 = ReadNumber(in.p2z);
            const double d = std::fabs(checkedSub(z1, z2));
            if (in.p2z.isEmpty() || in.p1z.isEmpty()) {
                const double z = !in.p2z.isEmpty() ? z2 : z1;
                figure.setScale(lineScale(-906.0 + z, -500.0, 1812.0, 1000.0));
                verticalLine(z);
                return run;
            }
            if (!allFilled({in.r1, in.r2})) {
                // The band shown runs from d to 3·d below the axis; the lines cross it.
                const double width = 2.0 * d * kAspect;
                figure.setScale(lineScale(-width / 2.0 + (z1 + z2) / 2.0, d, width, 2.0 * d));
                verticalLine(z1);
                verticalLine(z2);
                return run;
            }
            r1 = ReadNumber(in.r1);
            r2 = ReadNumber(in.r2);
            const Blend b = blendOf(r1, r2, d);
            const double sum = r1 + r2;
            if (!in.p1x.isEmpty()) {
                x1 = ReadNumber(in.p1x);
                x2 = x1 + 2.0 * sigma * sum * b.c;
                x3 = x1 + 2.0 * sigma * r1 * b.c;
            } else if (!in.p2x.isEmpty()) {
                x2 = ReadNumber(in.p2x);
                x1 = x2 - 2.0 * sigma * sum * b.c;
                x3 = x2 - 2.0 * sigma * r2 * b.c;
            } else if (!in.p3x.isEmpty()) {
                x3 = ReadNumber(in.p3x);
                x1 = x3 - 2.0 * sigma * r1 * b.c;
                x2 = x3 + 2.0 * sigma * r2 * b.c;
            }
            if (z1 > z2) {
                zc1 = z1 - r1;
                zc2 = z2 + r2;
                z3 = zc1 + r1 * b.s;
            } else {
                zc1 = z1 + r1;
                zc2 = z2 - r2;
                z3 = zc1 - r1 * b.s;
            }
            xc1 = x1;
            xc2 = x2;
            run.p1x = FormatCoord(x1);
            run.p2x = FormatCoord(x2);
            const double width = 5.0 * d;
            scale = lineScale(-width / 2.0 + (z1 + z2) / 2.0, -d - (x1 + x2) / 4.0, width, width / kAspect);
            figure.setScale(scale);
            verticalLine(z1);
            verticalLine(z2);
        }

        run.p3x = FormatCoord(x3);
        run.p3z = FormatCoord(z3);
        run.c1x = FormatCoord(xc1);
        run.c1z = FormatCoord(zc1);
        double i1 = (xc1 - x3) / 2.0;
        run.i1 = FormatCoord(i1);
        double k1 = zc1 - z3;
        run.k1 = FormatCoord(k1);
        run.c2x = FormatCoord(xc2);
        run.c2z = FormatCoord(zc2);
        double i2 = (xc2 - x3) / 2.0;
        run.i2 = FormatCoord(i2);
        double k2 = zc2 - z3;
        run.k2 = FormatCoord(k2);

        auto at = [](double x, double z) { return QPointF(z, -x / 2.0); };
        figure.circle(at(xc1, zc1), r1, kGeometryColour);
        figure.circle(at(xc2, zc2), r2, kGeometryColour);
        const double m = 0.007 * scaleWidthOf(scale);
        const QPointF points[] = {at(x1, z1), at(x2, z2), at(x3, z3), at(xc1, zc1), at(xc2, zc2)};
        for (const QPointF& p : points)
            figure.line({p.x() - m, p.y()}, {p.x() + m, p.y()}, kMarkerColour);
        for (const QPointF& p : points)
            figure.line({p.x(), p.y() - m}, {p.x(), p.y() + m}, kMarkerColour);
        figure.textColour(kLabelColour);
        figure.text(points[0], QStringLiteral("1"));
        figure.text(points[1], QStringLiteral("2"));
        figure.text(points[2], QStringLiteral("3"));
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
