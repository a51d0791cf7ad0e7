#include "calculators/neck_groove.h"

#include <charconv>
#include <cmath>
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

UserScale arcScale(double x, double z, double r) {
    return centredScale({z, -x / 2.0}, 10.0 * r, 10.0 * r * kPictureAspect);
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
        const double x = ReadNumber(in.bottomX);
        if (!face && !radius && !angle && !start) {
            f.setScale(defaultCalculatorScale());
            bottomLine(f, x, 10000.0);
            return run;
        }
        const double z = ReadNumber(in.faceZ);
        if (face && !radius && !angle && !start) {
            f.setScale(defaultCalculatorScale());
            bottomLine(f, x, 5000.0);
            faceLine(f, z);
            return run;
        }
        if (!face || !radius || (start && !angle))
            throw RuntimeError(kErrNoCase);

        const double r = ReadNumber(in.r);
        const auto [sx, sz] = signsOf(in.option);
        double xc = checkedAdd(x, sx * checkedMul(2.0, r));
        double zc = checkedAdd(z, sz * r);

        if (!angle) {
            f.setScale(arcScale(x, z, r));
            const double width = 10.0 * r;
            bottomLine(f, x, 5000.0);
            faceLine(f, z);
            // All four texts are made before any box is written.
            const QString texts[] = {plainDecimalText(xc), plainDecimalText(z), plainDecimalText(x),
                                     plainDecimalText(zc)};
            run.p1x = texts[0];
            run.p1z = texts[1];
            run.p2x = texts[2];
            run.p2z = texts[3];
            ticks(f, x, z, xc, zc, r / 15.0);
            f.circle(drawn(zc, xc), width * 0.0015, kMarkerColour);
            f.circle(drawn(zc, xc), 0.999 * r, kGeometryColour);
            return run;
        }

        const double a = degreesToRadians(ReadNumber(in.angle));
        double fullWidth = 0.0;
        float scaleWidth = 0.0f;
        float scaleHeight = 0.0f;
        double s = 0.0;
        if (start) {
            s = ReadNumber(in.startX);
            fullWidth = checkedMul(2.8, std::fabs(checkedSub(s, x)));
            scaleWidth = toScaleValue(fullWidth);
            scaleHeight = toScaleValue(widenScaleValue(scaleWidth) * kPictureAspect);
            checkedScale(0.0f, 0.0f, scaleWidth, scaleHeight);  // a zero extent is refused before it is set
            f.setExtent(scaleWidth, scaleHeight);
        } else {
            f.setScale(arcScale(x, z, r));
        }
        const double c = r * std::cos(a);
        const double sn = r * std::sin(a);
        double p3x = checkedSub(xc, sx * 2.0 * c);
        double p3z = checkedAdd(zc, sz * sn);
        double p4z = 0.0;
        if (start) {
            p4z = checkedAdd(p3z, sz * checkedDiv(sx * checkedSub(s, p3x) / 2.0, std::tan(a)));
            const double left = sz < 0.0 ? z - widenScaleValue(scaleWidth) * 4.0 / 5.0 : z - widenScaleValue(scaleWidth) / 5.0;
            const double top = sx > 0.0 ? -p3x / 2.0 - widenScaleValue(scaleHeight) * 3.0 / 4.0
                                        : -p3x / 2.0 - widenScaleValue(scaleHeight) / 4.0;
            f.setScale(checkedScale(toScaleValue(left), toScaleValue(top), scaleWidth, scaleHeight));
        }

        double shownZ = z;
        double shownX = x;
        run.p1x = FormatCoord(xc);
        run.p1z = FormatCoord(shownZ);
        run.p2x = FormatCoord(shownX);
        run.p2z = FormatCoord(zc);
        run.p3x = FormatCoord(p3x);
        run.p3z = FormatCoord(p3z);
        double i = (xc - p3x) / 2.0;
        double k = zc - p3z;
        run.i = FormatCoord(i);
        run.k = FormatCoord(k);
        if (start) {
            run.p4x = FormatCoord(s);
            run.p4z = FormatCoord(p4z);
        }

        const double width = start ? widenScaleValue(scaleWidth) : 10.0 * r;
        ticks(f, shownX, shownZ, xc, zc, start ? r / 30.0 : r / 15.0);
        f.circle(drawn(zc, xc), width * 0.001, kMarkerColour);
        f.circle(drawn(zc, xc), 0.999 * r, kGeometryColour);
        f.circle(drawn(p3z, p3x), width * 0.002, kMarkerColour);
        if (!start) {
            bottomLine(f, shownX, 5000.0);
            faceLine(f, shownZ);
            const double ze = p3z + sz * 10.0 * r;
            const double xe = p3x + sx * 20.0 * r * std::tan(a);
            f.line(drawn(p3z, p3x), drawn(ze, xe), kGeometryColour);
            return run;
        }
        f.circle(drawn(p4z, s), width * 0.002, kMarkerColour);
        bottomLine(f, shownX, 5000.0);
        faceLine(f, shownZ);
        f.line(drawn(p3z, p3x), drawn(p4z, s), kGeometryColour);
        f.line(drawn(p4z, s), at(sz < 0.0 ? -1000.0 : 1000.0, -s / 2.0), kGeometryColour);
        f.textColour(kLabelColour);
        f.text(drawn(shownZ, xc), QStringLiteral(" 1"));
        f.text(drawn(zc, shownX), QStringLiteral("2"));
        f.text(drawn(p3z, p3x), QStringLiteral("3"));
        f.text(drawn(p4z, s), QStringLiteral("4"));
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
