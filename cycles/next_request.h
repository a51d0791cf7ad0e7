#pragma once

class QWidget;

namespace quillmar {

class RichTextBox;
struct SharedState;

// Process > Next Request > "Ｌ-Tool" and "Ｍ-Tool": put a bare tool-change request
// ("N000 MT=1" or "N000 MT=3", with " TG=" under tool life) at the caret of the active
// document, without a line end, for the user to complete. No document: error 91.
void ProcessMT1_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);
void ProcessMT3_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);

}  // namespace quillmar
