#pragma once

#include <QString>

namespace quillmar {

struct SharedState;

// The workpiece dialog's boxes and options as the user left them at "Exe.".
struct UgcInput {
    QString Text9{};  // P-Zero
    QString Text1{};  // Jaw Clamp
    QString Text2{};  // Jaw Deepth
    QString Text3{};  // Length OL
    QString Text5{};  // Material OD
    QString Text4{};  // Material ID
    QString Text8{};  // Center Length
    QString Text7{};  // Center Dia.
    QString Text6{};  // Center D2
    bool OD = true;           // chucked on the outer diameter ("O.D."), else on the bore
    bool SubSpindle = false;  // "Sub"
    bool Check1 = false;      // "With Center"
    bool Check2 = false;      // "With Face"
    bool Check3 = false;      // "Graphck"
};

// "Exe.": stores the work shape from the boxes, builds the user-graphic subprogram
// "OUGC" (blank, chuck jaws, optional face and tailstock centre) in gOutputText, and
// marks the graphic call wanted when "Graphck" is checked. The subprogram is built
// whether or not the graphic is wanted; the frame command decides.
//
// All or nothing: a value that overflows on the way (error 6) leaves the work shape and
// gOutputText as they were.
void executeUserGraphic(const UgcInput& input, SharedState& state);

}  // namespace quillmar
