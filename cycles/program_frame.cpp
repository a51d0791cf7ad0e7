#include "cycles/program_frame.h"

#include <QPointer>

#include "common/format.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/document_append.h"
#include "cycles/frmUGC.h"
#include "cycles/generator_runner.h"
#include "cycles/program_text.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

void appendHomeLine(ProgramText& text) {
    text.add({"N000 G00 X", FormatCoordValue(text.profile.gHomeX), " Z", FormatCoordValue(text.profile.gHomeZ)});
}

void appendMaxSpindleSpeed(ProgramText& text) {
    text.add({"NMAX G50 S", FormatCoordValue(text.profile.gMaxSpindleSpeed)});
}

// The lines that close a turret's part of the program before the next part starts.
void appendTurretClose(ProgramText& text, bool withToolCheck) {
    const MachineProfile& m = text.profile;
    if (m.gLoadMonitor)
        text.add("N000 M215");
    if (m.gMeasuring) {
        text.add("N000 CALL OMSSF");
        if (withToolCheck)
            text.add("N000 CALL OCNCK");
    }
    if (m.gToolLife) {
        text.add("N000 M100");
        text.add("N000 TLID");
    }
}

}  // namespace

QString programHead(SharedState& state) {
    ProgramText text(state);
    state.gOutputText.clear();
    const MachineProfile& m = state.profile;
    if (m.gAutoDoor)
        text.add("N000 M90");
    appendMaxSpindleSpeed(text);
    switch (text.machine) {
        case MachineKind::MacTurn:
            text.add("N000 G21 HP=4 M109");
            break;
        case MachineKind::Multus:
            text.add("N000 G20 HP=4 M109 M867");
            text.add("N000 M866");
            break;
        case MachineKind::Other:
            appendHomeLine(text);
            break;
    }
    if (m.gPanelCheck)
        text.add("N000 CALL OPCHK (PANEL CHECK)");
    if (state.workShape.gUgcCallEnabled)
        text.add("N000 CALL OUGC  (GRAPHIC DATA)");
    if (m.gLoadMonitor)
        text.add("N000 M216");
    text.closingTab();
    return state.gOutputText;
}

QString bTurretSection(SharedState& state) {
    ProgramText text(state);
    state.gOutputText.clear();
    const MachineProfile& m = state.profile;
    text.closingTab();
    text.closingTab();
    appendTurretClose(text, false);
    text.closingTab();
    text.add("G14 (-----< B:TURRET >-----)");
    if (m.gAutoDoor)
        text.add("N000 M90");
    appendMaxSpindleSpeed(text);
    // The B turret returns by coordinates on every machine.
    appendHomeLine(text);
    if (m.gPanelCheck)
        text.add("N000 CALL OPCHK (PANEL CHECK)");
    if (m.gLoadMonitor)
        text.add("N000 M216");
    text.add(QString());
    text.add(QString());
    return state.gOutputText;
}

QString programEnd(SharedState& state) {
    ProgramText text(state);
    state.gOutputText.clear();
    text.closingTab();
    appendTurretClose(text, true);
    if (state.profile.gAutoDoor)
        text.add("N000 M91");
    text.add("NEND M02");
    return state.gOutputText;
}

void ProcessUGC_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent) {
    // The document is watched, so one closed while the dialog is up is no document.
    const QPointer<RichTextBox> document(activeDocument);
    runWithProcessErrorTrap(parent, [&] {
        state.workShape.gUgcCallEnabled = false;
        {
            frmUGC dialog(state, parent);
            const bool executed = modal::exec(&dialog) == QDialog::Accepted;
            state.gDialogAccepted = executed;
            if (!executed)
                return;
        }
        const QString subprogram = state.workShape.gUgcCallEnabled ? state.gOutputText : QString();
        const bool twoTurrets = state.profile.gBTurret;

        // Every part is built before the first goes in, so a failure leaves the document
        // untouched rather than holding half a frame.
        const QString head = programHead(state);
        const QString bSection = twoTurrets ? bTurretSection(state) : QString();
        const QString end = programEnd(state);

        if (!document)
            throw RuntimeError(kErrNoObject);
        RichTextBox& doc = *document;
        if (twoTurrets)
            doc.setSelText(kATurretLine);
        doc.setSelText(head);
        const qint64 cycles = doc.SelStart();
        if (twoTurrets)
            doc.setSelText(bSection);
        doc.setSelText(end);
        appendAtDocumentEnd(doc, subprogram);
        doc.setSelStart(cycles);
    });
}

}  // namespace quillmar
