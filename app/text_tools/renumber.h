#pragma once

#include <QString>
#include <QtGlobal>

namespace quillmar {

// One renumbering run, as read from the window.
struct RenumberOptions {
    int digits = 3;           // counter width; a longer number is written in full
    qint64 start = 1;
    qint64 add = 1;           // step, and where the counter restarts after all nines
    bool stopAtEnd = false;   // stop after a block that holds M02, M2, M30 or RTS
    bool continuous = false;  // keep counting after such a block instead of restarting
    int spacing = 5;          // 0, 1 or 5 blanks after the number (5 only before X, Y, Z)
    bool fromTop = true;      // else start with the line after the caret's line
};

struct RenumberResult {
    QString text;
    qint64 caret = 0;  // at the end of the text
    // Where a following search begins: the second character of the last line the run went
    // through (one past the end when that is the empty line after a last line end), or the
    // caret when it went through none.
    qint64 searchPos = 0;
};

// Gives the blocks of a program new N words; one pass over the text.
RenumberResult renumber(const QString& text, const RenumberOptions& options, qint64 caret);

// The message that refuses the window's values, or empty when they can be run. Values
// are read as the boxes read them (leading-number rule).
QString renumberRefusal(const QString& digitText, const QString& startText, const QString& addText,
                        RenumberOptions& options);

}  // namespace quillmar
