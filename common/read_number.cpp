#include "common/read_number.h"

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
    return {checkedFinite(value), i};
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
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) {
            negativeExponent = s[j] == u'-';
            exponent += static_cast<char>(s[j]);
            ++j;
        }
        const std::size_t digitsStart = j;
        while (j < s.size() && isDigit(s[j]))
            exponent += static_cast<char>(s[j++]);
        if (j > digitsStart) {
            text += exponent;
            i = j;
        }
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        if (negativeExponent)
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
