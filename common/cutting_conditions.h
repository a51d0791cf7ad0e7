#pragma once

#include <QString>
#include <array>

namespace quillmar {

// The default cutting conditions of one work material: row n holds the twelve text
// fields of the cycle whose process number is n.
struct CuttingConditionTable {
    static constexpr int kRows = 34;
    static constexpr int kColumns = 12;

    // The columns a cycle's dialog takes its defaults from; columns 1 and 2 name the
    // record for the reader of the file. The spindle column holds 0 for clockwise, the
    // coolant column 1 for on; the others are the texts of the boxes they are named after.
    enum Column : int { kToolNumber = 3, kSpindleDirection, kCoolant, kV, kF, kD, kL, kU, kW, kC };
    static_assert(kC == kColumns);

    // Rows 1 to rowCount hold records read from the file; the others are empty.
    int rowCount = 0;

    // Row and column count from 1; any cell outside the table reads as the empty text,
    // so that a cycle with an unexpected row fails on its empty cells like a row the
    // file did not reach.
    QString cell(int row, int column) const {
        if (row < 1 || row > kRows || column < 1 || column > kColumns)
            return QString();
        return cells_[row - 1][column - 1];
    }
    void setCell(int row, int column, const QString& text) {
        if (row < 1 || row > kRows || column < 1 || column > kColumns)
            return;
        cells_[row - 1][column - 1] = text;
    }

private:
    std::array<std::array<QString, kColumns>, kRows> cells_;
};

}  // namespace quillmar
