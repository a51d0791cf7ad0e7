#include "common/read_number.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "common/runtime_error.h"

namespace quillmar {
namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int digitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return 99;
}

struct Parsed {
    double value = 0.0;
    std::size_t consumed = 0;  // characters of the compacted text taken
};

Parsed parseRadix(const std::u16string& s, std::size_t pos, int radix) {
    double value = 0.0;
    std::size_t i = pos;
    while (i < s.size() && digitValue(s[i]) < radix) {
        value = value * radix + digitValue(s[i]);
        ++i;
    }
    if (i == pos)
        return {0.0, 0};
    // Hexadecimal and octal numbers are 32-bit whole numbers.
    if (value > 4294967295.0)
        throw RuntimeError(kErrOverflow);
    return {value, i};
}

// The power of ten of the first significant digit of a digits-and-point text: 2 for
// "123.4", -3 for "0.00123"; -1 for a text that holds only zeros.
long long decimalMagnitude(const std::string& mantissa) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string::npos)
        return -1;
    return first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
}

// Parses sign, digits, point and exponent from the start of s (white space already gone).
Parsed parseDecimal(const std::u16string& s) {
    std::size_t i = 0;
    std::string text;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-')
            text += '-';
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    std::string mantissa;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            mantissa += static_cast<char>(s[i]);
            anyDigit = true;
        } else if (s[i] == u'.' && !point) {
            mantissa += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return {0.0, 0};
    text += mantissa;
    long long exponentValue = 0;
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        bool negative = false;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) {
            negative = s[j] == u'-';
            exponent += static_cast<char>(s[j]);
            ++j;
        }
        const std::size_t digitsStart = j;
        while (j < s.size() && isDigit(s[j])) {
            exponentValue = std::min<long long>(exponentValue * 10 + (s[j] - u'0'), 1'000'000'000LL);
            exponent += static_cast<char>(s[j++]);
        }
        if (j > digitsStart) {
            text += exponent;
            i = j;
            if (negative)
                exponentValue = -exponentValue;
        } else {
            exponentValue = 0;
        }
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: a value below the smallest double reads as 0, only one
        // beyond the largest is an overflow.
        if (decimalMagnitude(mantissa) + exponentValue < 0)
            return {0.0, i};
        throw RuntimeError(kErrOverflow);
    }
    return {checkedFinite(value), i};
}

Parsed parseNumber(const std::u16string& s) {
    if (s.size() >= 2 && s[0] == u'&') {
        if (s[1] == u'H' || s[1] == u'h')
            return parseRadix(s, 2, 16);
        if (s[1] == u'O' || s[1] == u'o')
            return parseRadix(s, 2, 8);
        return {0.0, 0};
    }
    return parseDecimal(s);
}

}  // namespace

std::optional<double> ReadLeadingNumber(QStringView text) {
    std::u16string compact;
    compact.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u != u' ' && u != u'\t' && u != u'\n')
            compact += u;
    }
    const Parsed p = parseNumber(compact);
    if (p.consumed == 0)
        return std::nullopt;
    return p.value == 0.0 ? 0.0 : p.value;
}

double ReadNumber(QStringView text) { return ReadLeadingNumber(text).value_or(0.0); }

bool hasLeadingNumber(QStringView text) {
    std::u16string compact;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u != u' ' && u != u'\t' && u != u'\n')
            compact += u;
    }
    try {
        return parseNumber(compact).consumed > 0;
    } catch (const RuntimeError&) {
        return true;  // a number, just too large
    }
}

double ReadStrictNumber(QStringView text) {
    const QStringView trimmed = text.trimmed();
    const std::u16string s(reinterpret_cast<const char16_t*>(trimmed.utf16()),
                           static_cast<std::size_t>(trimmed.size()));
    const Parsed p = parseNumber(s);
    if (s.empty() || p.consumed != s.size())
        throw RuntimeError(kErrTypeMismatch);
    return p.value;
}

}  // namespace quillmar
