#include "cycles/cutting_table.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

#include "platform/program_file.h"

namespace quillmar {
namespace {

// A material file is a few kilobytes; anything this large is the wrong file.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Reads the fields of the records, which may run across lines or share them.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : text_(text) {}

    // Skips one line whole; false when no line end follows.
    bool skipLine() {
        while (pos_ < text_.size() && !isLineEnd(text_[pos_]))
            ++pos_;
        if (pos_ >= text_.size())
            return false;
        consumeLineEnd();
        return true;
    }

    // The next field, or nothing at the end of the text.
    std::optional<QString> next() {
        skipBlanks();
        if (!afterComma_) {
            // A line with no field between two records contributes nothing.
            while (pos_ < text_.size() && isLineEnd(text_[pos_])) {
                consumeLineEnd();
                skipBlanks();
            }
            if (pos_ >= text_.size())
                return std::nullopt;
        }
        QString field;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
            const qsizetype close = text_.indexOf(QLatin1Char('"'), pos_ + 1);
            const qsizetype end = close < 0 ? text_.size() : close;
            field = text_.mid(pos_ + 1, end - pos_ - 1);
            pos_ = close < 0 ? text_.size() : close + 1;
            // Whatever stands between the closing quote and the delimiter is not part of it.
            while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !isLineEnd(text_[pos_]))
                ++pos_;
        } else {
            const qsizetype start = pos_;
            while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !isLineEnd(text_[pos_]))
                ++pos_;
            field = text_.mid(start, pos_ - start);
        }
        afterComma_ = pos_ < text_.size() && text_[pos_] == QLatin1Char(',');
        if (afterComma_)
            ++pos_;
        else if (pos_ < text_.size())
            consumeLineEnd();
        return field;
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    void consumeLineEnd() {
        if (text_[pos_] == QLatin1Char('\r') && pos_ + 1 < text_.size() && text_[pos_ + 1] == QLatin1Char('\n'))
            pos_ += 2;
        else
            ++pos_;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    bool afterComma_ = false;  // a comma ended the last field, so another one follows
};

}  // namespace

QString decodeEightBitText(const QByteArray& bytes) {
    // Read as a program file is read, which leaves a byte-order mark out of the first field.
    return decodeProgram(bytes).text;
}

std::optional<CuttingConditionTable> parseCuttingTable(const QByteArray& bytes) {
    // No text file holds a NUL; a UTF-16 file read as 8-bit text would still give rows,
    // every cell of them garbled.
    if (bytes.contains('\0'))
        return std::nullopt;
    const QString text = decodeEightBitText(bytes);
    FieldReader reader(text);
    if (!reader.skipLine())
        return std::nullopt;
    reader.skipLine();

    CuttingConditionTable table;
    std::vector<QString> record;
    record.reserve(CuttingConditionTable::kColumns);
    while (table.rowCount < CuttingConditionTable::kRows) {
        const std::optional<QString> field = reader.next();
        if (!field)
            break;  // a record cut short by the end of the file is left out
        record.push_back(*field);
        if (static_cast<int>(record.size()) == CuttingConditionTable::kColumns) {
            ++table.rowCount;
            for (int column = 1; column <= CuttingConditionTable::kColumns; ++column)
                table.setCell(table.rowCount, column, record[column - 1]);
            record.clear();
        }
    }
    if (table.rowCount == 0)
        return std::nullopt;
    return table;
}

std::optional<CuttingConditionTable> readCuttingTable(const QString& path) {
    // A fifo or a device would block or never end: only a regular file is a table.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > kMaxFileSize)
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize)
        return std::nullopt;
    return parseCuttingTable(bytes);
}

bool LoadCuttingTable(const QString& path, CuttingConditionTable& table) {
    std::optional<CuttingConditionTable> fresh = readCuttingTable(path);
    if (!fresh)
        return false;
    table = std::move(*fresh);
    return true;
}

}  // namespace quillmar
