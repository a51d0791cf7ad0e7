#pragma once

#include <QString>
#include <QStringView>

namespace quillmar {

// What Enter in the second box of the spindle-speed or feed calculator leads to.
struct SpeedFeedOutcome {
    enum Kind {
        Insert,     // `text` goes into the document and the window closes
        FocusOnly,  // the first box is empty: the focus goes there, nothing else
        Refused,    // `message` is shown, the focus goes to `box`, nothing is inserted
    } kind = Insert;
    QString text;
    QString box;  // object name of the box to focus
    QString message;
};

// The spindle speed in revolutions per minute for cutting speed V (m/min) and diameter D
// (mm), cut down to tens: its digits.
SpeedFeedOutcome spindleSpeed(QStringView v, QStringView diameter);

// The feed per revolution for a roughness (µm, given as Ra or as Rz) and a nose radius
// (mm), in inch per revolution cut down to ten-thousandths: "F" and the number.
SpeedFeedOutcome feedFromRoughness(QStringView roughness, QStringView noseRadius, bool givenAsRa);

}  // namespace quillmar
