#include "app/text_tools/size_shift.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/text_tools/occurrences.h"
#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Adds one unit in the last place of a run of decimal digits; true when it carried out.
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// The rewritten word for an address and the number scanned after it.
ShiftedWord shiftedWord(QStringView address, const ScannedNumber& scanned, const Calculation& calculation) {
    ShiftedWord word;
    word.replacement.reserve(address.size() + 12);
    word.replacement.append(address);
    if (scanned.equals)
        word.replacement.append(u'=');
    word.replacement.append(shiftedNumberText(calculate(scannedValue(scanned.number), calculation)));
    word.end = scanned.end;
    return word;
}

// The digits of |value| before and after the point, as its shortest decimal text that
// reads back as the same double gives them (0.1 + 0.2 is 0.30000000000000004, 1e23 a 1
// and 23 zeros): rounding works on these, never on a binary expansion.
std::pair<std::string, std::string> plainDigits(double value) {
    char buffer[64];
    const auto [last, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    if (ec != std::errc())
        throw SizeShiftRefused(SizeShiftRefused::Reason::OutOfRange);
    const std::string_view shortest(buffer, last);
    const std::size_t e = shortest.find('e');
    std::string digits;
    for (char c : shortest.substr(0, e))
        if (c != '.')
            digits += c;
    const std::string_view exponentText = shortest.substr(e + (shortest[e + 1] == '+' ? 2 : 1));
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    const qint64 wholeDigits = qint64(exponent) + 1;
    if (wholeDigits <= 0)
        return {std::string(), std::string(std::size_t(-wholeDigits), '0') + digits};
    if (qint64(digits.size()) <= wholeDigits)
        return {digits + std::string(std::size_t(wholeDigits) - digits.size(), '0'), std::string()};
    return {digits.substr(0, std::size_t(wholeDigits)), digits.substr(std::size_t(wholeDigits))};
}

}  // namespace

QString SizeShiftRefused::message() const {
    switch (reason_) {
    case Reason::NoNumber:
        return QStringLiteral("The calculation has no number.");
    case Reason::DivisionByZero:
        return QStringLiteral("Division by zero.");
    case Reason::OutOfRange:
        break;
    }
    return QStringLiteral("A number is out of range.");
}

Calculation parseCalculation(QStringView text) {
    Calculation c;
    QStringView numberPart = text;
    if (text.startsWith(u'*')) {
        c.op = Calculation::Op::Multiply;
        numberPart = text.mid(1);
    } else if (text.startsWith(u'/')) {
        c.op = Calculation::Op::Divide;
        numberPart = text.mid(1);
    }
    std::optional<double> number;
    try {
        number = ReadLeadingNumber(numberPart);
    } catch (const RuntimeError&) {
        throw SizeShiftRefused(SizeShiftRefused::Reason::OutOfRange);
    }
    if (c.op == Calculation::Op::Divide && number.value_or(0.0) == 0.0)
        throw SizeShiftRefused(SizeShiftRefused::Reason::DivisionByZero);
    if (!number)
        throw SizeShiftRefused(SizeShiftRefused::Reason::NoNumber);
    c.operand = *number;
    return c;
}

ScannedNumber scanNumber(QStringView text, qint64 from) {
    ScannedNumber scanned;
    bool digit = false;
    bool point = false;
    qint64 i = std::max<qint64>(0, from);
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool taken = !scanned.number.isEmpty();
        if (c == u' ' && !taken)
            continue;
        if (c == u'=' && !digit) {
            scanned.equals = true;
            continue;
        }
        if ((c == u'+' || c == u'-') && !taken) {
            scanned.number += c;
        } else if (c == u'.' && !point) {
            point = true;
            scanned.number += c;
        } else if (isDigit(c)) {
            digit = true;
            scanned.number += c;
        } else {
            break;
        }
    }
    scanned.end = i;
    noteCharactersRead(std::max<qint64>(0, std::min<qint64>(i + 1, text.size()) - std::max<qint64>(0, from)));
    return scanned;
}

