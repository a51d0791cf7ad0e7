#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>

#include "common/read_number.h"
#include "common/runtime_error.h"
#include "cycles/cutting_table.h"

namespace quillmar {
namespace {

const QByteArray kHeader = "S45C,header one\r\nNo,Process,T,S,M,V,F,D,L,U,W,C\r\n";

// Records of twelve fields "r<n>c1" ... "r<n>c12", one a line.
QByteArray records(int count) {
    QByteArray bytes = kHeader;
    for (int n = 1; n <= count; ++n) {
        QStringList fields;
        for (int c = 1; c <= 12; ++c)
            fields << QStringLiteral("r%1c%2").arg(n).arg(c);
        bytes += fields.join(QLatin1Char(',')).toLatin1() + "\r\n";
    }
    return bytes;
}

// The file as a spreadsheet's "Unicode" save writes it: UTF-16, low byte first, with its mark.
QByteArray utf16(const QByteArray& latin1) {
    QStringEncoder encode(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encode(QString::fromLatin1(latin1));
}

QString rowText(const CuttingConditionTable& table, int n) {
    QStringList cells;
    for (int c = 1; c <= CuttingConditionTable::kColumns; ++c)
        cells << table.cell(n, c);
    return cells.join(QLatin1Char('|'));
}

TEST(ParseCuttingTable, ReadsTheFieldStream) {
    const struct {
        QByteArray bytes;
        int rows;
        int checkedRow;
        const char* cells;  // joined by '|'
    } cases[] = {
        {records(36), 34, 34, "r34c1|r34c2|r34c3|r34c4|r34c5|r34c6|r34c7|r34c8|r34c9|r34c10|r34c11|r34c12"},
        {kHeader + "a,b,c,d,e,f,g\r\nh,i,j,k,l\r\n", 1, 1, "a|b|c|d|e|f|g|h|i|j|k|l"},
        {kHeader + "1,2,3,4,5,6,7,8,9,10,11,12,x\r\nb,c,d,e,f,g,h,i,j,k,l\r\n", 2, 2, "x|b|c|d|e|f|g|h|i|j|k|l"},
        {kHeader + "1,\"Face, O.D.\",5,0,1,300,0.01,0.1,0,0.02,0.005,0.02", 1, 1,
         "1|Face, O.D.|5|0|1|300|0.01|0.1|0|0.02|0.005|0.02"},
        {kHeader + "1, a,  12,\t0, 1,2 ,3,4,5,6,7,8\r\n", 1, 1, "1|a|12|0|1|2 |3|4|5|6|7|8"},
        {records(3) + "x,y,z\r\n", 3, 4, "|||||||||||"},
        {kHeader + "\"ab\"cd,2,3,4,5,6,7,8,9,10,11,\r\n", 1, 1, "ab|2|3|4|5|6|7|8|9|10|11|"},
        {QByteArray("\x89\xc1\x8d\x48\n\"a,\n") + "1,2,3,4,5,6\n7,8,9,10,11,12\n", 1, 1, "1|2|3|4|5|6|7|8|9|10|11|12"},
    };
    for (const auto& c : cases) {
        const auto table = parseCuttingTable(c.bytes);
        ASSERT_TRUE(table.has_value()) << c.bytes.toStdString();
        EXPECT_EQ(table->rowCount, c.rows);
        EXPECT_EQ(rowText(*table, c.checkedRow).toStdString(), c.cells);
    }
    for (const QByteArray& bytes : {QByteArray(), QByteArray("1,2,3,4,5,6,7,8,9,10,11,12\r\n"), kHeader,
                                    kHeader + "1,\"2,3,4,5,6,7,8,9,10,11,12\r\n", utf16(records(34)),
                                    records(3) + QByteArray(1, '\0')})
        EXPECT_FALSE(parseCuttingTable(bytes).has_value()) << bytes.toStdString();
}

TEST(DecodeEightBitText, ChoosesTheEncoding) {
    EXPECT_EQ(decodeEightBitText(QByteArray("\xe5\x8a\xa0\xe5\xb7\xa5")), QStringLiteral("加工"));
    EXPECT_EQ(decodeEightBitText(QByteArray("\x89\xc1\x8d\x48,\x5c")), QStringLiteral("加工,\\"));
    EXPECT_EQ(decodeEightBitText(QByteArray("a\xff")), QStringLiteral("a\u00ff"));
    EXPECT_EQ(decodeEightBitText(QByteArray("\xef\xbb\xbf" "No,T")), QStringLiteral("No,T"));
}

// A file that loads replaces the whole table.
TEST(LoadCuttingTableFile, ReplacesTheWholeTable) {
    QTemporaryDir dir;
    auto write = [&dir](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    };
    CuttingConditionTable table;
    ASSERT_TRUE(LoadCuttingTable(write("a.csv", records(34)), table));
    ASSERT_TRUE(LoadCuttingTable(write("b.csv", records(10)), table));
    EXPECT_EQ(table.rowCount, 10);
    EXPECT_EQ(table.cell(34, 12), QString());
}

// The shipped table: CR LF lines, 34 rows whose number cells read, and a tool diameter
// and speed in every row that divides by them.
TEST(ShippedCuttingTable, LoadsWholeAndEveryCycleCanUseIt) {
    const QString path = QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/S45C.CSV");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 2 + 34);
    EXPECT_EQ(bytes.count('\n'), 2 + 34);
    CuttingConditionTable table;
    ASSERT_TRUE(LoadCuttingTable(path, table));
    ASSERT_EQ(table.rowCount, 34);
    for (int n = 1; n <= 34; ++n) {
        EXPECT_EQ(table.cell(n, 1), QString::number(n));
        for (int c = CuttingConditionTable::kToolNumber; c <= CuttingConditionTable::kC; ++c)
            EXPECT_NO_THROW(ReadStrictNumber(table.cell(n, c))) << "row " << n << " column " << c;
    }
    for (int n : {1, 2, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 30, 33})
        EXPECT_GT(ReadStrictNumber(table.cell(n, CuttingConditionTable::kU)) *
                      ReadStrictNumber(table.cell(n, CuttingConditionTable::kV)),
                  0.0)
            << "row " << n;
}

}  // namespace
}  // namespace quillmar
