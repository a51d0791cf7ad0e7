#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "common/machine_profile.h"
#include "cycles/machine_profile_settings.h"
#include "platform/settings_store.h"

namespace quillmar {
namespace {

const QString kParameter = QStringLiteral("Parameter");

class MachineProfileSettings : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString iniPath() const { return dir.filePath(QStringLiteral("q.ini")); }
};

void expectSameProfile(const MachineProfile& a, const MachineProfile& b) {
    EXPECT_EQ(a.gMaxSpindleSpeed.value(), b.gMaxSpindleSpeed.value());
    EXPECT_EQ(a.gHomeX, b.gHomeX);
    EXPECT_EQ(a.gHomeZ, b.gHomeZ);
    EXPECT_EQ(a.gApproachX, b.gApproachX);
    EXPECT_EQ(a.gApproachZ, b.gApproachZ);
    EXPECT_EQ(a.gToolLife, b.gToolLife);
    EXPECT_EQ(a.gOspU100, b.gOspU100);
    EXPECT_EQ(a.gMacTurn, b.gMacTurn);
    EXPECT_EQ(a.gMultus, b.gMultus);
    EXPECT_EQ(a.gBTurret, b.gBTurret);
    EXPECT_EQ(a.gMeasuring, b.gMeasuring);
    EXPECT_EQ(a.gPanelCheck, b.gPanelCheck);
    EXPECT_EQ(a.gAutoDoor, b.gAutoDoor);
    EXPECT_EQ(a.gTurretType, b.gTurretType);
    EXPECT_EQ(a.gAtcMacro, b.gAtcMacro);
    EXPECT_EQ(a.gToolShape, b.gToolShape);
    EXPECT_EQ(a.gLoadMonitor, b.gLoadMonitor);
    EXPECT_EQ(a.gOptionalStop, b.gOptionalStop);
}

struct StoredText {
    const char* key;
    const char* text;
};

TEST_F(MachineProfileSettings, ChangedProfileIsStoredAsTheseTexts) {
    MachineProfile p;
    p.gMaxSpindleSpeed = 1234567.8;  // single precision keeps seven digits
    p.gHomeX = 12.5;
    p.gHomeZ = -3;
    p.gApproachX = 0.5;
    p.gApproachZ = -0.25;
    p.gToolLife = true;
    p.gOspU100 = false;
    p.gMacTurn = true;
    p.gBTurret = true;
    p.gMeasuring = true;
    p.gPanelCheck = false;
    p.gAutoDoor = true;
    p.gTurretType = 1;
    p.gAtcMacro = QStringLiteral("M321");
    p.gToolShape = false;
    p.gLoadMonitor = true;
    p.gOptionalStop = true;
    SettingsStore store(iniPath());
    saveMachineProfile(p, store);
    const StoredText expected[] = {
        {"MaxS", "1234568"},     {"HomeX", "12.5"},        {"HomeZ", "-3"},         {"AppX", "0.5"},
        {"AppZ", "-0.25"},       {"TG", "True"},           {"OSPU100", "False"},    {"MacTurn", "True"},
        {"MULTUS", "False"},     {"Bturret", "True"},      {"Measuer", "True"},     {"PanelChk", "False"},
        {"AutoDoor", "True"},    {"TurretType", "1"},      {"AtcMacroType", "M321"}, {"ToolFrom", "False"},
        {"LoadMoniter", "True"}, {"OptionalStop", "True"},
    };
    for (const StoredText& e : expected)
        EXPECT_EQ(store.read(kParameter, QString::fromLatin1(e.key), QString()), QString::fromLatin1(e.text))
            << e.key;
}

TEST_F(MachineProfileSettings, SavedProfileReadsBackUnchanged) {
    MachineProfile p;
    p.gMaxSpindleSpeed = 3000.5;
    p.gHomeX = 123.456789012345;
    p.gApproachZ = 0.1;
    p.gMultus = true;
    p.gTurretType = 1;
    p.gAtcMacro = QStringLiteral("M441");
    p.gLoadMonitor = true;
    {
        SettingsStore store(iniPath());
        saveMachineProfile(p, store);
        store.sync();
    }
    SettingsStore reopened(iniPath());
    expectSameProfile(readMachineProfile(reopened), p);
}

struct OddStoredValue {
    const char* key;
    const char* text;
};

// Texts the program never writes itself fall back to the key's default.
TEST_F(MachineProfileSettings, UnreadableStoredValuesGiveTheDefaults) {
    const OddStoredValue odd[] = {
        {"MaxS", "1E+39"}, {"HomeX", "abc"},   {"HomeZ", ""},        {"AppX", "1E+400"},
        {"AppZ", "12mm"},  {"TG", "yes"},      {"OSPU100", "maybe"}, {"TurretType", "99999"},
    };
    SettingsStore store(iniPath());
    for (const OddStoredValue& o : odd)
        store.write(kParameter, QString::fromLatin1(o.key), QString::fromLatin1(o.text));
    expectSameProfile(readMachineProfile(store), MachineProfile{});
}

TEST_F(MachineProfileSettings, AtcMacroAndTurretTypeAreKeptAsStored) {
    SettingsStore store(iniPath());
    store.write(kParameter, QStringLiteral("AtcMacroType"), QStringLiteral("m999"));
    store.write(kParameter, QStringLiteral("TurretType"), QStringLiteral("3"));
    const MachineProfile p = readMachineProfile(store);
    EXPECT_EQ(p.gAtcMacro, QStringLiteral("m999"));
    EXPECT_EQ(p.gTurretType, 3);
}

struct TypeCase {
    bool macTurn;
    bool multus;
    MachineKind kind;
    bool menus;
};

TEST(MachineType, MacTurnWinsOverMultus) {
    const TypeCase cases[] = {
        {false, false, MachineKind::Other, false},
        {true, false, MachineKind::MacTurn, true},
        {false, true, MachineKind::Multus, true},
        {true, true, MachineKind::MacTurn, true},
    };
    for (const TypeCase& c : cases) {
        MachineProfile p;
        p.gMacTurn = c.macTurn;
        p.gMultus = c.multus;
        EXPECT_EQ(MachineType(p), c.kind) << c.macTurn << c.multus;
        EXPECT_EQ(showsMachineTypeMenus(MachineType(p)), c.menus) << c.macTurn << c.multus;
    }
}

}  // namespace
}  // namespace quillmar