double scannedValue(QStringView number) {
    std::string chars;
    chars.reserve(std::size_t(number.size()));
    for (QChar c : number)
        if (c != u'+')
            chars += char(c.unicode());
    bool anyDigit = false;
    for (char c : chars)
        anyDigit = anyDigit || (c >= '0' && c <= '9');
    if (!anyDigit)
        return 0.0;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(chars.data(), chars.data() + chars.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Without an exponent a number is too small for a double only when no digit
        // before its point is other than 0; that one is 0.
        const std::size_t point = chars.find('.');
        const std::string_view whole(chars.data(), point == std::string::npos ? chars.size() : point);
        if (whole.find_first_of("123456789") != std::string_view::npos)
            throw SizeShiftRefused(SizeShiftRefused::Reason::OutOfRange);
        return 0.0;
    }
    return value == 0.0 ? 0.0 : value;
}

double calculate(double value, const Calculation& calculation) {
    try {
        switch (calculation.op) {
        case Calculation::Op::Multiply:
            return checkedMul(value, calculation.operand);
        case Calculation::Op::Divide:
            return checkedDiv(value, calculation.operand);
        case Calculation::Op::Add:
            break;
        }
        return checkedAdd(value, calculation.operand);
    } catch (const RuntimeError& e) {
        throw SizeShiftRefused(e.number() == kErrDivisionByZero ? SizeShiftRefused::Reason::DivisionByZero
                                                                 : SizeShiftRefused::Reason::OutOfRange);
    }
}

QString shiftedNumberText(double value) {
    auto [whole, fraction] = plainDigits(value);
    const bool negative = std::signbit(value);
    // The ten-thousandth is the least increment of an inch program.
    constexpr std::size_t kDecimals = 4;
    if (fraction.size() > kDecimals) {
        const bool up = fraction[kDecimals] >= '5';
        fraction.resize(kDecimals);
        if (up && incrementDigits(fraction) && incrementDigits(whole))
            whole.insert(whole.begin(), '1');
    }
    // From 1e15 on a number would need exponent notation, which no controller reads.
    if (whole.size() > std::size_t(kPlainWholeDigits))
        throw SizeShiftRefused(SizeShiftRefused::Reason::OutOfRange);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const bool zero = whole.find_first_not_of('0') == std::string::npos && fraction.empty();
    QString out;
    out.reserve(qsizetype(whole.size() + fraction.size() + 2));
    if (negative && !zero)
        out += u'-';
    out += whole.empty() ? QLatin1String("0") : QLatin1String(whole.data(), qsizetype(whole.size()));
    if (!fraction.empty()) {
        out += u'.';
        out += QLatin1String(fraction.data(), qsizetype(fraction.size()));
    }
    return out;
}

std::optional<ShiftedWord> shiftWordAt(QStringView text, qint64 hit, QStringView address,
                                       const Calculation& calculation) {
    const ScannedNumber scanned = scanNumber(text, hit + address.size());
    if (scanned.number.isEmpty())
        return std::nullopt;
    return shiftedWord(address, scanned, calculation);
}

TextToolResult shiftAll(const QString& text, const SizeShiftOptions& options) {
    TextToolResult result;
    const qint64 start = std::clamp<qint64>(options.start, 0, text.size());
    result.end = start;
    result.searchPos = start;
    if (options.address.isEmpty()) {
        result.text = text;
        return result;
    }
    const qint64 length = options.address.size();
    Occurrences hits(text, options.address, start);
    QString& out = result.text;
    qint64 copied = 0;
    // A scan that found no number passed only blanks and "=" up to where it stopped; an
    // address that ends among them would find none either, so that is not scanned again.
    qint64 noNumberUpTo = -1;
    for (qint64 hit = hits.next(); hit >= 0; hit = hits.next()) {
        result.searchPos = out.size() + (hit - copied) + 1;
        if (hit + length <= noNumberUpTo)
            continue;
        const ScannedNumber scanned = scanNumber(text, hit + length);
        if (scanned.number.isEmpty()) {
            noNumberUpTo = scanned.end;
            continue;
        }
        const ShiftedWord word = shiftedWord(options.address, scanned, options.calculation);
        if (result.count == 0)
            out.reserve(text.size() + text.size() / 8);
        out.append(QStringView(text).mid(copied, hit - copied));
        out.append(word.replacement);
        copied = word.end;
        ++result.count;
        result.end = out.size();
        hits.skipTo(word.end);
    }
    if (result.count == 0)
        result.text = text;
    else
        out.append(QStringView(text).mid(copied));
    return result;
}

}  // namespace quillmar
