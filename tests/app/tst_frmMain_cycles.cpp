#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "cycles/frmProcess.h"
#include "cycles/frmProcessSetup.h"
#include "cycles/frmUGC.h"
#include "support/main_window.h"

using namespace quillmar;

namespace {

const char* const kRotaryMenus[] = {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant",
                                    "ProcessMTapSlant", "ProcessMCircle", "ProcessMPlanetTap"};

// A first run: no stored profile, the shipped cutting-condition file.
struct Fixture : test::MainWindowFixture {
    QStringList shown, offeredBore;
    bool cancel = false;
    explicit Fixture(bool startNow = true) {
        settings.write("Parameter", "CsvFileName", QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/S45C.CSV"));
        if (startNow)
            start();
        // Both dialogs as a new user fills them; every other box keeps its default.
        answers.dialogHandler = [this](QDialog* d) {
            shown << d->windowTitle();
            if (auto* ugc = qobject_cast<frmUGC*>(d)) {
                ugc->Text9->setText(QStringLiteral("0.1"));
                ugc->Text3->setText(QStringLiteral("4"));
                ugc->Text5->setText(QStringLiteral("3"));
                ugc->Command1->click();
                return ugc->result();
            }
            auto* process = static_cast<frmProcess*>(d);
            offeredBore << process->EndX->text();
            if (d->windowTitle() == QLatin1String("I.D.Rough"))
                process->StartX->setText(QStringLiteral("0.75"));
            if (d->windowTitle() == QLatin1String("O.D.Rough")) {
                process->StartX->setText(QStringLiteral("2"));
                process->EndZ->setText(QStringLiteral("-2"));
            }
            (cancel ? process->Command2 : process->Command1)->click();
            return d->result();
        };
    }
    int rotaryShown() {
        int n = 0;
        for (const char* name : kRotaryMenus)
            n += item(name)->isVisible();
        return n;
    }
};

}  // namespace

class TestCycleCommands : public QObject {
    Q_OBJECT

private slots:
    void aFirstProgramGoesBeforeTheEndOfTheFrameAndADrilledBoreIsOfferedToInnerRoughing() {
        Fixture f;
        RichTextBox* doc = f.newDocument();
        f.choose("ProcessUGC");
        f.choose("ProcessRoughOD");
        const QString text = doc->Text();
        QVERIFY(text.startsWith(QStringLiteral("NMAX G50 S2500\r\n")));
        QVERIFY(text.contains(QStringLiteral("\r\nN000 G00 X3 Z50 T010101 M41 S1020 M03 M63 M08\r\n")));
        QVERIFY(text.mid(doc->SelStart()).startsWith(QStringLiteral("\t\r\nNEND M02\r\n")));
        // A drill leaves its bore for inner roughing; cancelled commands change nothing.
        f.choose("ProcessDrillHss");
        QCOMPARE(f.state.workShape.gMaterialID.value(), 0.5f);
        f.choose("ProcessRoughID");
        QCOMPARE(f.offeredBore.last(), QStringLiteral("0.5"));
        const QString before = doc->Text();
        f.cancel = true;
        f.shown.clear();
        for (const char* menu : {"ProcessDrillU", "ProcessThreadFace", "ProcessThreadOD", "ProcessThreadID"})
            f.choose(menu);
        f.choose("SipndleTap", 1);
        f.choose("SipndleTap", 2);
        QCOMPARE(f.shown.size(), 6);
        QCOMPARE(doc->Text(), before);
        QCOMPARE(f.state.workShape.gMaterialID.value(), 0.75f);
    }

    void everyTurningCommandIsOnTheMenu() {
        Fixture f;
        RichTextBox* doc = f.newDocument();
        for (const char* menu : {"ProcessRoughOD", "ProcessRoughID", "ProcessRoughFace", "ProcessRoughFaceOD",
                                 "ProcessFinishFaceOD", "ProcessFinishFace", "ProcessFinishOD", "ProcessFinishID",
                                 "ProcessGrooveFace", "ProcessGrooveOD", "ProcessGrooveID"})
            f.choose(menu);
        QVERIFY(f.answers.messages.empty());
        QCOMPARE(doc->Text().count(QStringLiteral(" >-----)")), 11);
    }

    void theStoredMachineDecidesTheRotaryMenusAndSetupChangesThem() {
        Fixture stored(false);
        stored.settings.write("Parameter", "MacTurn", "True");
        stored.start(false);
        QCOMPARE(stored.rotaryShown(), 6);
        Fixture f(false);
        f.start(false);
        QCOMPARE(f.rotaryShown(), 0);
        bool cancel = false;
        f.answers.dialogHandler = [&cancel](QDialog* d) {
            auto* dialog = qobject_cast<frmProcessSetup*>(d);
            (cancel ? dialog->mcOther : dialog->mcMULTUS)->click();
            (cancel ? dialog->Command2 : dialog->Command1)->click();
            return dialog->result();
        };
        f.choose("ProcessSetup");
        QCOMPARE(f.rotaryShown(), 6);
        QCOMPARE(SettingsStore(f.temp.path()).read("Parameter", "MULTUS", ""), QStringLiteral("True"));
        cancel = true;
        f.choose("ProcessSetup");
        QCOMPARE(MachineType(f.state.profile), MachineKind::Multus);
    }

    // Machine setup, workpiece and process dialogs: a title and no window buttons, at a size
    // of their own.
    void theDialogsTitleBarsCarryNoButtons() {
        Fixture f;
        f.newDocument();
        QStringList seen, wrong;
        f.answers.dialogHandler = [&](QDialog* d) {
            seen << d->objectName();
            d->show();
            const Qt::WindowFlags flags = d->windowFlags();
            const Qt::WindowFlags buttons = Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                            Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
            if (!flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint) || (flags & buttons) ||
                d->minimumSize() != d->maximumSize())
                wrong << d->objectName();
            d->reject();
            return QDialog::Rejected;
        };
        for (const char* menu : {"ProcessSetup", "ProcessUGC", "ProcessRoughOD"})
            f.choose(menu);
        QCOMPARE(seen, (QStringList{"frmProcessSetup", "frmUGC", "frmProcess"}));
        QCOMPARE(wrong, QStringList());
    }
};

QTEST_MAIN(TestCycleCommands)
#include "tst_frmMain_cycles.moc"
