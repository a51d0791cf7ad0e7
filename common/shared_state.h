#pragma once

#include <QString>
#include <optional>

#include "common/cutting_conditions.h"
#include "common/machine_profile.h"
#include "common/process_parameters.h"
#include "common/work_shape.h"

namespace quillmar {

// The program's module-level state, one object owned by the application and handed to
// the code that needs it. Names keep the g prefix the rest of the program knows them by.
struct SharedState {
    // Settings read at start-up and written back at exit.
    QString gOpenDir;
    QString gInsertDir;
    QString gSaveDir;
    QString gTextFontName;
    long gTextFontSize = 12;
    QString gPrintFontName;
    long gPrintFontSize = 11;
    int gPrintOrientation = 1;  // 1 portrait, 2 landscape
    long gPrintLeft = 10;       // millimetres
    long gPrintRight = 0;       // millimetres
    int gPrintLineMode = 1;     // 1 one column, 2 two columns
    QString gCsvDir;
    QString gCsvFileName;

    MachineProfile profile;
    CuttingConditionTable gCuttingTable;
    // True when the process, machine-setup or workpiece dialog last closed with its OK button.
    bool gDialogAccepted = false;

    // Cycle generation: the parameters of the last executed process dialog, the block
    // being built, and the spindle speed of the last cycle that computed one (a cycle
    // that skips the computation writes the previous value).
    ProcessParameters params;
    QString gOutputText;
    double gSpindleSpeed = 0;
    WorkShape workShape;

    // The zero shift X of the last executed tilted-plane rotary cycle, offered again by the
    // next one; empty until the first.
    std::optional<Single> gLastShiftX;

    bool gWindowsNeedArrange = false;
    bool gAutoNumber = false;  // automatic block numbering while typing
};

}  // namespace quillmar
