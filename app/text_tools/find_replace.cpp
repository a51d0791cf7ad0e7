#include "app/text_tools/find_replace.h"

#include "app/text_tools/occurrences.h"

namespace quillmar {

qint64 findText(QStringView text, QStringView find, qint64 from) {
    if (find.isEmpty() || from < 0 || from > text.size())
        return -1;
    return Occurrences(text, find, from).next();
}

TextToolResult replaceAll(const QString& text, const ReplaceAllOptions& options) {
    TextToolResult result;
    const qint64 start = std::clamp<qint64>(options.start, 0, text.size());
    result.end = start;
    if (options.find.isEmpty()) {
        result.text = text;
        return result;
    }
    // One scan for the whole run: however the find text repeats itself, a run reads each
    // character a few times at most.
    Occurrences hits(text, options.find, start);
    const qint64 findLength = options.find.size();
    QString& out = result.text;
    qint64 copied = 0;
    for (qint64 hit = hits.next(); hit >= 0; hit = hits.next()) {
        if (result.count == 0)
            out.reserve(text.size() + std::max<qint64>(0, options.replacement.size() - findLength) * 16);
        out.append(QStringView(text).mid(copied, hit - copied));
        out.append(options.replacement);
        copied = hit + findLength;
        hits.skipTo(copied);
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
