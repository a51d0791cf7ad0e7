#include "app/text_tools/renumber.h"

#include <gtest/gtest.h>

#include <QString>

using namespace quillmar;

namespace {

enum class Ends { Both, CrLfOnly, LfOnly };

struct Row {
    const char* name;
    const char* text;      // lines split by "\n"; run once with CR LF and once with LF ends
    const char* expected;
    RenumberOptions options = {};
    qint64 caretAfter = -1;  // not from the top: the caret just after this many characters
    Ends ends = Ends::Both;
    // Where a following search begins, counted in the expected text with LF ends; -1: not checked.
    qint64 searchAt = -1;
};

using Opt = RenumberOptions;
const Opt kDefaults;
const RenumberOptions kStop{.stopAtEnd = true};
const RenumberOptions kContinuous{.continuous = true};

const Row kRows[] = {
    {"defaults", "O1000\nN5 G00 X100.\nNAP1 G81\nX50.\n(COMMENT)\nM30\n",
     "O1000\nN001 G00 X100.\nNAP1 G81\nN003     X50.\n(COMMENT)\nN004 M30\n", kDefaults, -1, Ends::Both,
     64},  // one past the empty line after the last line end
    {"no blank", "N5 G00\nN100G00\n", "N001G00\nN002G00\n", Opt{.spacing = 0}},
    {"one blank", "N5 G00\nN100G00\nX1\n", "N001 G00\nN002 G00\nN003 X1\n", Opt{.spacing = 1}},
    {"leading blanks go", "  G01\n  N100 G00\n", "N001 G01\nN002 N100 G00\n"},
    {"past the nines from the add value", "G1\nG2\nG3\nG4\n", "N90 G1\nN95 G2\nN05 G3\nN10 G4\n",
     Opt{.digits = 2, .start = 90, .add = 5}},
    {"wider than the digits", "G1\nG2\n", "N100 G1\nN01 G2\n", Opt{.digits = 2, .start = 100, .add = 1}},
    {"left alone", "%\n-X\n<A>\n&1\n$2\n\tX\nO5\nG1\n", "%\n-X\n<A>\n&1\n$2\n\tX\nO5\nN001 G1\n"},
    {"stop", "G00 X1\nM30\nG01 X2\n", "N001 G00 X1\nN002 M30\nG01 X2\n", kStop, -1, Ends::Both, 13},
    {"restart", "G00 X1\nM02\nG01 X2\n", "N001 G00 X1\nN002 M02\nN001 G01 X2\n"},
    {"continuous", "G00 X1\nM02\nG01 X2\n", "N001 G00 X1\nN002 M02\nN003 G01 X2\n", kContinuous},
    {"continuous ignored when stopping", "G1\nM2\nG2\n", "N001 G1\nN002 M2\nG2\n", Opt{.stopAtEnd = true, .continuous = true}},
    {"not words of their own", "G00 M21\nG01\tM02\nM300\nX1\n",
     "N001 G00 M21\nN002 G01\tM02\nN003 M300\nN004     X1\n", kStop},
    {"end word in a comment restarts", "G1\nG2\n(END M30 HERE)\nG3\n", "N001 G1\nN002 G2\n(END M30 HERE)\nN001 G3\n"},
    {"from the caret's next line", "O1\nG4 X1\nG5\nG6", "O1\nG4 X1\nN001 G5\nN002 G6", kDefaults, 4, Ends::Both, 18},
    {"caret on the last line", "G1\nG2", "G1\nG2", kDefaults, 4, Ends::Both, 4},
    {"end word after the caret stops at once", "G1 M30\nG2\n", "G1 M30\nG2\n", kStop, 2, Ends::Both, 2},
    {"end word before the caret is not seen", "M30 G1\nG2\nG3\n", "M30 G1\nN001 G2\nN002 G3\n", kStop, 3},
    {"last line without an end", "G1\nX2", "N001 G1\nN002     X2", kDefaults, -1, Ends::Both, 9},
    {"empty text", "", "", kDefaults, -1, Ends::Both, 1},
    // A line end never belongs to an N word or a label.
    {"N alone before the end", "N\nX5", "N001 \nN002     X5"},
    {"label before the end", "NAP1\nX5 Z3", "NAP1 \nN002     X5 Z3"},
    {"label ended by a Tab", "NAP1\tG81\nX1\n", "NAP1\tG81\nN002X1\n", Opt{.spacing = 0}},
    // Without a blank, the end of the N word is still a word boundary.
    {"no blank, stop", "N5 M30\nX1", "N001M30\nX1", Opt{.stopAtEnd = true, .spacing = 0}},
    {"no blank after a label", "NRTS RTS\nX1", "NRTSRTS\nX1", Opt{.stopAtEnd = true, .spacing = 0}},
    // Every occurrence on the line counts, not only the first.
    {"subprogram end", "G00 X1\nNRTS RTS\nG01 X2\n", "N001 G00 X1\nNRTS RTS\nG01 X2\n", kStop},
    {"M2 after M21", "G00 M21 M2\nX1\n", "N001 G00 M21 M2\nX1\n", kStop},
    // Empty lines stay empty and use no number, whatever the line ends.
    {"empty line", "O1\nG00 X1\n\nM30\n", "O1\nN001 G00 X1\n\nN002 M30\n"},
    // A lone CR is no line end for renumbering.
    {"lone CR", "G1\rG2\nG3\n", "N001 G1\rG2\nN002 G3\n", kDefaults, -1, Ends::LfOnly},
};

QString withEnds(const char* text, bool crlf) {
    QString s = QString::fromUtf8(text);
    return crlf ? s.replace(QStringLiteral("\n"), QStringLiteral("\r\n")) : s;
}

TEST(Renumbering, GivesTheExpectedText) {
    for (const Row& row : kRows) {
        for (bool crlf : {true, false}) {
            if ((crlf && row.ends == Ends::LfOnly) || (!crlf && row.ends == Ends::CrLfOnly))
                continue;
            RenumberOptions options = row.options;
            qint64 caret = 0;
            if (row.caretAfter >= 0) {
                options.fromTop = false;
                const QString before = QString::fromUtf8(row.text).left(row.caretAfter);
                caret = crlf ? before.size() + before.count(u'\n') : before.size();
            }
            const RenumberResult result = renumber(withEnds(row.text, crlf), options, caret);
            const QString expected = withEnds(row.expected, crlf);
            EXPECT_EQ(result.text.toStdString(), expected.toStdString()) << row.name << (crlf ? " CR LF" : " LF");
            EXPECT_EQ(result.caret, expected.size()) << row.name;
            if (row.searchAt >= 0) {
                const QString before = QString::fromUtf8(row.expected).left(row.searchAt);
                EXPECT_EQ(result.searchPos, row.searchAt + (crlf ? before.count(u'\n') : 0)) << row.name;
            }
        }
    }
}

struct RefusalRow {
    const char* digits;
    const char* start;
    const char* add;
    const char* refusedBox;  // nullptr: accepted
};

const RefusalRow kRefusals[] = {
    {" 9", "999999999", "0", nullptr}, {"", "1", "1", "Digit Number"}, {"10", "1", "1", "Digit Number"},
    {"2.5", "1", "1", "Digit Number"}, {"1e400", "1", "1", "Digit Number"}, {"3", "-1", "1", "Start Number"},
    {"3", "1000000000", "1", "Start Number"}, {"3", "1", "0.5", "Add Value"}, {"3", "1", "-5", "Add Value"}, {"3", "1", "1000000000", "Add Value"},
};

TEST(RenumberRefusal, NamesTheFirstBoxOutOfRange) {
    for (const RefusalRow& row : kRefusals) {
        RenumberOptions options;
        options.digits = 7;
        const QString refusal = renumberRefusal(QString::fromUtf8(row.digits), QString::fromUtf8(row.start),
                                                QString::fromUtf8(row.add), options);
        if (!row.refusedBox) {
            EXPECT_TRUE(refusal.isEmpty()) << row.digits << " " << row.start << " " << row.add;
            continue;
        }
        EXPECT_TRUE(refusal.startsWith(QString::fromUtf8(row.refusedBox))) << refusal.toStdString();
        EXPECT_EQ(options.digits, 7) << "a refused run keeps its options";
    }
    RenumberOptions options;
    ASSERT_TRUE(renumberRefusal(QStringLiteral("3mm"), QStringLiteral("1e3"), QStringLiteral("&HA"), options).isEmpty());
    EXPECT_EQ(options.digits, 3);
    EXPECT_EQ(options.start, 1000);
    EXPECT_EQ(options.add, 10);
}

}  // namespace
