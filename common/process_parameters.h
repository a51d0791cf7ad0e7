#pragma once

#include <QString>

#include "common/single.h"

namespace quillmar {

// What the process dialog's Execute read from its boxes and options, for the generator
// that showed it; empty and zero until the first Execute. The values stay until the next
// Execute; formatting a value cuts it in place, so a later line of the same block sees
// what an earlier line wrote.
struct ProcessParameters {
    QString gSpindleCode;  // " M03 M63" / " M04 M63"
    QString gCoolantCode;  // " M08" / " M09"
    QString gTipCode;     // " M602" / " M603" on machines with a B axis
    QString gBAxisShift;  // " G52" for a B angle other than 0 and 90
    QString gBAxisCode;   // "", " BT=1" or " BA=" + angle
    QString gM263Code;    // " M263" on MULTUS

    double gToolNo = 0;
    double gParamV = 0;
    double gParamF = 0;
    double gParamU = 0;
    double gParamW = 0;
    double gParamD = 0;
    double gParamL = 0;
    Single gParamC;
    double gParamB = 0;
    double gParamSZ = 0;
    double gStartX = 0;
    double gStartZ = 0;
    Single gStartC;
    double gEndX = 0;
    double gEndZ = 0;
    Single gEndC;
    bool gProcessOption1 = false;  // "C" (chamfer) rather than "R" was chosen
};

}  // namespace quillmar
