#pragma once

// The machine profile of a test in a few words: the machine type and the options a case
// turns on; everything else keeps the profile's defaults.

#include "common/machine_profile.h"
#include "common/shared_state.h"

namespace quillmar::test {

struct Machine {
    MachineKind kind = MachineKind::Other;
    bool ospU100 = true;
    bool toolLife = false;
    bool toolShape = false;
    bool loadMonitor = false;
    bool optionalStop = false;
    short turretType = 2;
    const char* atcMacro = "M421";
    bool bothMachineFlags = false;  // MacTurn and MULTUS both set (MacTurn wins)
    double approachX = 200;
    double approachZ = 50;
};

inline constexpr MachineKind kMac = MachineKind::MacTurn;
inline constexpr MachineKind kMul = MachineKind::Multus;
inline constexpr MachineKind kOth = MachineKind::Other;

inline SharedState stateFor(const Machine& m) {
    SharedState s;
    MachineProfile& p = s.profile;
    p.gMacTurn = m.kind == MachineKind::MacTurn || m.bothMachineFlags;
    p.gMultus = m.kind == MachineKind::Multus || m.bothMachineFlags;
    p.gOspU100 = m.ospU100;
    p.gToolLife = m.toolLife;
    p.gToolShape = m.toolShape;
    p.gLoadMonitor = m.loadMonitor;
    p.gOptionalStop = m.optionalStop;
    p.gTurretType = m.turretType;
    p.gAtcMacro = QString::fromLatin1(m.atcMacro);
    p.gApproachX = m.approachX;
    p.gApproachZ = m.approachZ;
    return s;
}

}  // namespace quillmar::test
