#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <utility>

namespace quillmar {

// Whether automatic block numbering answers a typed key: every character but Backspace
// and Enter.
bool autoNumbers(int key);

// What automatic block numbering inserts before a typed character at `caret`
// (characters before the caret): "N000 " or "N000     " at a line start, one blank
// when a letter follows a digit, sign or point, else nothing.
QString autoNumberInsert(QStringView text, qint64 caret, char16_t key);

// The runs of characters outside "0".."9", as (start, length), which Change color paints.
QList<std::pair<qint64, qint64>> nonDigitRuns(QStringView text);

}  // namespace quillmar
