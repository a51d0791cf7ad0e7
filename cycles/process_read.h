#pragma once

#include <QString>

#include "common/machine_profile.h"
#include "common/process_parameters.h"

namespace quillmar {

// The process dialog's boxes and options as the user left them.
struct ProcessDialogInput {
    QString ToolNumber, V, F, U, W, D, L, C, B, SZ;
    QString StartX, StartZ, StartC, EndX, EndZ, EndC;
    bool SpindleCW = false;  // neither spindle option selected reads as CCW
    bool CoolantON = false;
    bool M602 = true;        // tip position 0°
    bool Option1 = true;     // chamfer "C"
};

// The B-axis words of an angle on a machine with a B axis. The angle is judged by the
// value the word would show (cut to three decimals), so a word and its condition never
// disagree: 0.0004 writes nothing, 90.0004 writes " BT=1".
struct BAxisWords {
    QString shift;  // " G52" or empty
    QString code;   // empty, " BT=1" or " BA=" + angle
};
BAxisWords bAxisWords(double angle);

// Reads the dialog into a full parameter set: the six words, the sixteen numbers by the
// leading-number rule (C, StartC and EndC in single precision) and the chamfer option.
// Fails with overflow (6) on a number beyond double, or beyond single precision where
// single precision is held.
ProcessParameters readProcessParameters(const ProcessDialogInput& input, const MachineProfile& profile);

// A box value held in single precision; overflow (6) when it does not fit.
Single singleFromBox(const QString& text);

}  // namespace quillmar
