#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillmar {

// A file name as the program holds it: the system keeps names as bytes, the program as
// text, and not every name is text (a name copied from an old archive may be Latin-1 or
// code page 932).
struct FileName {
    FileName() = default;
    // A name the program already holds as text names the file that text names.
    FileName(const QString& text, bool readable = true) : text(text), readable(readable) {}
    QString text;
    // False when the bytes give no text that turns back into them: `text` then shows the
    // name as far as it can (each byte that is no text as U+FFFD) and names another file.
    bool readable = true;
};

// The reason given for a name that is no text.
inline const QString kUnreadableFileName = QStringLiteral("The file name cannot be read");

FileName fileNameOf(QByteArrayView bytes);

// A path as the system follows it: absolute against the current folder, its folder
// resolved as the system resolves it (a link, then the "..", after it), its own name kept
// as given, so that a link to a file stays the link. A path whose folder does not exist is
// only cleaned.
FileName systemPath(QByteArrayView path);

// Whether a path held as text stands for a file whose name is no text, as a file dialog
// hands such a name back: it holds U+FFFD, names nothing, and its folder holds a name
// that reads as that text. Opening or saving under the text would reach another file.
bool standsForUnreadableName(const QString& path);

}  // namespace quillmar
