#pragma once

#include <QPointer>
#include <QString>
#include <array>

#include "app/search_state.h"
#include "app/undo_ring.h"

namespace quillmar {

class frmDocument;

// The open documents' shared bookkeeping: six slots, the current and the target
// document, and the undo rings.
struct DocumentState {
    std::array<bool, kDocumentSlots> gDocSlotUsed{};
    int gCurrentDocIndex = 0;
    int untitledCounter = 0;
    // The document that tool and calculator windows write into; a closed one is no target.
    QPointer<frmDocument> gTargetDoc;
    QString gFileName;
    UndoRing undo;
    // Where a following Find Next continues; automatic numbering and Change color set it.
    qint64 gSearchPos = 0;
    // Find, Replace, Size shift and Find Next.
    SearchState search;
};

}  // namespace quillmar
