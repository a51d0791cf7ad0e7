#pragma once

#include <QString>

#include "platform/window_printer.h"

namespace quillmar {

class PrintSurface;
struct SharedState;

// Prints a document's text under a head of the date (as "yyyy.mm.dd"), its caption and
// the page number, with the print settings of the shared state.
PrintOutcome PrintDocument(PrintSurface& surface, const QString& text, const QString& caption,
                           const QString& date, const SharedState& state);

}  // namespace quillmar
