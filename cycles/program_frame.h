#pragma once

#include <QString>

class QWidget;

namespace quillmar {

class RichTextBox;
struct SharedState;

// The parts of a program's frame, each built in gOutputText (replacing it) and returned.
// The head: door, maximum spindle speed, return to the turret-index position, panel
// check, graphic call and load monitor, closed by a TAB line.
QString programHead(SharedState& state);
// The B turret's own head for a machine with a second turret, after the A turret's
// closing lines.
QString bTurretSection(SharedState& state);
// The end of the program, opened by a TAB line and closed by "NEND M02".
QString programEnd(SharedState& state);

// The A turret's title line, written before the head on a machine with two turrets.
inline const QString kATurretLine = QStringLiteral("G13 (-----< A:TURRET >-----)\r\n");

// Process > "Material input": asks for the workpiece in frmUGC, then writes the frame
// at the caret of the active document (A-turret line, head, B-turret section and end,
// each one change) and appends the user-graphic subprogram at the end of the document
// when it was asked for. The caret is left just after the head, where the cycles go.
// Failures are reported through ShowProcessError; a document missing after the dialog
// is error 91, and the work shape and the table stay as the dialog left them.
void ProcessUGC_Click(SharedState& state, RichTextBox* activeDocument, QWidget* parent);

}  // namespace quillmar
