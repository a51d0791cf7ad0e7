#include "app/text_tools/document_search.h"

#include <QColor>

#include "app/document_state.h"
#include "app/text_tools/find_replace.h"
#include "app/text_tools/size_shift.h"
#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

// A change of the text stands for a new whole text, which has no colouring, so the hits
// the user moved away from lose their highlight too. Only the changed range is written,
// which keeps a change in a large program cheap.
void clearHighlights(RichTextBox* box) {
    if (box)
        box->clearHighlights();
}

}  // namespace

void searchFromSelection(DocumentState& docs, const RichTextBox* box) {
    if (box)
        docs.gSearchPos = box->SelStart();
}

void resetHighlight(RichTextBox* box) {
    if (!box || box->SelLength() == 0)
        return;
    // The plain text colour of the box stands for the system colour of window frames.
    box->setSelColor(box->textColour());
    box->setSelBold(false);
}

bool FindNext(DocumentState& docs, RichTextBox* box, const QString& find) {
    if (!box)
        return false;
    resetHighlight(box);
    const qint64 hit = findText(box->Text(), find, docs.gSearchPos);
    if (hit < 0)
        return false;
    box->select(hit, find.size());
    box->highlightSelection(QColor(255, 0, 0));
    docs.gSearchPos = hit + find.size();
    docs.search.rememberHit(box, hit, find.size());
    return true;
}

bool ReplaceCurrent(DocumentState& docs, RichTextBox* box, const QString& find, const QString& replacement) {
    clearHighlights(box);
    if (!docs.search.selectionIsHit(box, find))
        return false;
    const qint64 start = box->SelStart();
    box->setSelText(replacement);
    docs.gSearchPos = start + replacement.size();
    ++docs.search.gHitCount;
    return true;
}

std::optional<PendingShift> prepareShift(DocumentState& docs, RichTextBox* box, const QString& address,
                                         const Calculation& calculation) {
    if (!docs.search.selectionIsHit(box, address))
        return std::nullopt;
    PendingShift shift;
    shift.hitStart = box->SelStart();
    shift.end = shift.hitStart;
    if (const std::optional<ShiftedWord> word = shiftWordAt(box->Text(), shift.hitStart, address, calculation)) {
        shift.replacement = word->replacement;
        shift.end = word->end;
    }
    return shift;
}

void ShiftValue(DocumentState& docs, RichTextBox* box, const std::optional<PendingShift>& shift) {
    clearHighlights(box);
    if (!shift)
        return;
    if (!shift->replacement.isEmpty()) {
        box->select(shift->hitStart, shift->end - shift->hitStart);
        box->setSelText(shift->replacement);
        ++docs.search.gHitCount;
    }
    docs.gSearchPos = shift->hitStart + 1;
}

void writeBack(DocumentState& docs, RichTextBox* box, const TextToolResult& result) {
    if (result.count > 0) {
        box->setText(result.text);
        box->setSelStart(result.end);
    }
    docs.gSearchPos = result.searchPos;
}

}  // namespace quillmar
