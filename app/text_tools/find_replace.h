#pragma once

#include <QString>
#include <QStringView>

namespace quillmar {

// What a text tool run over the whole text gives back: the new text, how many hits it
// changed, the position just after the last change in the new text (the start when
// nothing changed), and where a following search begins in it.
struct TextToolResult {
    QString text;
    qint64 count = 0;
    qint64 end = 0;
    qint64 searchPos = 0;
};

// The first occurrence of `find` at or after `from`, compared character for character
// (case and width matter); -1 when there is none. An empty find text is never found.
qint64 findText(QStringView text, QStringView find, qint64 from);

struct ReplaceAllOptions {
    QString find;
    QString replacement;  // may be empty: every hit is deleted
    qint64 start = 0;     // the first position a hit may begin at
};

// Replaces every hit from the start on, each search resuming after the replacement it
// just made, so a replacement that holds the find text is not met again. One pass.
TextToolResult replaceAll(const QString& text, const ReplaceAllOptions& options);

}  // namespace quillmar
