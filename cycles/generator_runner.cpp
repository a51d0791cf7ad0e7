#include "cycles/generator_runner.h"

#include <QPointer>
#include <new>

#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/frmProcess.h"
#include "cycles/process_error.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"

namespace quillmar {
namespace {

RichTextBox& documentOrFail(const QPointer<RichTextBox>& document) {
    if (!document)
        throw RuntimeError(kErrNoObject);
    return *document;
}

// What a generator run may change in the shared state, kept so that a failed or
// cancelled run can put it back.
struct GenerationSnapshot {
    explicit GenerationSnapshot(const SharedState& s)
        : params(s.params), outputText(s.gOutputText), spindleSpeed(s.gSpindleSpeed), workShape(s.workShape),
          lastShiftX(s.gLastShiftX) {}
    void restore(SharedState& s) const {
        s.params = params;
        s.gOutputText = outputText;
        s.gSpindleSpeed = spindleSpeed;
        s.workShape = workShape;
        s.gLastShiftX = lastShiftX;
    }
    ProcessParameters params;
    QString outputText;
    double spindleSpeed;
    WorkShape workShape;
    std::optional<Single> lastShiftX;
};

}  // namespace

bool runWithProcessErrorTrap(QWidget* parent, const std::function<void()>& body) {
    int number = 0;
    try {
        body();
        return true;
    } catch (const RuntimeError& e) {
        number = e.number();
    } catch (const std::bad_alloc&) {
        number = kErrOutOfMemory;
    } catch (...) {
        number = kErrInternal;
    }
    ShowProcessError(number, parent);
    return false;
}

void insertAtCaret(RichTextBox* document, const QString& text) {
    if (!document)
        throw RuntimeError(kErrNoObject);
    document->setSelText(text);
}

void runProcessGenerator(const ProcessGenerator& generator, SharedState& state, RichTextBox* activeDocument,
                         QWidget* parent) {
    // The document is watched, so one closed while the dialog is up is no document.
    const QPointer<RichTextBox> document(activeDocument);
    const GenerationSnapshot before(state);
    bool finished = false;
    const bool ran = runWithProcessErrorTrap(parent, [&] {
        documentOrFail(document);

        frmProcess dialog(state, parent);
        dialog.applyLayout(generator.dialog);
        dialog.LoadProcessDefaults(generator.dialog.processNumber);
        dialog.setBoxTexts(generator.dialog.texts);
        if (generator.prefill)
            dialog.setBoxTexts(generator.prefill(state));
        if (generator.dialog.bAxisFieldsByMachine)
            dialog.ShowBAxisFields();

        const bool executed = modal::exec(&dialog) == QDialog::Accepted;
        state.gDialogAccepted = executed;
        if (!executed)
            return;
        if (dialog.readError() != 0)
            throw RuntimeError(dialog.readError());

        if (generator.build)
            generator.build(state);
        RichTextBox& target = documentOrFail(document);
        if (generator.insert)
            generator.insert(state, target);
        else
            target.setSelText(state.gOutputText);
        finished = true;
    });
    if (!ran || !finished)
        before.restore(state);
}

}  // namespace quillmar
