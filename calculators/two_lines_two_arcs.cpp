#include "calculators/two_lines_two_arcs.h"

#include <array>
#include <cmath>
#include <optional>

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

void horizontalLine(Figure& figure, double x) {
    figure.line({-1000.0, -x / 2.0}, {1000.0, -x / 2.0}, kGeometryColour);
}

void verticalLine(Figure& figure, double z) { figure.line({z, -1000.0}, {z, 1000.0}, kGeometryColour); }

// The contact points P1, P2, P3, the arcs' centres and radii, and how far apart the
// lines are (in radius).
struct Contour {
    double x1 = 0, z1 = 0, x2 = 0, z2 = 0, x3 = 0, z3 = 0;
    double xc1 = 0, zc1 = 0, xc2 = 0, zc2 = 0;
    double r1 = 0, r2 = 0;
    double d = 0;
};

// Positions along the lines (P1, P2, P3) and across them (the centres and P3), for lines
// at across1 and across2, d apart: the first filled of the boxes along places the contact
// points. kAlong and kAcross are 2 on an axis that holds diameters, else 1.
struct Placement {
    double along1 = 0, along2 = 0, along3 = 0;
    double centre1 = 0, centre2 = 0, across3 = 0;
};

Placement placeArcs(double across1, double across2, double d, double r1, double r2, double sigma,
                    const std::array<QString, 3>& along, double kAlong, double kAcross) {
    const Blend b = blendOf(r1, r2, d);
    const double sum = r1 + r2;
    Placement p;
    if (!along[0].isEmpty()) {
        p.along1 = ReadNumber(along[0]);
        p.along2 = p.along1 + kAlong * sigma * sum * b.c;
        p.along3 = p.along1 + kAlong * sigma * r1 * b.c;
    } else if (!along[1].isEmpty()) {
        p.along2 = ReadNumber(along[1]);
        p.along1 = p.along2 - kAlong * sigma * sum * b.c;
        p.along3 = p.along2 - kAlong * sigma * r2 * b.c;
    } else if (!along[2].isEmpty()) {
        p.along3 = ReadNumber(along[2]);
        p.along1 = p.along3 - kAlong * sigma * r1 * b.c;
        p.along2 = p.along3 + kAlong * sigma * r2 * b.c;
    }
    if (across1 > across2) {
        p.centre1 = across1 - kAcross * r1;
        p.centre2 = across2 + kAcross * r2;
        p.across3 = p.centre1 + kAcross * r1 * b.s;
    } else {
        p.centre1 = across1 + kAcross * r1;
        p.centre2 = across2 - kAcross * r2;
        p.across3 = p.centre1 - kAcross * r1 * b.s;
    }
    return p;
}

// A line of "Hori" at the diameter, or of "Verti" at the Z.
void drawLine(Figure& figure, double at, bool vertical) {
    if (vertical)
        verticalLine(figure, at);
    else
        horizontalLine(figure, at);
}

// One line alone, in a view of its own.
void showOneLine(Figure& figure, double at, bool vertical) {
    figure.setScale(vertical ? lineScale(-906.0 + at, -500.0, 1812.0, 1000.0)
                             : lineScale(-906.0, (-1000.0 - at) / 2.0, 1812.0, 1000.0));
    drawLine(figure, at, vertical);
}

// Both lines, d apart, before the radii are known.
void showTwoLines(Figure& figure, double at1, double at2, double d, bool vertical) {
    const double width = 2.0 * d * kAspect;
    // "Verti" shows the band from d to 3·d below the axis; the lines cross it.
    figure.setScale(vertical ? lineScale(-width / 2.0 + (at1 + at2) / 2.0, d, width, 2.0 * d)
                             : lineScale(-width / 2.0, -d - (at1 + at2) / 4.0, width, 2.0 * d));
    drawLine(figure, at1, vertical);
    drawLine(figure, at2, vertical);
}

// The lines lie at P1 X and P2 X ("Hori", along Z) or at P1 Z and P2 Z ("Verti", along
// X). While a line or a radius is missing it draws what it has and answers nothing.
std::optional<Contour> contourOf(const TwoLinesTwoArcsInput& in, double sigma, Figure& figure) {
    const bool vertical = in.vertical;
    const QString& line1 = vertical ? in.p1z : in.p1x;
    const QString& line2 = vertical ? in.p2z : in.p2x;
    if (line1.isEmpty() && line2.isEmpty())
        return std::nullopt;
    const double at1 = ReadNumber(line1);
    const double at2 = ReadNumber(line2);
    const double d = vertical ? std::fabs(checkedSub(at1, at2)) : std::fabs(checkedSub(at1, at2)) / 2.0;
    if (line2.isEmpty() || line1.isEmpty()) {
        showOneLine(figure, !line2.isEmpty() ? at2 : at1, vertical);
        return std::nullopt;
    }
    if (!allFilled({in.r1, in.r2})) {
        showTwoLines(figure, at1, at2, d, vertical);
        return std::nullopt;
    }
    Contour c;
    c.d = d;
    c.r1 = ReadNumber(in.r1);
    c.r2 = ReadNumber(in.r2);
    using Along = std::array<QString, 3>;
    const Placement p = placeArcs(at1, at2, d, c.r1, c.r2, sigma,
                                  vertical ? Along{in.p1x, in.p2x, in.p3x} : Along{in.p1z, in.p2z, in.p3z},
                                  vertical ? 2.0 : 1.0, vertical ? 1.0 : 2.0);
    // X and Z of a point given along and across the lines.
    auto put = [vertical](double& x, double& z, double along, double across) {
        (vertical ? x : z) = along;
        (vertical ? z : x) = across;
    };
    put(c.x1, c.z1, p.along1, at1);
    put(c.x2, c.z2, p.along2, at2);
    put(c.x3, c.z3, p.along3, p.across3);
    put(c.xc1, c.zc1, p.along1, p.centre1);
    put(c.xc2, c.zc2, p.along2, p.centre2);
    return c;
}

