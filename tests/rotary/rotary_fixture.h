#pragma once

// What the rotary-tool generator tests share: a machine profile in a few words.

#include <QObject>
#include <QString>
#include <QStringList>

#include "common/machine_profile.h"
#include "common/shared_state.h"
#include "platform/rich_text_box.h"
#include "support/documents.h"

namespace quillmar::test {

// A rotary generator's menu handler.
using Command = void (*)(SharedState&, RichTextBox*, QWidget*);

// A drilling row of the cutting-condition table: tool, coolant, V, F, D, L, U, W and C.
inline QStringList drillRow(const char* tool, const char* coolant, const char* v, const char* f, const char* d,
                            const char* l, const char* u, const char* w, const char* c) {
    return {"M-DRILL", "", tool, "0", coolant, v, f, d, l, u, w, c};
}

struct Machine {
    MachineKind kind = MachineKind::Other;
    bool ospU100 = true;
    bool toolLife = false;
    bool toolShape = false;
    bool loadMonitor = false;
    bool optionalStop = false;
    short turretType = 2;
    const char* atcMacro = "M421";
};

inline SharedState stateFor(const Machine& m) {
    SharedState s;
    s.profile.gMacTurn = m.kind == MachineKind::MacTurn;
    s.profile.gMultus = m.kind == MachineKind::Multus;
    s.profile.gOspU100 = m.ospU100;
    s.profile.gToolLife = m.toolLife;
    s.profile.gToolShape = m.toolShape;
    s.profile.gLoadMonitor = m.loadMonitor;
    s.profile.gOptionalStop = m.optionalStop;
    s.profile.gTurretType = m.turretType;
    s.profile.gAtcMacro = QString::fromLatin1(m.atcMacro);
    s.profile.gApproachX = 200;
    s.profile.gApproachZ = 50;
    s.profile.gHomeX = 500;
    s.profile.gHomeZ = 500;
    return s;
}



}  // namespace quillmar::test
