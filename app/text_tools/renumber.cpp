#include "app/text_tools/renumber.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <cmath>

#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {
namespace {

constexpr qint64 kLargestValue = 999999999;
constexpr std::array<QStringView, 4> kEndWords = {u"M02", u"M2", u"M30", u"RTS"};

bool isBoundary(QChar c) { return c == u' ' || c == u'\n' || c == u'\r'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isCapital(QChar c) { return c >= u'A' && c <= u'Z'; }

// Lines that are comments, program numbers, control lines or empty keep their text and
// use up no number.
bool isLeftAlone(qint64 at, const QString& text) {
    if (at >= text.size())
        return true;
    switch (text[at].unicode()) {
    case '\r': case '\n': case '\t': case '-': case '<': case '&': case '$': case '(': case '%': case 'O':
        return true;
    default:
        return false;
    }
}

// Whether the word stands on its own anywhere in text[from, to). `wordEnd` is where the
// new N word (or kept label) ends on the line; with no blank after it, that is the word
// boundary the blank would have been.
bool MCheck(QStringView text, QStringView mcode, qint64 from, qint64 to, qint64 wordEnd) {
    for (qint64 p = text.indexOf(mcode, from); p >= 0 && p < to; p = text.indexOf(mcode, p + 1)) {
        const bool before = p == 0 || p == wordEnd || isBoundary(text[p - 1]);
        const qint64 after = p + mcode.size();
        if (before && after < text.size() && isBoundary(text[after]))
            return true;
    }
    return false;
}

bool holdsEndWord(QStringView text, qint64 from, qint64 to, qint64 wordEnd) {
    for (QStringView word : kEndWords)
        if (MCheck(text, word, from, to, wordEnd))
            return true;
    return false;
}

QString numberWord(qint64 counter, int digits) {
    const QString number = QString::number(counter);
    QString word = QStringLiteral("N");
    if (number.size() < digits)
        word += QString(digits - number.size(), u'0');
    return word + number;
}

QStringView spacingBefore(qint64 at, const QString& text, int spacing) {
    if (spacing == 0)
        return {};
    const QChar decides = at < text.size() ? text[at] : QChar();
    if (spacing == 5 && (decides == u'X' || decides == u'Y' || decides == u'Z'))
        return u"     ";
    return u" ";
}

qint64 blanksFrom(qint64 at, const QString& text) {
    qint64 k = 0;
    while (at + k < text.size() && text[at + k] == u' ')
        ++k;
    return k;
}

// Appends the line text[lineStart, lineEnd), which takes a number, with its new N word:
// `number` in place of the N word it has, if any, or before its text; a label (N and a
// capital) is kept as it stands. The blanks after the old word give way to the spacing.
// Returns where the word ends in `out`.
qint64 renumberLine(const QString& text, qint64 lineStart, qint64 lineEnd, const QString& number, int spacing,
                    QString& out) {
    const qint64 n = text.size();
    QStringView word = number;
    qint64 rest = lineStart;
    if (text[lineStart] == u'N') {
        const QChar c1 = lineStart + 1 < n ? text[lineStart + 1] : QChar(u'\n');
        rest = lineStart + 1;
        if (isCapital(c1)) {
            while (rest < n && text[rest] != u' ' && text[rest] != u'\t' && text[rest] != u'\r' && text[rest] != u'\n')
                ++rest;
            word = QStringView(text).sliced(lineStart, rest - lineStart);
        } else if (c1 != u'\r' && c1 != u'\n') {
            ++rest;
            while (rest < n && isDigit(text[rest]))
                ++rest;
        }
    }
    rest += blanksFrom(rest, text);
    out.append(word);
    const qint64 wordEnd = out.size();
    out.append(spacingBefore(rest, text, spacing));
    out.append(QStringView(text).sliced(rest, lineEnd - rest));
    return wordEnd;
}

}  // namespace

RenumberResult renumber(const QString& text, const RenumberOptions& options, qint64 caret) {
    const qint64 n = text.size();
    const int digits = std::clamp(options.digits, 1, 18);
    qint64 largest = 9;
    for (int i = 1; i < digits; ++i)
        largest = largest * 10 + 9;

    QString out;
    out.reserve(n + n / 4 + 16);
    qint64 counter = options.start;
    qint64 lineStart = 0;
    qint64 searchPos = 0;
    // Only a run that stops at the end or restarts its count there looks for the end.
    const bool checksEnd = options.stopAtEnd || !options.continuous;

    if (!options.fromTop) {
        // The caret's own line is not renumbered; what follows the caret on it may end the
        // program already.
        caret = std::clamp<qint64>(caret, 0, n);
        const qint64 lineFeed = text.indexOf(u'\n', caret);
        if (lineFeed < 0)
            return {text, n, caret};
        out.append(QStringView(text).first(lineFeed + 1));
        if (checksEnd && holdsEndWord(out, caret, lineFeed, -1)) {
            if (options.stopAtEnd) {
                out.append(QStringView(text).sliced(lineFeed + 1));
                return {out, out.size(), caret};
            }
            counter = options.start;
        }
        lineStart = lineFeed + 1;
    }

    for (;;) {
        const qint64 lineFeed = text.indexOf(u'\n', lineStart);
        const qint64 lineEnd = lineFeed < 0 ? n : lineFeed;
        const qint64 outLineStart = out.size();
        searchPos = outLineStart + 1;
        qint64 wordEnd = -1;
        if (isLeftAlone(lineStart, text)) {
            out.append(QStringView(text).sliced(lineStart, lineEnd - lineStart));
        } else {
            wordEnd = renumberLine(text, lineStart, lineEnd, numberWord(counter, digits), options.spacing, out);
            counter += options.add;
            if (counter > largest)
                counter = options.add;
        }
        if (lineFeed < 0)
            break;
        out.append(u'\n');
        if (checksEnd && holdsEndWord(out, outLineStart + 1, out.size() - 1, wordEnd)) {
            if (options.stopAtEnd) {
                out.append(QStringView(text).sliced(lineFeed + 1));
                break;
            }
            counter = options.start;
        }
        lineStart = lineFeed + 1;
    }
    return {out, out.size(), searchPos};
}

QString renumberRefusal(const QString& digitText, const QString& startText, const QString& addText,
                        RenumberOptions& options) {
    // A value too large for a double reads as out of range rather than failing the run.
    auto read = [](const QString& box) {
        try {
            return ReadNumber(box);
        } catch (const RuntimeError&) {
            return HUGE_VAL;
        }
    };
    const double digits = read(digitText);
    if (!(digits >= 1 && digits <= 9 && digits == std::floor(digits)))
        return QStringLiteral("Digit Number must be a whole number from 1 to 9.");
    const double start = read(startText);
    if (!(start >= 0 && start <= kLargestValue && start == std::floor(start)))
        return QStringLiteral("Start Number must be a whole number from 0 to 999999999.");
    const double add = read(addText);
    if (!(add >= 0 && add <= kLargestValue && add == std::floor(add)))
        return QStringLiteral("Add Value must be a whole number from 0 to 999999999.");
    options.digits = static_cast<int>(digits);
    options.start = static_cast<qint64>(start);
    options.add = static_cast<qint64>(add);
    return {};
}

}  // namespace quillmar