// Writes the positions it placed along the lines, cut (the view then goes on with the
// cut values), and shows the two lines.
UserScale showHorizontal(TwoLinesTwoArcsRun& run, Figure& figure, Contour& c) {
    run.p1z = FormatCoord(c.z1);
    run.p2z = FormatCoord(c.z2);
    const double width = 4.0 * c.d * kAspect;
    const UserScale scale =
        lineScale(-width / 2.0 + (c.z1 + c.z2) / 2.0, -2.0 * c.d - (c.x1 + c.x2) / 4.0, width, 4.0 * c.d);
    figure.setScale(scale);
    horizontalLine(figure, c.x1);
    horizontalLine(figure, c.x2);
    return scale;
}

UserScale showVertical(TwoLinesTwoArcsRun& run, Figure& figure, Contour& c) {
    run.p1x = FormatCoord(c.x1);
    run.p2x = FormatCoord(c.x2);
    const double width = 5.0 * c.d;
    const UserScale scale =
        lineScale(-width / 2.0 + (c.z1 + c.z2) / 2.0, -c.d - (c.x1 + c.x2) / 4.0, width, width / kAspect);
    figure.setScale(scale);
    verticalLine(figure, c.z1);
    verticalLine(figure, c.z2);
    return scale;
}

// P3, the centres and the offsets to them, each cut as it is written and used cut after.
void writeArcTexts(TwoLinesTwoArcsRun& run, Contour& c) {
    run.p3x = FormatCoord(c.x3);
    run.p3z = FormatCoord(c.z3);
    using Text = std::optional<QString>;
    auto arc = [&c](double& xc, double& zc, Text& cx, Text& cz, Text& i, Text& k) {
        cx = FormatCoord(xc);
        cz = FormatCoord(zc);
        double di = (xc - c.x3) / 2.0;
        i = FormatCoord(di);
        double dk = zc - c.z3;
        k = FormatCoord(dk);
    };
    arc(c.xc1, c.zc1, run.c1x, run.c1z, run.i1, run.k1);
    arc(c.xc2, c.zc2, run.c2x, run.c2z, run.i2, run.k2);
}

void drawArcs(Figure& figure, const Contour& c, const UserScale& scale) {
    auto at = [](double x, double z) { return QPointF(z, -x / 2.0); };
    figure.circle(at(c.xc1, c.zc1), c.r1, kGeometryColour);
    figure.circle(at(c.xc2, c.zc2), c.r2, kGeometryColour);
    const double m = 0.007 * scaleWidthOf(scale);
    const QPointF points[] = {at(c.x1, c.z1), at(c.x2, c.z2), at(c.x3, c.z3), at(c.xc1, c.zc1), at(c.xc2, c.zc2)};
    for (const QPointF& p : points)
        figure.line({p.x() - m, p.y()}, {p.x() + m, p.y()}, kMarkerColour);
    for (const QPointF& p : points)
        figure.line({p.x(), p.y() - m}, {p.x(), p.y() + m}, kMarkerColour);
    figure.textColour(kLabelColour);
    figure.text(points[0], QStringLiteral("1"));
    figure.text(points[1], QStringLiteral("2"));
    figure.text(points[2], QStringLiteral("3"));
}

}  // namespace

TwoLinesTwoArcsRun runTwoLinesTwoArcs(const TwoLinesTwoArcsInput& in) {
    TwoLinesTwoArcsRun run;
    Figure& figure = run.figure;
    figure.clear();
    try {
        const double sigma = in.option == 2 ? -1.0 : 1.0;
        std::optional<Contour> contour = contourOf(in, sigma, figure);
        if (!contour)
            return run;
        const UserScale scale =
            in.vertical ? showVertical(run, figure, *contour) : showHorizontal(run, figure, *contour);
        writeArcTexts(run, *contour);
        drawArcs(figure, *contour, scale);
    } catch (const RuntimeError& error) {
        figure.failure = error.number();
    }
    return run;
}

}  // namespace quillmar
