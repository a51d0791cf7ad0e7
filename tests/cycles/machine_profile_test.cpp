#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "common/machine_profile.h"
#include "cycles/machine_profile_settings.h"
#include "platform/settings_store.h"

namespace quillmar {
namespace {

const QString kParameter = QStringLiteral("Parameter");

// Every field's key and text; single precision keeps seven digits.
TEST(MachineProfileSettings, SavesEveryFieldAndReadsItBack) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("q.ini"));
    MachineProfile p;
    p.gMaxSpindleSpeed = 1234567.8;
    p.gHomeX = 123.456789012345;
    p.gHomeZ = -3;
    p.gApproachX = 0.5;
    p.gApproachZ = 0.1;
    p.gToolLife = p.gMacTurn = p.gBTurret = p.gMeasuring = p.gAutoDoor = p.gLoadMonitor = p.gOptionalStop = true;
    p.gOspU100 = p.gPanelCheck = p.gToolShape = false;
    p.gTurretType = 1;
    p.gAtcMacro = QStringLiteral("M321");
    {
        SettingsStore store(ini);
        saveMachineProfile(p, store);
        const std::pair<const char*, const char*> expected[] = {
            {"MaxS", "1234568"},     {"HomeX", "123.456789012345"}, {"HomeZ", "-3"},         {"AppX", "0.5"},
            {"AppZ", "0.1"},         {"TG", "True"},                {"OSPU100", "False"},    {"MacTurn", "True"},
            {"MULTUS", "False"},     {"Bturret", "True"},           {"Measuer", "True"},     {"PanelChk", "False"},
            {"AutoDoor", "True"},    {"TurretType", "1"},           {"AtcMacroType", "M321"}, {"ToolFrom", "False"},
            {"LoadMoniter", "True"}, {"OptionalStop", "True"},
        };
        for (auto [key, text] : expected)
            EXPECT_EQ(store.read(kParameter, QString::fromLatin1(key), QString()), QString::fromLatin1(text)) << key;
        store.sync();
    }
    SettingsStore reopened(ini);
    const MachineProfile q = readMachineProfile(reopened);
    EXPECT_EQ(q.gMaxSpindleSpeed.value(), 1234568.0f);
    EXPECT_EQ(q.gHomeX, p.gHomeX);
    EXPECT_EQ(q.gApproachZ, 0.1);
    EXPECT_TRUE(q.gMacTurn && !q.gMultus && !q.gOspU100 && q.gOptionalStop && q.gAutoDoor);
    EXPECT_EQ(q.gTurretType, 1);
    EXPECT_EQ(q.gAtcMacro, QStringLiteral("M321"));
}

// Texts the program never writes itself fall back to the key's default; the ATC macro
// and turret type are kept as stored.
TEST(MachineProfileSettings, UnreadableStoredValuesGiveTheDefaults) {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("q.ini")));
    const std::pair<const char*, const char*> odd[] = {
        {"MaxS", "1E+39"}, {"HomeX", "abc"}, {"AppX", "1E+400"}, {"AppZ", "12mm"}, {"OSPU100", "maybe"},
        {"AtcMacroType", "m999"}, {"TurretType", "3"},
    };
    for (auto [key, text] : odd)
        store.write(kParameter, QString::fromLatin1(key), QString::fromLatin1(text));
    const MachineProfile p = readMachineProfile(store), defaults;
    EXPECT_EQ(p.gMaxSpindleSpeed.value(), defaults.gMaxSpindleSpeed.value());
    EXPECT_EQ(p.gHomeX, defaults.gHomeX);
    EXPECT_EQ(p.gApproachX, defaults.gApproachX);
    EXPECT_EQ(p.gApproachZ, defaults.gApproachZ);
    EXPECT_EQ(p.gOspU100, defaults.gOspU100);
    EXPECT_EQ(p.gAtcMacro, QStringLiteral("m999"));
    EXPECT_EQ(p.gTurretType, 3);
}

}  // namespace
}  // namespace quillmar
