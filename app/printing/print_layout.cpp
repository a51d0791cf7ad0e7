#include "app/printing/print_layout.h"

#include <algorithm>
#include <cmath>

namespace quillmar {
namespace {

// Room kept free at the right of every column.
constexpr double kReserve = 10.0;
// Stored settings can hold anything; beyond this no page exists anyway.
constexpr double kLargestLength = 1e9;

int roundHalfEven(double millimetres) {
    if (!std::isfinite(millimetres))
        return 0;
    return static_cast<int>(std::nearbyint(std::clamp(millimetres, -kLargestLength, kLargestLength)));
}

// The document's lines: a CR LF, a lone LF and a lone CR each end one. A text that ends
// with a line end has an empty last line; an empty text has none.
std::vector<QStringView> splitLines(const QString& text) {
    std::vector<QStringView> lines;
    if (text.isEmpty())
        return lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.push_back(QStringView(text).sliced(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(QStringView(text).sliced(start));
    return lines;
}

qsizetype characterLength(QStringView text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate() ? 2 : 1;
}

class Layouter {
public:
    Layouter(const QString& text, const QString& caption, const QString& date, const PrintPageSettings& settings,
             const PrintMetrics& metrics, const PageSink& sink)
        : text_(text), caption_(caption), date_(date), metrics_(metrics), sink_(sink),
          run_(SetupPrinter(metrics, settings)) {
        lh_ = run_.lineHeight;
        left_ = std::clamp(double(settings.left), -kLargestLength, kLargestLength);
        const double edge = run_.rightEdge;
        twoColumns_ = settings.lineMode == 2;
        width_ = twoColumns_ ? roundHalfEven((edge - left_) / 2 - 1) : edge - left_;
        column2X_ = roundHalfEven(edge / 2 + left_ + 1);
        bottom_ = (double(run_.linesPerPage) - 1) * lh_;
        advance_ = metrics.letterHeight > 0 && std::isfinite(metrics.letterHeight) ? metrics.letterHeight : lh_;
        PrintPageHeader(QStringView(text));
    }

    // One line of the document's body, wrapped to the column. The empty line that the
    // text's final line end leaves behind shows nothing, so it never opens a column or page.
    void PrintDocumentBody(QStringView line, bool lastLine) {
        if (lastLine && line.isEmpty() && y_ > bottom_)
            return;
        do {
            if (twoColumns_ && y_ > bottom_ && column_ == 1) {
                y_ = 4.0 * lh_;
                column_ = 2;
                x_ = column2X_;
            }
            if (y_ > bottom_ && !PrintPageHeader(line))
                return;
            // Measured as the piece grows, one character at a time.
            double width = 0.0;
            qsizetype taken = 0;
            while (taken < line.size()) {
                const qsizetype n = characterLength(line, taken);
                width += metrics_.width(line.sliced(taken, n));
                if (width + kReserve > width_)
                    break;
                taken += n;
            }
            // A column too narrow for one character still takes one per line.
            if (taken == 0 && !line.isEmpty())
                taken = characterLength(line, 0);
            page_.body.push_back({QPointF(x_, y_), line.first(taken).toString()});
            line = line.sliced(taken);
            y_ += advance_;
        } while (!line.isEmpty());
    }

    bool stopped() const { return stopped_; }

    // Hands over the last page; false when the sink stopped the layout.
    bool finish() { return !stopped_ && sink_(page_, 1.0); }

private:
    // A new page (the first included) with its head; the body starts below it in column 1.
    // The page before it goes to the sink first, laid out up to `rest`; false when the
    // sink stopped the layout there.
    bool PrintPageHeader(QStringView rest) {
        if (pageOpen_) {
            const double done = double(rest.data() - text_.constData()) / double(std::max<qsizetype>(1, text_.size()));
            if (!sink_(page_, done)) {
                stopped_ = true;
                return false;
            }
        }
        PrintedPage page;
        page.number = pageOpen_ ? page_.number + 1 : 1;
        const double edge = run_.rightEdge;
        const QString number = QStringLiteral("Page ") + QString::number(page.number);
        page.head.push_back({QPointF(left_, lh_), date_});
        page.head.push_back({QPointF(left_ + (edge - metrics_.width(caption_)) / 2, lh_), caption_});
        page.head.push_back({QPointF(edge - metrics_.width(number), lh_), number});
        page.ruleFrom = QPointF(left_, 2.2 * lh_);
        page.ruleTo = QPointF(edge, 2.2 * lh_);
        page_ = std::move(page);
        pageOpen_ = true;
        y_ = 4.0 * lh_;
        column_ = 1;
        x_ = left_;
        return true;
    }

    const QString& text_;
    const QString& caption_;
    const QString& date_;
    const PrintMetrics& metrics_;
    const PageSink& sink_;
    PrintRun run_;
    PrintedPage page_;
    bool pageOpen_ = false;
    bool stopped_ = false;
    double lh_ = 1.0;
    double left_ = 0.0;
    double width_ = 0.0;
    double column2X_ = 0.0;
    double bottom_ = 0.0;
    double advance_ = 1.0;
    bool twoColumns_ = false;
    double x_ = 0.0;
    double y_ = 0.0;
    int column_ = 1;
};

}  // namespace

PrintRun SetupPrinter(const PrintMetrics& metrics, const PrintPageSettings& settings) {
    PrintRun run;
    // Below a millimetre the line height would round to nothing and a page hold no end of lines.
    run.lineHeight = std::max(1, roundHalfEven(metrics.letterHeight));
    const double lines = std::floor(metrics.printableHeight / run.lineHeight);
    run.linesPerPage = std::isfinite(lines) ? static_cast<int>(std::clamp(lines, 0.0, kLargestLength)) : 0;
    run.rightEdge = roundHalfEven(metrics.printableWidth - double(settings.right));
    return run;
}

bool layOutPrint(const QString& text, const QString& caption, const QString& date,
                 const PrintPageSettings& settings, const PrintMetrics& metrics, const PageSink& sink) {
    Layouter layouter(text, caption, date, settings, metrics, sink);
    const std::vector<QStringView> lines = splitLines(text);
    for (size_t i = 0; i < lines.size() && !layouter.stopped(); ++i)
        layouter.PrintDocumentBody(lines[i], i + 1 == lines.size());
    return layouter.finish();
}

}  // namespace quillmar
