#pragma once

#include <QString>
#include <array>

#include "common/single.h"

namespace quillmar {

// The one machine for which every block is generated. Positions are in the program's
// length unit, X values are diameters.
//
// Generators write these values through copies (FormatCoordValue), never through the
// fields themselves: the profile must keep exactly what the user entered, so that a
// later "Set" saves it unchanged.
struct MachineProfile {
    Single gMaxSpindleSpeed = 2500;
    double gHomeX = 500;  // turret-index position
    double gHomeZ = 500;
    double gApproachX = 200;
    double gApproachZ = 50;
    bool gToolLife = false;
    bool gOspU100 = true;
    bool gMacTurn = false;
    bool gMultus = false;
    bool gBTurret = false;
    bool gMeasuring = false;
    bool gPanelCheck = true;
    bool gAutoDoor = false;
    short gTurretType = 2;  // 1 = H1, any other value H2
    QString gAtcMacro = QStringLiteral("M421");
    bool gToolShape = true;
    bool gLoadMonitor = false;
    bool gOptionalStop = false;
};

enum class MachineKind { MacTurn, Multus, Other };

// The machine type is derived, never stored; MacTurn wins over MULTUS should both
// flags ever be set.
inline MachineKind MachineType(const MachineProfile& profile) {
    if (profile.gMacTurn)
        return MachineKind::MacTurn;
    if (profile.gMultus)
        return MachineKind::Multus;
    return MachineKind::Other;
}

// Whether the machine has the B axis, the tool changer and the tilted plane that
// the machine-type menus write for.
constexpr bool showsMachineTypeMenus(MachineKind kind) { return kind != MachineKind::Other; }

// The main-window menu items shown only for MacTurn and MULTUS, in the order the
// machine setup sets them.
inline constexpr std::array<const char*, 6> kMachineTypeMenus = {
    "ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant",
    "ProcessMTapSlant", "ProcessMCircle", "ProcessMPlanetTap",
};

}  // namespace quillmar
