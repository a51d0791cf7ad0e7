#pragma once

#include "cycles/generator_runner.h"

class QWidget;

namespace quillmar {

class RichTextBox;
struct SharedState;

// In-process measuring with the machine's sensor, on the conditions of cutting row 34.
//
// The four measuring passes write a call line (without a line end) at the caret and
// append the measuring subprogram it calls at the end of the document; the caret is
// then put back where the call line begins. Call line and subprogram are both built
// before the document is touched, so a failure leaves the document as it was.
ProcessGenerator measureInsideDiameterGenerator();   // OME12
ProcessGenerator measureInsideRadiusGenerator();     // OME11
ProcessGenerator measureOutsideDiameterGenerator();  // OME02
ProcessGenerator measureOutsideRadiusGenerator();    // OME01
// The automatic zero offsets of the Z and C axes: one block at the caret.
ProcessGenerator zeroOffsetZGenerator();
ProcessGenerator zeroOffsetCGenerator();

// "Auto guge": the outside gauge's call "N000 CALL OXMS" and a line end at the caret; no
// dialog and no cutting row. No document is error 91, and then nothing changes.
void ProcessMeasuerOutside_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);

}  // namespace quillmar
