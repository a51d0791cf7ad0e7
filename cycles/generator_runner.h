#pragma once

#include <QList>
#include <functional>

#include "cycles/process_dialog_layout.h"

class QWidget;

namespace quillmar {

class RichTextBox;
struct SharedState;

// One cycle generator on the process dialog.
struct ProcessGenerator {
    ProcessDialogLayout dialog;
    // Box texts of the generator's own (from the work shape or remembered values),
    // written after the defaults and the layout's fixed texts.
    std::function<QList<ControlText>(const SharedState&)> prefill;
    // Runs once the dialog was executed: computes from state.params and builds the block
    // in state.gOutputText (ProgramText). Throws RuntimeError on a failure.
    std::function<void(SharedState&)> build;
    // Writes into the document; when empty, gOutputText replaces the selection.
    std::function<void(SharedState&, RichTextBox&)> insert;
};

// One row of a generator table: the menu entry that runs the generator and how to make
// it. The entry of a menu array makes the generator of the item chosen, by its index.
struct GeneratorEntry {
    const char* menu;
    ProcessGenerator (*make)() = nullptr;
    ProcessGenerator (*makeItem)(int index) = nullptr;

    ProcessGenerator generator(int index) const { return make ? make() : makeItem(index); }
};

// Runs a generator from its menu command: with no document it reports error 91 before
// anything else; otherwise it creates a fresh dialog, lays it out, loads the defaults,
// pre-fills, shows it modally, and once executed builds and inserts the block as one
// change. Cancel, Escape or closing the window end the run with nothing changed. Every
// failure on the way is reported through ShowProcessError and inserts nothing.
void runProcessGenerator(const ProcessGenerator& generator, SharedState& state, RichTextBox* activeDocument,
                         QWidget* parent);

// Runs a command body under the generators' failure trap: a RuntimeError, or any other
// failure, is reported through ShowProcessError. True when the body ran to its end.
bool runWithProcessErrorTrap(QWidget* parent, const std::function<void()>& body);

// Replaces the document's selection with the text (inserting at the caret when nothing
// is selected) as one change; no document is error 91.
void insertAtCaret(RichTextBox* document, const QString& text);

}  // namespace quillmar
