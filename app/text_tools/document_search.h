#pragma once

#include <QString>
#include <optional>

namespace quillmar {

class RichTextBox;
struct Calculation;
struct DocumentState;
struct TextToolResult;

// The steps the Find, Replace and Size Shift windows and Find Next take on a document.
// Each reads the document's text as it stands at that moment.

// Opening a text tool: the next search begins at the selection's start.
void searchFromSelection(DocumentState& docs, const RichTextBox* box);

// Gives the selection, whatever it is now, the plain colour and weight.
void resetHighlight(RichTextBox* box);

// Looks for `find` from the search position on; selects the hit in red and bold,
// remembers it, and moves the search position just after it. False when there is none;
// the selection and the search position then stay as they are.
bool FindNext(DocumentState& docs, RichTextBox* box, const QString& find);

// Replaces the remembered hit when the selection still is it; the next search begins
// after the replacement. False, changing no text, when the selection is not the hit.
// Either way no hit keeps its highlight.
bool ReplaceCurrent(DocumentState& docs, RichTextBox* box, const QString& find, const QString& replacement);

// The rewrite ShiftValue would make of the number after the selected hit, worked out
// before anything changes: nullopt when the selection is no longer the hit. Refuses
// (SizeShiftRefused) a number that cannot be calculated.
struct PendingShift {
    qint64 hitStart = 0;
    qint64 end = 0;             // the rewrite replaces [hitStart, end)
    QString replacement;        // empty: no number follows the address
};
std::optional<PendingShift> prepareShift(DocumentState& docs, RichTextBox* box, const QString& address,
                                         const Calculation& calculation);
// Writes a prepared rewrite (one undo step) and counts it; the next search begins at
// the hit's second character either way. nullopt (the selection was no longer the hit)
// changes no text. Either way no hit keeps its highlight.
void ShiftValue(DocumentState& docs, RichTextBox* box, const std::optional<PendingShift>& shift);

// Writes the result of a run over the whole text back in one step, when it changed
// anything, with the caret after its last change, and continues the search where the
// run says.
void writeBack(DocumentState& docs, RichTextBox* box, const TextToolResult& result);

}  // namespace quillmar
