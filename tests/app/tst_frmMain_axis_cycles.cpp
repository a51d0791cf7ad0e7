#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "common/shared_state.h"
#include "cycles/frmProcess.h"
#include "cycles/frmUGC.h"
#include "platform/key_locks.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/test_support.h"

using namespace quillmar;

class TestAxisCycleCommands : public QObject {
    Q_OBJECT

private slots:
    void aDrilledBoreIsOfferedToInnerRoughing();
};

// A first run with the shipped cutting-condition file: the workpiece, a drill with the
// defaults, inner roughing from the drilled bore, a cancelled drill, and the other
// commands of the family.
void TestAxisCycleCommands::aDrilledBoreIsOfferedToInnerRoughing() {
    test::TempSettings temp;
    SettingsStore settings{temp.path()};
    settings.write("Parameter", "CsvFileName", QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/S45C.CSV"));
    SharedState state;
    InProcessKeyLocks keys;
    frmMain w(state, settings, keys);
    w.MDIForm_Load(QString());
    w.show();
    const auto choose = [&w](const char* menu, int index = -1) {
        w.menus().action(QString::fromLatin1(menu), index)->trigger();
    };
    test::ScriptedResponder answers;
    QStringList shown, offeredBore;
    bool cancel = false;
    answers.dialogHandler = [&](QDialog* d) {
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
        (cancel ? process->Command2 : process->Command1)->click();
        return d->result();
    };
    choose("mnuFileNew");
    choose("ProcessUGC");
    RichTextBox* doc = w.activeText();

    choose("ProcessDrillHss");
    QCOMPARE(state.workShape.gMaterialID.value(), 0.5f);
    choose("ProcessRoughID");
    QCOMPARE(offeredBore.last(), QStringLiteral("0.5"));
    QCOMPARE(state.workShape.gMaterialID.value(), 0.75f);

    const QString before = doc->Text();
    cancel = true;
    for (const char* menu : {"ProcessDrillU", "ProcessThreadFace", "ProcessThreadOD", "ProcessThreadID"})
        choose(menu);
    choose("SipndleTap", 1);
    choose("SipndleTap", 2);
    QCOMPARE(doc->Text(), before);
    QCOMPARE(state.workShape.gMaterialID.value(), 0.75f);
    QCOMPARE(shown, (QStringList{" Material", "Hss Drill", "I.D.Rough", "U-Drill", "Face Thread", "O.D.Thread",
                                 "I.D.Thread", "Spindle Tap (Fulote)", "Spindle Tap (Rigide)"}));
    QVERIFY(answers.messages.empty());
}

QTEST_MAIN(TestAxisCycleCommands)
#include "tst_frmMain_axis_cycles.moc"
