#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "common/cutting_conditions.h"

namespace quillmar {

// Reads a cutting-condition file into a fresh table. Nothing when the file cannot be
// opened or read, is not 8-bit text (it holds a NUL byte), or holds no complete record
// after its two header lines.
std::optional<CuttingConditionTable> readCuttingTable(const QString& path);

// The same for the file's bytes.
std::optional<CuttingConditionTable> parseCuttingTable(const QByteArray& bytes);

// The text of an 8-bit file: UTF-8 when the bytes are valid UTF-8, else code page 932
// when they decode cleanly as that, else Latin-1.
QString decodeEightBitText(const QByteArray& bytes);

// Replaces `table` with the file's table when the file reads; otherwise leaves it
// untouched and returns false, so the caller keeps both the old table and the old file
// name and decides whether to tell the user.
bool LoadCuttingTable(const QString& path, CuttingConditionTable& table);

}  // namespace quillmar
