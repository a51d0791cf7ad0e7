#pragma once

#include <QPointF>
#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

namespace quillmar {

// The user's print settings that shape the page.
struct PrintPageSettings {
    int lineMode = 1;  // 1 one column, 2 two columns
    long left = 10;    // margins in millimetres
    long right = 0;
};

// What the printer reports, in millimetres.
struct PrintMetrics {
    double printableWidth = 0.0;
    double printableHeight = 0.0;
    double letterHeight = 0.0;  // text height of "A", also the advance from line to line
    std::function<double(QStringView)> width{};
};

// The values a print run works with, in whole millimetres.
struct PrintRun {
    int lineHeight = 1;
    int linesPerPage = 0;
    int rightEdge = 0;
};

struct PlacedText {
    QPointF at;  // top left
    QString text;
    bool operator==(const PlacedText&) const = default;
};

struct PrintedPage {
    qint64 number = 1;
    std::vector<PlacedText> head;  // date, caption, page number
    QPointF ruleFrom, ruleTo;
    std::vector<PlacedText> body;
};

// Takes each page as soon as it is laid out, with the share of the text (0 to 1) laid out
// by then; false stops the layout there.
using PageSink = std::function<bool(const PrintedPage& page, double done)>;

PrintRun SetupPrinter(const PrintMetrics& metrics, const PrintPageSettings& settings);

// Every page of a document: the head, then its lines in one or two columns, each line
// wrapped to the column and carried to the next column or page as it fills. Pages are
// handed over one at a time, so that a long document never lies in memory as a whole
// printout; false when the sink stopped the layout.
bool layOutPrint(const QString& text, const QString& caption, const QString& date,
                 const PrintPageSettings& settings, const PrintMetrics& metrics, const PageSink& sink);

}  // namespace quillmar
