#include "cycles/machine_profile_settings.h"

#include <cmath>

#include "common/format.h"
#include "platform/settings_store.h"

namespace quillmar {
namespace {

const QString kSection = QString::fromLatin1(SettingsStore::kParameter);

QString key(const char* name) { return QString::fromLatin1(name); }

}  // namespace

MachineProfile readMachineProfile(const SettingsStore& store) {
    const MachineProfile defaults;
    MachineProfile p;
    // A number beyond single precision would turn into infinity, which no box or
    // program line may ever show.
    const double maxS = store.readDouble(kSection, key("MaxS"), defaults.gMaxSpindleSpeed);
    if (std::isfinite(static_cast<float>(maxS)))
        p.gMaxSpindleSpeed = Single(maxS);
    p.gHomeX = store.readDouble(kSection, key("HomeX"), defaults.gHomeX);
    p.gHomeZ = store.readDouble(kSection, key("HomeZ"), defaults.gHomeZ);
    p.gApproachX = store.readDouble(kSection, key("AppX"), defaults.gApproachX);
    p.gApproachZ = store.readDouble(kSection, key("AppZ"), defaults.gApproachZ);
    p.gToolLife = store.readBool(kSection, key("TG"), defaults.gToolLife);
    p.gOspU100 = store.readBool(kSection, key("OSPU100"), defaults.gOspU100);
    p.gMacTurn = store.readBool(kSection, key("MacTurn"), defaults.gMacTurn);
    p.gMultus = store.readBool(kSection, key("MULTUS"), defaults.gMultus);
    p.gBTurret = store.readBool(kSection, key("Bturret"), defaults.gBTurret);
    p.gMeasuring = store.readBool(kSection, key("Measuer"), defaults.gMeasuring);
    p.gPanelCheck = store.readBool(kSection, key("PanelChk"), defaults.gPanelCheck);
    p.gAutoDoor = store.readBool(kSection, key("AutoDoor"), defaults.gAutoDoor);
    p.gTurretType = static_cast<short>(store.readShort(kSection, key("TurretType"), defaults.gTurretType));
    p.gAtcMacro = store.read(kSection, key("AtcMacroType"), defaults.gAtcMacro);
    p.gToolShape = store.readBool(kSection, key("ToolFrom"), defaults.gToolShape);
    p.gLoadMonitor = store.readBool(kSection, key("LoadMoniter"), defaults.gLoadMonitor);
    p.gOptionalStop = store.readBool(kSection, key("OptionalStop"), defaults.gOptionalStop);
    return p;
}

void saveMachineProfile(const MachineProfile& p, SettingsStore& store) {
    store.write(kSection, key("MaxS"), profileNumberText(p.gMaxSpindleSpeed));
    store.write(kSection, key("HomeX"), profileNumberText(p.gHomeX));
    store.write(kSection, key("HomeZ"), profileNumberText(p.gHomeZ));
    store.write(kSection, key("AppX"), profileNumberText(p.gApproachX));
    store.write(kSection, key("AppZ"), profileNumberText(p.gApproachZ));
    store.writeBool(kSection, key("TG"), p.gToolLife);
    store.writeBool(kSection, key("OSPU100"), p.gOspU100);
    store.writeBool(kSection, key("MacTurn"), p.gMacTurn);
    store.writeBool(kSection, key("MULTUS"), p.gMultus);
    store.writeBool(kSection, key("Bturret"), p.gBTurret);
    store.writeBool(kSection, key("Measuer"), p.gMeasuring);
    store.writeBool(kSection, key("PanelChk"), p.gPanelCheck);
    store.writeBool(kSection, key("AutoDoor"), p.gAutoDoor);
    store.writeNumber(kSection, key("TurretType"), p.gTurretType);
    store.write(kSection, key("AtcMacroType"), p.gAtcMacro);
    store.writeBool(kSection, key("ToolFrom"), p.gToolShape);
    store.writeBool(kSection, key("LoadMoniter"), p.gLoadMonitor);
    store.writeBool(kSection, key("OptionalStop"), p.gOptionalStop);
}

QString profileNumberText(double value) { return plainNumberText(value); }

QString profileNumberText(Single value) { return plainNumberText(value); }

}  // namespace quillmar
