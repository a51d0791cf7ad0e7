#include "app/printing/print_document.h"

#include <algorithm>
#include <climits>

#include "app/printing/print_layout.h"
#include "common/shared_state.h"
#include "platform/print_surface.h"

namespace quillmar {

PrintOutcome PrintDocument(PrintSurface& surface, const QString& text, const QString& caption,
                           const QString& date, const SharedState& state, const PrintProgress& progress) {
    const int points = static_cast<int>(std::clamp<long>(state.gPrintFontSize, 1, INT_MAX));
    const PrintOutcome begun = surface.begin(caption, state.gPrintOrientation, state.gPrintFontName, points);
    if (begun != PrintOutcome::Printed)
        return begun;
    PrintMetrics metrics;
    metrics.printableWidth = surface.printableWidth();
    metrics.printableHeight = surface.printableHeight();
    metrics.letterHeight = surface.textHeight(u"A");
    metrics.width = [&surface](QStringView piece) { return surface.textWidth(piece); };
    const PrintPageSettings settings{state.gPrintLineMode, state.gPrintLeft, state.gPrintRight};
    const auto printPage = [&](const PrintedPage& page, double done) {
        if (page.number > 1)
            surface.newPage();
        for (const PlacedText& placed : page.head)
            surface.printText(placed.at, placed.text);
        surface.drawLine(page.ruleFrom, page.ruleTo);
        for (const PlacedText& placed : page.body)
            surface.printText(placed.at, placed.text);
        return !progress || progress(page.number, done);
    };
    if (!layOutPrint(text, caption, date, settings, metrics, printPage)) {
        surface.cancel();
        return PrintOutcome::Cancelled;
    }
    return surface.end();
}

}  // namespace quillmar
