#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "common/single.h"

namespace quillmar {

// A text for one control of the process dialog, by its object name ("LabelD", "U").
struct ControlText {
    QString control;
    QString text;
};

// How a generator adapts the process dialog to its cycle, as data. The dialog starts in
// its design state for every run, so a layout lists only what differs from it.
struct ProcessDialogLayout {
    QString caption;
    int processNumber = 0;       // the cutting-condition row that fills the defaults
    QList<ControlText> captions; // label captions (frames: their titles)
    QStringList hidden;          // controls hidden for this cycle
    QStringList shown;           // controls hidden at design that this cycle shows
    QList<ControlText> toolTips;
    QList<ControlText> texts;    // fixed box texts, written after the defaults
    // Whether the B-axis fields follow the machine type (turning, drilling and measuring
    // cycles); the others show or hide them through `shown` and `hidden`.
    bool bAxisFieldsByMachine = true;
    // Whether leaving B relabels the end C box: "X" when B is 90, "Z" otherwise (tilted
    // cycles whose end point lies along the tool axis).
    bool relabelEndCOnB = false;
};

// The text a generator pre-fills into a box: shortest decimal text, no leading blank,
// a 0 before the point below 1; up to 15 significant digits for a double and 7 for a
// single-precision value (1.114, not 1.11399996757507).
QString boxText(double value);
QString boxText(Single value);

}  // namespace quillmar
