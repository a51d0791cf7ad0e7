#include "calculators/neck_groove.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <cstdlib>
#include <string>

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

constexpr double kPictureAspect = kCalculatorPictureHeight / kCalculatorPictureWidth;
// Not one of the groove's cases: no computation has a run-time error number for that.
constexpr int kErrNoCase = kErrInvalidCall;

// A point of the lathe plane drawn on the picture: Z across, the radius up (negated).
QPointF drawn(double z, double x) { return {toScaleValue(z), toScaleValue(-x / 2.0)}; }
QPointF at(double h, double v) { return {toScaleValue(h), toScaleValue(v)}; }

struct Signs {
    double sx;
    double sz;
};

Signs signsOf(int option) {
    switch (option) {
        case 1: return {1.0, -1.0};
        case 3: return {-1.0, -1.0};
        case 4: return {-1.0, 1.0};
        default: return {1.0, 1.0};
    }
}

void bottomLine(Figure& f, double x, double reach) {
    f.line(at(reach, -x / 2.0), at(-reach, -x / 2.0), kGeometryColour);
}
void faceLine(Figure& f, double z) { f.line(at(z, 5000.0), at(z, -5000.0), kGeometryColour); }

void ticks(Figure& f, double x, double z, double xc, double zc, double half) {
    f.line(at(zc, -x / 2.0 + half), at(zc, -x / 2.0 - half), kMarkerColour);
    f.line(at(z + half, -xc / 2.0), at(z - half, -xc / 2.0), kMarkerColour);
}

// The arc of the groove: the bottom diameter and the face it touches, its radius and
// centre, and the corner it lies in.
struct Groove {
    double x = 0.0;
    double z = 0.0;
    double r = 0.0;
    double xc = 0.0;
    double zc = 0.0;
    Signs signs{1.0, 1.0};
};

// The view of the arc, ten radii across with the corner in the middle; like every view
// of the groove it is set a value at a time, so a refused value keeps the ones before it.
void setArcView(Figure& f, const Groove& g) {
    const float width = setScaleWidth(f, 10.0 * g.r);
    const float height = setScaleHeight(f, 10.0 * g.r * kPictureAspect);
    setScaleLeft(f, g.z - widenScaleValue(width) / 2.0, width);
    setScaleTop(f, -g.x / 2.0 - widenScaleValue(height) / 2.0, height);
}

// The arc alone: P1 and P2, all four texts made before any box is written.
void showArc(NeckRun& run, Figure& f, const Groove& g) {
    setArcView(f, g);
    const double width = 10.0 * g.r;
    bottomLine(f, g.x, 5000.0);
    faceLine(f, g.z);
    const QString texts[] = {plainDecimalText(g.xc), plainDecimalText(g.z), plainDecimalText(g.x),
                             plainDecimalText(g.zc)};
    run.p1x = texts[0];
    run.p1z = texts[1];
    run.p2x = texts[2];
    run.p2z = texts[3];
    ticks(f, g.x, g.z, g.xc, g.zc, g.r / 15.0);
    f.circle(drawn(g.zc, g.xc), width * 0.0015, kMarkerColour);
    f.circle(drawn(g.zc, g.xc), 0.999 * g.r, kGeometryColour);
}

// The flank from P3, where it leaves the arc, at the angle a, out to P4 on the start
// diameter when there is one.
struct Flank {
    double a = 0.0;
    double p3x = 0.0;
    double p3z = 0.0;
    std::optional<double> startX;
    double p4z = 0.0;
    float scaleWidth = 0.0f;  // with a start diameter: the view
    float scaleHeight = 0.0f;
};

// Places the flank and fits the view to it: with a start diameter its width and height
// are set before the flank is computed and its edges after.
Flank placeFlank(Figure& f, const Groove& g, double a, std::optional<double> startX) {
    const auto [sx, sz] = g.signs;
    Flank flank{a, 0.0, 0.0, startX};
    if (startX) {
        flank.scaleWidth = setScaleWidth(f, checkedMul(2.8, std::fabs(checkedSub(*startX, g.x))));
        flank.scaleHeight = setScaleHeight(f, widenScaleValue(flank.scaleWidth) * kPictureAspect);
    } else {
        setArcView(f, g);
    }
    const double c = g.r * std::cos(a);
    const double sn = g.r * std::sin(a);
    flank.p3x = checkedSub(g.xc, sx * 2.0 * c);
    flank.p3z = checkedAdd(g.zc, sz * sn);
    if (startX) {
        flank.p4z = checkedAdd(flank.p3z, sz * checkedDiv(sx * checkedSub(*startX, flank.p3x) / 2.0, std::tan(a)));
        const double width = widenScaleValue(flank.scaleWidth);
        const double height = widenScaleValue(flank.scaleHeight);
        const double left = sz < 0.0 ? g.z - width * 4.0 / 5.0 : g.z - width / 5.0;
        const double top = sx > 0.0 ? -flank.p3x / 2.0 - height * 3.0 / 4.0 : -flank.p3x / 2.0 - height / 4.0;
        setScaleLeft(f, left, flank.scaleWidth);
        setScaleTop(f, top, flank.scaleHeight);
    }
    return flank;
}

