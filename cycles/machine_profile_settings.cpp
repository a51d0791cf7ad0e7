#include "cycles/machine_profile_settings.h"

#include <cmath>

#include "common/format.h"
#include "platform/settings_store.h"

namespace quillmar {
namespace {

const QString kSection = QString::fromLatin1(SettingsStore::kParameter);

QString key(const char* name) { return QString::fromLatin1(name); }

// Every setting of the profile once, by its key under [Parameter], in the order they are
// written.
template <class Visit>
void forEachProfileSetting(MachineProfile& p, Visit&& visit) {
    visit("MaxS", p.gMaxSpindleSpeed);
    visit("HomeX", p.gHomeX);
    visit("HomeZ", p.gHomeZ);
    visit("AppX", p.gApproachX);
    visit("AppZ", p.gApproachZ);
    visit("TG", p.gToolLife);
    visit("OSPU100", p.gOspU100);
    visit("MacTurn", p.gMacTurn);
    visit("MULTUS", p.gMultus);
    visit("Bturret", p.gBTurret);
    visit("Measuer", p.gMeasuring);
    visit("PanelChk", p.gPanelCheck);
    visit("AutoDoor", p.gAutoDoor);
    visit("TurretType", p.gTurretType);
    visit("AtcMacroType", p.gAtcMacro);
    visit("ToolFrom", p.gToolShape);
    visit("LoadMoniter", p.gLoadMonitor);
    visit("OptionalStop", p.gOptionalStop);
}

// Reading: a missing or unreadable entry keeps the default already in the field.
void readSetting(const SettingsStore& store, const QString& k, Single& field) {
    // A number beyond single precision would turn into infinity, which no box or
    // program line may ever show.
    const double value = store.readDouble(kSection, k, field);
    if (std::isfinite(static_cast<float>(value)))
        field = Single(value);
}
void readSetting(const SettingsStore& store, const QString& k, double& field) {
    field = store.readDouble(kSection, k, field);
}
void readSetting(const SettingsStore& store, const QString& k, bool& field) {
    field = store.readBool(kSection, k, field);
}
void readSetting(const SettingsStore& store, const QString& k, short& field) {
    field = static_cast<short>(store.readShort(kSection, k, field));
}
void readSetting(const SettingsStore& store, const QString& k, QString& field) {
    field = store.read(kSection, k, field);
}

void writeSetting(SettingsStore& store, const QString& k, Single value) {
    store.write(kSection, k, profileNumberText(value));
}
void writeSetting(SettingsStore& store, const QString& k, double value) {
    store.write(kSection, k, profileNumberText(value));
}
void writeSetting(SettingsStore& store, const QString& k, bool value) { store.writeBool(kSection, k, value); }
void writeSetting(SettingsStore& store, const QString& k, short value) { store.writeNumber(kSection, k, value); }
void writeSetting(SettingsStore& store, const QString& k, const QString& value) { store.write(kSection, k, value); }

}  // namespace

MachineProfile readMachineProfile(const SettingsStore& store) {
    MachineProfile p;
    forEachProfileSetting(p, [&store](const char* name, auto& field) { readSetting(store, key(name), field); });
    return p;
}

void saveMachineProfile(const MachineProfile& profile, SettingsStore& store) {
    MachineProfile p = profile;
    forEachProfileSetting(p, [&store](const char* name, auto& field) { writeSetting(store, key(name), field); });
}

QString profileNumberText(double value) { return plainNumberText(value); }

QString profileNumberText(Single value) { return plainNumberText(value); }

}  // namespace quillmar
