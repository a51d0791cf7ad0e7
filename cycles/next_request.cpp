#include "cycles/next_request.h"

#include "common/shared_state.h"
#include "cycles/generator_runner.h"

namespace quillmar {
namespace {

void insertRequest(SharedState& state, RichTextBox* document, QWidget* parent, const QString& request) {
    runWithProcessErrorTrap(parent, [&] {
        state.gOutputText = request;
        if (state.profile.gToolLife)
            state.gOutputText += QStringLiteral(" TG=");
        insertAtCaret(document, state.gOutputText);
    });
}

}  // namespace

void ProcessMT1_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent) {
    insertRequest(state, activeDocument, parent, QStringLiteral("N000 MT=1"));
}

void ProcessMT3_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent) {
    insertRequest(state, activeDocument, parent, QStringLiteral("N000 MT=3"));
}

}  // namespace quillmar
