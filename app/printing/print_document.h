#pragma once

#include <QString>
#include <functional>

#include "platform/window_printer.h"

namespace quillmar {

class PrintSurface;
struct SharedState;

// Told after each page with its number and the share of the text (0 to 1) printed by
// then; false cancels the print.
using PrintProgress = std::function<bool(qint64 page, double done)>;

// Prints a document's text under a head of the date (as "yyyy.mm.dd"), its caption and
// the page number, with the print settings of the shared state. A cancelled print is
// dropped whole.
PrintOutcome PrintDocument(PrintSurface& surface, const QString& text, const QString& caption,
                           const QString& date, const SharedState& state, const PrintProgress& progress = {});

}  // namespace quillmar
