#pragma once

#include "cycles/generator_runner.h"

class QWidget;

namespace quillmar {

class RichTextBox;
struct SharedState;

// The three threading cycles of Process > Thread: a call of the control's threading
// cycle, G71 along Z for an outer (row 15) or inner (row 16) thread and G72 on the face
// (row 14), with the thread's end, depth, first cut, allowance, chamfer, number of
// threads and pitch.
ProcessGenerator threadFaceGenerator();
ProcessGenerator threadOuterGenerator();
ProcessGenerator threadInnerGenerator();

// The menu commands "Face", "O.D." and "I.D.".
void ProcessThreadFace_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);
void ProcessThreadOD_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);
void ProcessThreadID_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);

}  // namespace quillmar
