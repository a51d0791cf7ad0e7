#pragma once

#include "cycles/generator_runner.h"

class QWidget;

namespace quillmar {

class RichTextBox;
struct SharedState;

// Tapping on the spindle centre line with the Spindle Tap menu's two items: index 1 a
// floating tap (G77, or G78 against the clock), any other index a rigid tap (G107 or
// G108, with a start angle). Both take the defaults of row 20, which the face tapping of
// a rotary tool shares.
ProcessGenerator spindleTapGenerator(int index);

// The handler of both items of the menu array "SipndleTap".
void SipndleTap_Click(int Index, SharedState& state, RichTextBox* activeDocument, QWidget* parent);

}  // namespace quillmar
