#pragma once

#include "cycles/generator_runner.h"

class QWidget;

namespace quillmar {

class RichTextBox;
struct SharedState;

// Process > "M-Tap" > "Face", "Side" and "Y/B Cutting": a tapping block for a driven tap
// (G178 in feed per revolution, the pitch as the feed, closed by G180) at the caret of
// the active document. No document is error 91, a tap size of 0 error 11.
ProcessGenerator faceTapGenerator();
ProcessGenerator sideTapGenerator();
ProcessGenerator slantTapGenerator();
void ProcessMTapFace_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);
void ProcessMTapSide_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);
void ProcessMTapSlant_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);

}  // namespace quillmar