// Cuts every value as it writes it; the figure is drawn with the cut values.
void writeTexts(NeckRun& run, Groove& g, Flank& flank) {
    run.p1x = FormatCoord(g.xc);
    run.p1z = FormatCoord(g.z);
    run.p2x = FormatCoord(g.x);
    run.p2z = FormatCoord(g.zc);
    run.p3x = FormatCoord(flank.p3x);
    run.p3z = FormatCoord(flank.p3z);
    double i = (g.xc - flank.p3x) / 2.0;
    double k = g.zc - flank.p3z;
    run.i = FormatCoord(i);
    run.k = FormatCoord(k);
    if (flank.startX) {
        run.p4x = FormatCoord(*flank.startX);
        run.p4z = FormatCoord(flank.p4z);
    }
}

void drawFlank(Figure& f, const Groove& g, const Flank& flank) {
    const auto [sx, sz] = g.signs;
    const bool start = flank.startX.has_value();
    const double width = start ? widenScaleValue(flank.scaleWidth) : 10.0 * g.r;
    ticks(f, g.x, g.z, g.xc, g.zc, start ? g.r / 30.0 : g.r / 15.0);
    f.circle(drawn(g.zc, g.xc), width * 0.001, kMarkerColour);
    f.circle(drawn(g.zc, g.xc), 0.999 * g.r, kGeometryColour);
    const QPointF p3 = drawn(flank.p3z, flank.p3x);
    f.circle(p3, width * 0.002, kMarkerColour);
    if (!start) {
        bottomLine(f, g.x, 5000.0);
        faceLine(f, g.z);
        const double ze = flank.p3z + sz * 10.0 * g.r;
        const double xe = flank.p3x + sx * 20.0 * g.r * std::tan(flank.a);
        f.line(p3, drawn(ze, xe), kGeometryColour);
        return;
    }
    const double s = *flank.startX;
    const QPointF p4 = drawn(flank.p4z, s);
    f.circle(p4, width * 0.002, kMarkerColour);
    bottomLine(f, g.x, 5000.0);
    faceLine(f, g.z);
    f.line(p3, p4, kGeometryColour);
    f.line(p4, at(sz < 0.0 ? -1000.0 : 1000.0, -s / 2.0), kGeometryColour);
    f.textColour(kLabelColour);
    f.text(drawn(g.z, g.xc), QStringLiteral(" 1"));
    f.text(drawn(g.zc, g.x), QStringLiteral("2"));
    f.text(p3, QStringLiteral("3"));
    f.text(p4, QStringLiteral("4"));
}


}  // namespace

QString plainDecimalText(double value) {
    writableValue(value);
    if (value == 0.0)
        return QStringLiteral("0");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    const int exponent = std::atoi(text.c_str() + e + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string plain;
    if (exponent < 0) {
        plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        plain = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        plain = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    return (value < 0.0 ? QStringLiteral("-") : QString()) + QString::fromStdString(plain);
}

NeckRun runNeck(const NeckInput& in) {
    NeckRun run;
    Figure& f = run.figure;
    f.clear();
    if (in.bottomX.isEmpty())
        return run;
    const bool face = !in.faceZ.isEmpty();
    const bool radius = !in.r.isEmpty();
    const bool angle = !in.angle.isEmpty();
    const bool start = !in.startX.isEmpty();
    try {
        Groove g;
        g.x = ReadNumber(in.bottomX);
        if (!face && !radius && !angle && !start) {
            f.setScale(defaultCalculatorScale());
            bottomLine(f, g.x, 10000.0);
            return run;
        }
        g.z = ReadNumber(in.faceZ);
        if (face && !radius && !angle && !start) {
            f.setScale(defaultCalculatorScale());
            bottomLine(f, g.x, 5000.0);
            faceLine(f, g.z);
            return run;
        }
        if (!face || !radius || (start && !angle))
            throw RuntimeError(kErrNoCase);

        g.r = ReadNumber(in.r);
        g.signs = signsOf(in.option);
        g.xc = checkedAdd(g.x, g.signs.sx * checkedMul(2.0, g.r));
        g.zc = checkedAdd(g.z, g.signs.sz * g.r);
        if (!angle) {
            showArc(run, f, g);
            return run;
        }
        const double a = degreesToRadians(ReadNumber(in.angle));
        std::optional<double> startX;
        if (start)
            startX = ReadNumber(in.startX);
        Flank flank = placeFlank(f, g, a, startX);
        writeTexts(run, g, flank);
        drawFlank(f, g, flank);
    } catch (const RuntimeError& error) {
        f.failure = error.number();
    }
    return run;
}

QStringList neckContour(bool ccw, int option, const NeckContourBoxes& boxes) {
    const bool g02First = option == 1 || option == 4;  // the arc word of "CCW"
    const QString arc = QStringLiteral("N000 G0%1 X").arg(g02First == ccw ? 2 : 3);
    const QString end = QStringLiteral("\r\n");
    const QString p1 = boxes.p1x + QStringLiteral(" Z") + boxes.p1z;
    const QString p3 = boxes.p3x + QStringLiteral(" Z") + boxes.p3z;
    const QString p4 = boxes.p4x + QStringLiteral(" Z") + boxes.p4z;
    const QString l = QStringLiteral(" L") + boxes.r;
    if (ccw)
        return {QStringLiteral("N000 G01 X") + p1 + end, arc + p3 + l + end, QStringLiteral("N000 G01 X") + p4 + end};
    return {QStringLiteral("N000 G01 X") + p4 + end, QStringLiteral("N000     X") + p3 + end, arc + p1 + l + end};
}

}  // namespace quillmar
