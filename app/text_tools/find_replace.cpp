#include "app/text_tools/find_replace.h"

#include <QStringMatcher>

namespace quillmar {

qint64 findText(QStringView text, QStringView find, qint64 from) {
    if (find.isEmpty() || from < 0 || from > text.size())
        return -1;
    return text.indexOf(find, from);
}

TextToolResult replaceAll(const QString& text, const ReplaceAllOptions& options) {
    TextToolResult result;
    const qint64 start = std::clamp<qint64>(options.start, 0, text.size());
    result.end = start;
    if (options.find.isEmpty()) {
        result.text = text;
        return result;
    }
    // The table of the find text is built once for the whole run.
    const QStringMatcher matcher(options.find, Qt::CaseSensitive);
    const qint64 findLength = options.find.size();
    QString& out = result.text;
    qint64 copied = 0;
    for (qint64 hit = matcher.indexIn(text, start); hit >= 0; hit = matcher.indexIn(text, copied)) {
        if (result.count == 0)
            out.reserve(text.size() + std::max<qint64>(0, options.replacement.size() - findLength) * 16);
        out.append(QStringView(text).mid(copied, hit - copied));
        out.append(options.replacement);
        copied = hit + findLength;
        ++result.count;
        result.end = out.size();
    }
    if (result.count == 0)
        result.text = text;
    else
        out.append(QStringView(text).mid(copied));
    result.searchPos = result.end;
    return result;
}

}  // namespace quillmar
