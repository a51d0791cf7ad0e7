#include "common/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "common/runtime_error.h"

namespace quillmar {
namespace {

// Digits and decimal exponent of |v| rounded to `significant` digits, trailing zeros dropped.
struct Decimal {
    std::string digits;
    int exponent = 0;  // position of the first digit: v = 0.d1d2... * 10^(exponent+1)
};

Decimal decompose(double magnitude, int significant) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   significant - 1);
    (void)ec;
    std::string text(buf, end);
    const auto e = text.find('e');
    Decimal d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Plain digits while the whole part has at most 15 digits and the value is not tiny.
QString plainText(double v, int significant) {
    if (v == 0.0)
        return QStringLiteral(" 0");
    if (!std::isfinite(v))
        throw RuntimeError(kErrOverflow);
    const Decimal d = decompose(std::fabs(v), significant);
    std::string body(1, v < 0 ? '-' : ' ');
    const std::size_t wholeDigits = static_cast<std::size_t>(std::max(d.exponent + 1, 0));
    if (d.exponent >= kPlainWholeDigits || d.exponent < -significant) {
        // Too large or too small for plain digits: mantissa and exponent.
        body.append(d.digits, 0, 1);
        if (d.digits.size() > 1)
            body.append(1, '.').append(d.digits, 1, std::string::npos);
        body.append(d.exponent < 0 ? "E-" : "E+");
        const int e = std::abs(d.exponent);
        if (e < 10)
            body.append(1, '0');
        char exp[16];
        auto [end, ec] = std::to_chars(exp, exp + sizeof exp, e);
        (void)ec;
        body.append(exp, end);
    } else if (d.exponent >= 0) {
        body.append(d.digits, 0, std::min(d.digits.size(), wholeDigits));
        if (d.digits.size() < wholeDigits)
            body.append(wholeDigits - d.digits.size(), '0');
        else if (d.digits.size() > wholeDigits)
            body.append(1, '.').append(d.digits, wholeDigits, std::string::npos);
    } else {
        body.append(1, '.').append(static_cast<std::size_t>(-d.exponent - 1), '0').append(d.digits);
    }
    return QString::fromLatin1(body.data(), static_cast<qsizetype>(body.size()));
}

// The product counts as whole when it lies within 1e-9 of its own magnitude (at least
// 1e-9, never more than 0.001) of a whole number, so that binary rounding never costs a
// last decimal that the user wrote, while large values are still cut, never rounded.
double snapToWhole(double product) {
    const double whole = std::nearbyint(product);
    const double tolerance = std::min(std::max(1e-9 * std::fabs(product), 1e-9), 0.001);
    return std::fabs(product - whole) <= tolerance ? whole : product;
}

QString coordText(const QString& s, double v) {
    if (v == 0.0)
        return QStringLiteral("0");
    if (v >= 1.0)
        return s.mid(1);
    if (v > 0.0)
        return QLatin1Char('0') + s.mid(1);
    if (v > -1.0)
        return QStringLiteral("-0.") + s.mid(2);
    return s;
}

}  // namespace

QString numberText(double v) { return plainText(v, 15); }

namespace {

QString withoutSignBlank(QString s) {
    if (s.startsWith(QLatin1Char(' ')))
        s.remove(0, 1);
    if (s.startsWith(QLatin1Char('.')))
        s.prepend(QLatin1Char('0'));
    else if (s.startsWith(QLatin1String("-.")))
        s.insert(1, QLatin1Char('0'));
    return s;
}

}  // namespace

QString plainNumberText(double v) { return withoutSignBlank(numberText(v)); }

QString plainNumberText(Single v) { return withoutSignBlank(numberText(v)); }

QString numberText(Single v) { return plainText(static_cast<double>(v.value()), 7); }

namespace {

// A number is written with at most `significant` digits; it needs exponent notation once
// it rounds to 1e15 or more there.
double writable(double v, int significant) {
    checkedFinite(v);
    if (v != 0.0 && decompose(std::fabs(v), significant).exponent >= kPlainWholeDigits)
        throw RuntimeError(kErrOverflow);
    return v;
}

double stepsPerUnit(Measure measure) {
    double steps = 1.0;
    for (int i = 0; i < writtenDecimals(measure); ++i)
        steps *= 10.0;
    return steps;
}

// The measure's last decimal toward minus infinity. A value so large that its steps
// overflow has no fraction left to cut.
double cutToStep(double value, Measure measure) {
    const double steps = stepsPerUnit(measure);
    const double product = checkedFinite(value) * steps;
    if (!std::isfinite(product))
        return value;
    const double cut = std::floor(snapToWhole(product)) / steps;
    return cut == 0.0 ? 0.0 : cut;  // no negative zero
}

Single storedSingle(double cut) {
    const float stored = static_cast<float>(cut);
    if (!std::isfinite(stored))
        throw RuntimeError(kErrOverflow);
    return Single(stored);
}

}  // namespace

double writableValue(double value) { return writable(value, 15); }

Single writableValue(Single value) {
    writable(static_cast<double>(value.value()), 7);
    return value;
}

double writtenValue(double value, Measure measure) { return cutToStep(value, measure); }

// Widened through the decimal it shows, so 8279.275 stays 8279.275.
Single writtenValue(Single value, Measure measure) { return storedSingle(cutToStep(value.toDouble(), measure)); }

QString formatMeasured(double& value, Measure measure) {
    value = writtenValue(value, measure);
    return coordText(numberText(writableValue(value)), value);
}

QString formatMeasured(Single& value, Measure measure) {
    const double cut = cutToStep(value.toDouble(), measure);
    value = storedSingle(cut);
    return coordText(numberText(writableValue(value)), cut);
}

QString FormatCoord(double& value) { return formatMeasured(value, Measure::Length); }

QString FormatCoord(Single& value) { return formatMeasured(value, Measure::Length); }

QString FormatAngle(double& value) { return formatMeasured(value, Measure::Angle); }

QString FormatAngle(Single& value) { return formatMeasured(value, Measure::Angle); }

QString FormatAngleValue(double value) { return FormatAngle(value); }

QString FormatAngleValue(Single value) { return FormatAngle(value); }

namespace {

template <typename Number>
QString wholeWordText(Number& value) {
    const QString text = FormatCoord(value);
    checkedWholeWord(text.toDouble());
    return text;
}

}  // namespace

QString FormatWholeWord(double& value) { return wholeWordText(value); }

QString FormatWholeWord(Single& value) { return wholeWordText(value); }

QString FormatCoordValue(double value) { return FormatCoord(value); }

QString FormatCoordValue(Single value) { return FormatCoord(value); }

QString FormatTwoDigits(double& value) {
    value = checkedWholeWord(std::floor(checkedFinite(value)));
    if (value == 0.0)
        value = 0.0;
    const QString digits = numberText(value).mid(1);
    return value < 10.0 ? QLatin1Char('0') + digits : digits;
}

QString FormatTwoDigits(Single& value) {
    float v = std::floor(value.value());
    if (!std::isfinite(v))
        throw RuntimeError(kErrOverflow);
    checkedWholeWord(static_cast<double>(v));
    if (v == 0.0f)
        v = 0.0f;
    value = Single(v);
    const QString digits = numberText(value).mid(1);
    return v < 10.0f ? QLatin1Char('0') + digits : digits;
}

QString FormatTwoDigitsValue(double value) { return FormatTwoDigits(value); }

}  // namespace quillmar
