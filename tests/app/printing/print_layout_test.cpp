#include "app/printing/print_document.h"
#include "app/printing/print_layout.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <tuple>

#include "common/shared_state.h"
#include "platform/recording_print_surface.h"

using namespace quillmar;

namespace {

using Printed = RecordingPrintSurface::Printed;

// The fake page is 200 by 100 mm, every character 2 mm wide and 5 mm high. With the
// default margins (left 10, right 0) a line holds 90 characters (180 mm + the 10 mm
// reserve = the column), a page 16 lines from y = 20 to y = 95; in two columns each column
// holds 42 characters, the second beginning at x = 111.
struct Printout {
    RecordingPrintSurface surface;
    SharedState state;
    PrintOutcome outcome = PrintOutcome::Failed;

    Printout& print(const QString& text) {
        outcome = PrintDocument(surface, text, QStringLiteral("DOC"), QStringLiteral("2026.12.06"), state);
        return *this;
    }
    // The body lines as "x,y:text", pages separated by "--".
    QStringList body() const {
        QStringList lines;
        int headTexts = 0;
        for (const Printed& p : surface.printed) {
            if (p.kind == Printed::NewPage) {
                lines << QStringLiteral("--");
                headTexts = 0;
            } else if (p.kind == Printed::Text && ++headTexts > 3) {
                lines << QStringLiteral("%1,%2:%3").arg(p.at.x()).arg(p.at.y()).arg(p.text);
            }
        }
        return lines;
    }
};

QString times(int n, char c = 'X') { return QString(n, QChar::fromLatin1(c)); }

TEST(PrintLayout, AnEmptyDocumentPrintsTheHeadOnly) {
    Printout p;
    p.state.gPrintFontSize = 0;
    p.state.gPrintOrientation = 2;
    p.print(QString());
    EXPECT_EQ(p.outcome, PrintOutcome::Printed);
    QStringList drawn;
    for (const Printed& d : p.surface.printed)
        drawn << QStringLiteral("%1,%2:%3").arg(d.at.x()).arg(d.at.y()).arg(d.kind == Printed::Line ? "to 200" : d.text);
    EXPECT_EQ(drawn, (QStringList{"10,5:2026.12.06", "107,5:DOC", "188,5:Page 1", "10,11:to 200"}));
    EXPECT_EQ(p.surface.printed[3].to, QPointF(200, 11));
    EXPECT_EQ(p.surface.orientation, 2);
    EXPECT_EQ(p.surface.fontPoints, 1) << "a stored size below 1 prints at 1 point";
}

struct BodyRow {
    const char* name;
    QString text;
    QStringList expected;
    int lineMode = 1;
    long left = 10;
};

QStringList column(int count, double x, const QString& text = QStringLiteral("L")) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1,%2:%3").arg(x).arg(20 + 5 * i).arg(text);
    return lines;
}

QString lines(int count, const char* end = "\r\n") {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("L") + QString::fromLatin1(end);
    text.chop(int(qstrlen(end)));
    return text;
}

TEST(PrintLayout, BodyLines) {
    const BodyRow rows[] = {
        {"trailing line end prints an empty line", "A\r\nB\r\n", {"10,20:A", "10,25:B", "10,30:"}},
        {"LF and CR end lines too", "A\nB\rC\r\n\nD", {"10,20:A", "10,25:B", "10,30:C", "10,35:", "10,40:D"}},
        {"exactly the column less the reserve fits", times(90), {"10,20:" + times(90)}},
        {"one character more wraps at the same x", times(91) + "\r\nB",
         {"10,20:" + times(90), "10,25:X", "10,30:B"}},
        {"the last line wraps too", "A\r\n" + times(181), {"10,20:A", "10,25:" + times(90), "10,30:" + times(90), "10,35:X"}},
        {"a page holds 16 lines", lines(17), column(16, 10) + QStringList{"--", "10,20:L"}},
        {"two columns, then a new page", lines(33), column(16, 10) + column(16, 111) + QStringList{"--", "10,20:L"}, 2},
        {"the last line end opens no page", lines(16) + "\r\n", column(16, 10)},
        {"nor a column", lines(16) + "\r\n", column(16, 10), 2},
        {"nor a page in two columns", lines(32) + "\r\n", column(16, 10) + column(16, 111), 2},
        {"two columns wrap at their width", times(43), {"10,20:" + times(42), "10,25:X"}, 2},
        {"a column too narrow for one character", "ABC", {"195,20:A", "195,25:B", "195,30:C"}, 1, 195},
        {"surrogate pairs stay whole", QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98\x80"),
         {QString::fromUtf8("195,20:\xF0\x9F\x98\x80"), QString::fromUtf8("195,25:\xF0\x9F\x98\x80")}, 1, 195},
    };
    for (const BodyRow& row : rows) {
        Printout p;
        p.state.gPrintLineMode = row.lineMode;
        p.state.gPrintLeft = row.left;
        EXPECT_EQ(p.print(row.text).body(), row.expected) << row.name;
    }
}

TEST(PrintLayout, EveryPageHasItsHeadAndNumberAndNothingPrintsWithoutAPrinter) {
    Printout p;
    p.print(lines(40));
    QStringList numbers;
    for (const Printed& d : p.surface.printed)
        if (d.kind == Printed::Line || d.text.startsWith(QStringLiteral("Page ")))
            numbers << d.text;
    EXPECT_EQ(numbers, (QStringList{"Page 1", "", "Page 2", "", "Page 3", ""}));
    p.surface.printed.clear();
    EXPECT_EQ(p.print(lines(1)).surface.printed[2].text, "Page 1") << "each print counts from 1";
    p.surface.printed.clear();
    p.surface.beginOutcome = PrintOutcome::NoPrinter;
    EXPECT_EQ(p.print(QStringLiteral("A")).outcome, PrintOutcome::NoPrinter);
    EXPECT_TRUE(p.surface.printed.empty());
    Printout failed;
    failed.surface.endOutcome = PrintOutcome::Failed;
    EXPECT_EQ(failed.print(QStringLiteral("A")).outcome, PrintOutcome::Failed);
}

TEST(PrintLayout, RunValuesRoundHalvesToEven) {
    struct Row {
        double width, letter;
        long right;
        int lineHeight, linesPerPage, rightEdge;
    };
    const Row rows[] = {{200.5, 4.5, 0, 4, 25, 200}, {201.5, 5.5, 0, 6, 16, 202}, {200, 0.4, 20, 1, 100, 180}};
    for (const Row& r : rows) {
        const PrintRun run = SetupPrinter(PrintMetrics{r.width, 100, r.letter}, PrintPageSettings{1, 10, r.right});
        EXPECT_EQ(std::tuple(run.lineHeight, run.linesPerPage, run.rightEdge),
                  std::tuple(r.lineHeight, r.linesPerPage, r.rightEdge)) << r.letter;
    }
}

TEST(PrintLayout, TinyLettersStillEndTheirPages) {
    Printout p;
    p.surface.lineHeight = 0.0;
    p.print(lines(200));
    // One millimetre per line from y = 4 to y = 99: 96 lines a page.
    const QStringList body = p.body();
    EXPECT_EQ(body.size(), 202);
    EXPECT_EQ(body.mid(95, 3), (QStringList{"10,99:L", "--", "10,4:L"}));
}

}  // namespace
