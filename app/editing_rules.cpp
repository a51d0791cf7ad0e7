#include "app/editing_rules.h"

#include "platform/typed_keys.h"

namespace quillmar {

bool autoNumbers(int key) { return typesCharacter(key) && key != kKeyBackspace && key != kKeyEnter; }

QString autoNumberInsert(QStringView text, qint64 caret, char16_t key) {
    if (!autoNumbers(key))
        return {};
    // A line start is the text's start or just after a CR LF (or the LF of a file that
    // ends its lines with LF alone).
    const bool inText = caret >= 1 && caret <= text.size();
    const bool lineStart = caret == 0 || (inText && caret > 1 && text[caret - 2] == u'\r') ||
                           (inText && text[caret - 1] == u'\n');
    if (lineStart) {
        switch (key) {
            case u'M': case u'C': case u'P': case u'G': return QStringLiteral("N000 ");
            case u'(': case u'\t': case u'N': case u'O': return {};
            default: return QStringLiteral("N000     ");
        }
    }
    if (caret < 1 || caret > text.size())
        return {};
    const char16_t before = text[caret - 1].unicode();
    if (before < u'A' && key >= u'A' && before != u' ' && before != u'=')
        return QStringLiteral(" ");
    return {};
}

QList<std::pair<qint64, qint64>> nonDigitRuns(QStringView text) {
    QList<std::pair<qint64, qint64>> runs;
    qint64 start = -1;
    for (qint64 i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool digit = c >= u'0' && c <= u'9';
        if (!digit && start < 0)
            start = i;
        else if (digit && start >= 0) {
            runs.append({start, i - start});
            start = -1;
        }
    }
    if (start >= 0)
        runs.append({start, text.size() - start});
    return runs;
}

}  // namespace quillmar
