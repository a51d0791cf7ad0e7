#pragma once

// Expected program text as a base block plus the lines a case changes, so that a family
// pins its line order once and every other case lists only what differs.

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <utility>
#include <vector>

namespace quillmar::test {

// One change to a block:
//   {"line", "new"}      the one line equal to "line" becomes "new" ("\n" splits lines);
//   {"line", ""}         the line is removed;
//   {"+line", "new"}     "new" is inserted after the one line equal to "line";
//   {"^line", "new"}     "new" is inserted before it;
//   {"line<#2>", ...}    names the second of the lines equal to "line" (any mode).
// A named line that is missing, or stands more than once without its number, is a test
// error.
using Edit = std::pair<const char*, const char*>;

inline QString edited(const QString& base, const std::vector<Edit>& edits) {
    const QString eol = QStringLiteral("\r\n");
    const bool endsWithEol = base.endsWith(eol);
    QStringList lines = (endsWithEol ? base.chopped(2) : base).split(eol);
    for (const auto& [target, replacement] : edits) {
        QString name = QString::fromUtf8(target);
        const QChar mode = name.isEmpty() ? QChar() : name.front();
        const bool insertAfter = mode == QLatin1Char('+');
        const bool insertBefore = mode == QLatin1Char('^');
        if (insertAfter || insertBefore)
            name.remove(0, 1);
        int occurrence = 0;  // none given: the line must be the only one
        const qsizetype mark = name.lastIndexOf(QStringLiteral("<#"));
        if (mark >= 0 && name.endsWith(QLatin1Char('>'))) {
            occurrence = name.mid(mark + 2, name.size() - mark - 3).toInt();
            name.truncate(mark);
        }
        name.replace(QStringLiteral("<TAB>"), QStringLiteral("\t"));
        qsizetype at = lines.indexOf(name);
        for (int n = 1; at >= 0 && n < occurrence; ++n)
            at = lines.indexOf(name, at + 1);
        if (at < 0)
            throw std::logic_error("edited(): no line \"" + name.toStdString() + "\"");
        if (occurrence == 0 && lines.indexOf(name, at + 1) >= 0)
            throw std::logic_error("edited(): the line \"" + name.toStdString() + "\" stands twice");
        QString text = QString::fromUtf8(replacement);
        text.replace(QStringLiteral("<TAB>"), QStringLiteral("\t"));
        const QStringList added = text.split(QLatin1Char('\n'));
        const bool replace = !insertAfter && !insertBefore;
        if (replace)
            lines.removeAt(at);
        qsizetype pos = insertAfter ? at + 1 : at;
        for (const QString& line : replace && text.isEmpty() ? QStringList() : added)
            lines.insert(pos++, line);
    }
    QString result = lines.join(eol);
    return endsWithEol ? result + eol : result;
}

// A list with more entries: a case's typing or edits after those of the case it extends.
template <typename T>
std::vector<T> plus(std::vector<T> list, const std::vector<T>& more) {
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

// The expected text of a table row: a whole block, or a base block and the edits of the
// row. `spelled` turns a block as the file writes it into the program's text (crlf, block).
struct Expected {
    Expected(const char* whole) : base(whole) {}
    Expected(const char* baseBlock, std::vector<Edit> rowEdits) : base(baseBlock), edits(std::move(rowEdits)) {}
    QString text(QString (*spelled)(const char*)) const {
        return edits.empty() ? spelled(base) : edited(spelled(base), edits);
    }
    const char* base;
    std::vector<Edit> edits;
};

}  // namespace quillmar::test
