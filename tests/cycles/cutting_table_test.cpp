#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "common/read_number.h"
#include "common/runtime_error.h"
#include "cycles/cutting_table.h"

namespace quillmar {
namespace {

const QByteArray kHeader = "S45C,header one\r\nNo,Process,T,S,M,V,F,D,L,U,W,C\r\n";

// One record of twelve fields "r<n>c1" ... "r<n>c12" on one line.
QByteArray recordLine(int n) {
    QStringList fields;
    for (int c = 1; c <= 12; ++c)
        fields << QStringLiteral("r%1c%2").arg(n).arg(c);
    return fields.join(QLatin1Char(',')).toLatin1() + "\r\n";
}

QByteArray records(int count) {
    QByteArray bytes = kHeader;
    for (int n = 1; n <= count; ++n)
        bytes += recordLine(n);
    return bytes;
}

QStringList row(const CuttingConditionTable& table, int n) {
    QStringList cells;
    for (int c = 1; c <= CuttingConditionTable::kColumns; ++c)
        cells << table.cell(n, c);
    return cells;
}

QStringList split(const char* twelve) { return QString::fromUtf8(twelve).split(QLatin1Char('|')); }

struct ParseCase {
    const char* name;
    QByteArray bytes;
    int rows;                 // rows read
    int checkedRow;           // a row to compare whole
    const char* checkedCells; // its twelve cells, joined by '|'
};

class ParseCuttingTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCuttingTable, ReadsTheFieldStream) {
    const ParseCase& c = GetParam();
    const auto table = parseCuttingTable(c.bytes);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->rowCount, c.rows);
    EXPECT_EQ(row(*table, c.checkedRow), split(c.checkedCells));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseCuttingTable,
    ::testing::Values(
        ParseCase{"OneRecordALine", records(34), 34, 34,
                  "r34c1|r34c2|r34c3|r34c4|r34c5|r34c6|r34c7|r34c8|r34c9|r34c10|r34c11|r34c12"},
        ParseCase{"ThirtyFifthRecordIgnored", records(36), 34, 1,
                  "r1c1|r1c2|r1c3|r1c4|r1c5|r1c6|r1c7|r1c8|r1c9|r1c10|r1c11|r1c12"},
        ParseCase{"RecordSplitOverTwoLines", kHeader + "a,b,c,d,e,f,g\r\nh,i,j,k,l\r\n", 1, 1,
                  "a|b|c|d|e|f|g|h|i|j|k|l"},
        ParseCase{"SurplusFieldStartsTheNextRecord",
                  kHeader + "1,2,3,4,5,6,7,8,9,10,11,12,x\r\nb,c,d,e,f,g,h,i,j,k,l\r\n", 2, 2,
                  "x|b|c|d|e|f|g|h|i|j|k|l"},
        ParseCase{"QuotedFieldHoldsCommas", kHeader + "1,\"Face, O.D.\",5,0,1,300,0.01,0.1,0,0.02,0.005,0.02\r\n", 1,
                  1, "1|Face, O.D.|5|0|1|300|0.01|0.1|0|0.02|0.005|0.02"},
        ParseCase{"BlanksBeforeFieldsAreSkipped", kHeader + "1, a,  12,\t0, 1,2 ,3,4,5,6,7,8\r\n", 1, 1,
                  "1|a|12|0|1|2 |3|4|5|6|7|8"},
        ParseCase{"EmptyFieldsCount", kHeader + "1,,3,0,1,,,,,,,\r\n", 1, 1, "1||3|0|1|||||||"},
        ParseCase{"TrailingCommaAtTheEndOfTheFile", kHeader + "1,2,3,4,5,6,7,8,9,10,11,", 1, 1,
                  "1|2|3|4|5|6|7|8|9|10|11|"},
        ParseCase{"LastLineWithoutLineEnd", kHeader + "1,2,3,4,5,6,7,8,9,10,11,12", 1, 1,
                  "1|2|3|4|5|6|7|8|9|10|11|12"},
        ParseCase{"RecordCutShortIsLeftOut", records(3) + "x,y,z\r\n", 3, 4, "|||||||||||"},
        ParseCase{"EmptyLineBetweenRecords", records(1) + "\r\n   \r\n" + recordLine(2), 2, 2,
                  "r2c1|r2c2|r2c3|r2c4|r2c5|r2c6|r2c7|r2c8|r2c9|r2c10|r2c11|r2c12"},
        ParseCase{"LineFeedLineEnds", QByteArray("h1\nh2\n1,2,3,4,5,6\n7,8,9,10,11,12\n"), 1, 1,
                  "1|2|3|4|5|6|7|8|9|10|11|12"},
        ParseCase{"TextAfterTheClosingQuoteIsDropped", kHeader + "\"ab\"cd,2,3,4,5,6,7,8,9,10,11,12\r\n", 1, 1,
                  "ab|2|3|4|5|6|7|8|9|10|11|12"},
        ParseCase{"QuoteInsideAnUnquotedField", kHeader + "5\"x,2,3,4,5,6,7,8,9,10,11,12\r\n", 1, 1,
                  "5\"x|2|3|4|5|6|7|8|9|10|11|12"},
        ParseCase{"HeaderLinesMayHoldAnything", QByteArray("\"a,\r\n,,,,\r\n") + recordLine(1), 1, 1,
                  "r1c1|r1c2|r1c3|r1c4|r1c5|r1c6|r1c7|r1c8|r1c9|r1c10|r1c11|r1c12"},
        ParseCase{"CodePage932Header", QByteArray("\x89\xc1\x8d\x48\x8f\xf0\x8c\x8f\r\nS45C\r\n") + recordLine(1),
                  1, 1, "r1c1|r1c2|r1c3|r1c4|r1c5|r1c6|r1c7|r1c8|r1c9|r1c10|r1c11|r1c12"}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

struct FailCase {
    const char* name;
    QByteArray bytes;
};

class UnreadableCuttingTable : public ::testing::TestWithParam<FailCase> {};

TEST_P(UnreadableCuttingTable, GivesNoTable) { EXPECT_FALSE(parseCuttingTable(GetParam().bytes).has_value()); }

INSTANTIATE_TEST_SUITE_P(Cases, UnreadableCuttingTable,
                         ::testing::Values(FailCase{"EmptyFile", QByteArray()},
                                           FailCase{"OneLine", QByteArray("1,2,3,4,5,6,7,8,9,10,11,12\r\n")},
                                           FailCase{"OneLineWithoutEnd", QByteArray("header")},
                                           FailCase{"HeadersOnly", kHeader},
                                           FailCase{"NoCompleteRecord", kHeader + "1,2,3\r\n"},
                                           FailCase{"UnclosedQuote", kHeader + "1,\"2,3,4,5,6,7,8,9,10,11,12\r\n"}),
                         [](const ::testing::TestParamInfo<FailCase>& info) { return std::string(info.param.name); });

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    QString text;
};

class DecodeEightBitText : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeEightBitText, ChoosesTheEncoding) { EXPECT_EQ(decodeEightBitText(GetParam().bytes), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeEightBitText,
    ::testing::Values(DecodeCase{"Ascii", QByteArray("S45C,1"), QStringLiteral("S45C,1")},
                      DecodeCase{"Utf8", QByteArray("\xe5\x8a\xa0\xe5\xb7\xa5"), QStringLiteral("加工")},
                      DecodeCase{"Utf8WithoutItsMark", QByteArray("\xef\xbb\xbf" "A"), QStringLiteral("A")},
                      DecodeCase{"CodePage932", QByteArray("\x89\xc1\x8d\x48,\x5c"), QStringLiteral("加工,\\")},
                      DecodeCase{"NeitherIsLatin1", QByteArray("a\xff"), QStringLiteral("a\u00ff")}),
    [](const ::testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

class LoadCuttingTableFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

TEST_F(LoadCuttingTableFile, ReplacesTheWholeTable) {
    CuttingConditionTable table;
    ASSERT_TRUE(LoadCuttingTable(write("a.csv", records(34)), table));
    ASSERT_TRUE(LoadCuttingTable(write("b.csv", records(10)), table));
    EXPECT_EQ(table.rowCount, 10);
    EXPECT_EQ(table.cell(10, 12), QStringLiteral("r10c12"));
    EXPECT_EQ(table.cell(11, 1), QString());
    EXPECT_EQ(table.cell(34, 12), QString());
}

TEST_F(LoadCuttingTableFile, FailureKeepsTheOldTable) {
    CuttingConditionTable table;
    ASSERT_TRUE(LoadCuttingTable(write("a.csv", records(34)), table));
    const QString unreadable[] = {
        dir.filePath(QStringLiteral("missing.csv")),
        dir.path(),  // a folder
        QString(),
        write("empty.csv", QByteArray()),
        write("header.csv", kHeader),
    };
    for (const QString& path : unreadable) {
        EXPECT_FALSE(LoadCuttingTable(path, table)) << path.toStdString();
        EXPECT_EQ(table.rowCount, 34);
        EXPECT_EQ(table.cell(34, 12), QStringLiteral("r34c12"));
    }
}

TEST(CuttingConditionTable, CellsOutsideTheTableAreEmpty) {
    CuttingConditionTable table;
    table.setCell(1, 1, QStringLiteral("x"));
    table.setCell(35, 1, QStringLiteral("y"));
    table.setCell(1, 0, QStringLiteral("y"));
    EXPECT_EQ(table.cell(1, 1), QStringLiteral("x"));
    for (auto [r, c] : {std::pair{0, 1}, {35, 1}, {50, 12}, {1, 0}, {1, 13}, {-1, -1}})
        EXPECT_EQ(table.cell(r, c), QString()) << r << "," << c;
}

const char* const kShippedFile = QUILLMAR_SOURCE_DIR "/resources/beside/S45C.CSV";

TEST(ShippedCuttingTable, HasHeadersAndCrLfLineEnds) {
    QFile file(QString::fromUtf8(kShippedFile));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), 2 + 34);
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(bytes.count('\r'), bytes.count('\n'));
}

TEST(ShippedCuttingTable, AllThirtyFourRowsLoadAndFillTheProcessDialog) {
    CuttingConditionTable table;
    ASSERT_TRUE(LoadCuttingTable(QString::fromUtf8(kShippedFile), table));
    ASSERT_EQ(table.rowCount, 34);
    for (int n = 1; n <= 34; ++n) {
        EXPECT_EQ(table.cell(n, 1), QString::number(n)) << "row " << n;
        EXPECT_FALSE(table.cell(n, 2).isEmpty()) << "row " << n;
        // Spindle and coolant must read as numbers, or every cycle of the row fails.
        for (int c = 3; c <= 12; ++c)
            EXPECT_NO_THROW(ReadStrictNumber(table.cell(n, c))) << "row " << n << " column " << c;
    }
}

// Cycles that compute their spindle speed from the tool diameter fail on a zero one.
TEST(ShippedCuttingTable, RowsThatDivideByTheToolDiameterHaveOne) {
    CuttingConditionTable table;
    ASSERT_TRUE(LoadCuttingTable(QString::fromUtf8(kShippedFile), table));
    for (int n : {1, 2, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 30, 33}) {
        EXPECT_GT(ReadStrictNumber(table.cell(n, 10)), 0.0) << "row " << n;
        EXPECT_GT(ReadStrictNumber(table.cell(n, 6)), 0.0) << "row " << n;
    }
}

}  // namespace
}  // namespace quillmar
