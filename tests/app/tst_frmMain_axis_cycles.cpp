#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/documents.h"
#include "common/shared_state.h"
#include "app/frmMain.h"
#include "app/menu_tree.h"
#include "cycles/frmProcess.h"
#include "cycles/frmUGC.h"
#include "platform/key_locks.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/test_support.h"

using namespace quillmar;
using test::crlf;

namespace {

// A first run: no stored profile, the shipped cutting-condition file.
struct Fixture {
    test::TempSettings temp;
    SettingsStore settings{temp.path()};
    SharedState state;
    InProcessKeyLocks keys;
    std::unique_ptr<frmMain> w;
    test::ScriptedResponder answers;
    QStringList shown;          // the captions of the dialogs, in order
    QHash<QString, QString> typed;  // what the user types into the next process dialog
    bool cancel = false;
    QStringList offeredEndX;    // EndX of each process dialog as it came up

    Fixture() {
        settings.write("Parameter", "CsvFileName", QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/S45C.CSV"));
        w = std::make_unique<frmMain>(state, settings, keys);
        w->MDIForm_Load(QString());
        w->show();
        answers.dialogHandler = [this](QDialog* d) { return fillIn(d); };
    }
    void choose(const char* menu, int index = -1) {
        w->menus().action(QString::fromLatin1(menu), index)->trigger();
    }

    int fillIn(QDialog* dialog) {
        shown << dialog->windowTitle();
        if (auto* ugc = qobject_cast<frmUGC*>(dialog)) {
            ugc->Text9->setText(QStringLiteral("0.1"));
            ugc->Text3->setText(QStringLiteral("4"));
            ugc->Text5->setText(QStringLiteral("3"));
            ugc->Command1->click();
            return ugc->result();
        }
        auto* process = qobject_cast<frmProcess*>(dialog);
        offeredEndX << process->EndX->text();
        for (auto it = typed.cbegin(); it != typed.cend(); ++it)
            process->findChild<QLineEdit*>(it.key())->setText(it.value());
        (cancel ? process->Command2 : process->Command1)->click();
        return process->result();
    }
};

}  // namespace

class TestAxisCycleCommands : public QObject {
    Q_OBJECT

private slots:
    void aDrilledBoreIsOfferedToInnerRoughing();
    void everyCommandIsOnTheMenu();
};

void TestAxisCycleCommands::aDrilledBoreIsOfferedToInnerRoughing() {
    Fixture f;
    f.choose("mnuFileNew");
    RichTextBox* doc = f.w->activeText();
    QVERIFY(doc);
    f.choose("ProcessUGC");
    doc->setSelStart(doc->Text().indexOf(QStringLiteral("\t\r\nNEND")));

    // The drill's row holds no hole bottom, so with the defaults the drill goes from the
    // face at P-Zero 0.1 to Z0.
    f.choose("ProcessDrillHss");
    QCOMPARE(f.state.workShape.gMaterialID.value(), 0.5f);
    QVERIFY(doc->Text().contains(crlf(R"((-----< DRILL D0.5 >-----)
NOEX VTLIN[11]=22 VTLFN[11]=1 VTLA1[11]=118
NOEX VTLD[11]=0.5 VTLL[11]=20.1
N000 G00 X0 Z50 T1111 M42 S610 M03 M63 M08
NT11 G74 X0 Z0 K49.78 D0.25 F0.006
N000 G00 X500 Z500
	
)")));

    f.typed = {{"StartX", "0.75"}, {"EndZ", "-1"}};
    f.choose("ProcessRoughID");
    QCOMPARE(f.offeredEndX.last(), QStringLiteral("0.5"));
    QCOMPARE(f.state.workShape.gMaterialID.value(), 0.75f);

    const QString beforeCancel = doc->Text();
    f.cancel = true;
    f.choose("ProcessDrillU");
    QCOMPARE(doc->Text(), beforeCancel);
    QCOMPARE(f.state.workShape.gMaterialID.value(), 0.75f);
    f.cancel = false;

    f.typed = {{"StartX", "1.2"}, {"StartZ", "0.2"}, {"EndX", "1"}, {"EndZ", "-1"}};
    f.choose("ProcessThreadOD");
    f.typed = {{"EndZ", "-0.5"}};
    f.choose("SipndleTap", 2);

    QCOMPARE(f.shown, (QStringList{" Material", "Hss Drill", "I.D.Rough", "U-Drill", "O.D.Thread",
                                   "Spindle Tap (Rigide)"}));
    QVERIFY(f.answers.messages.empty());
    QVERIFY(doc->Text().endsWith(crlf(R"((-----< OD.THREAD M1*P0.05 >-----)
NOEX VTLIN[6]=13 VTLFN[6]=1 VTLA1[6]=60
NOEX VTLL[6]=1.6
N000 G00 X1.2 Z50 T0606 M42 S1140 M03 M63 M08
NT06     Z0.2
N000 G71 X0.935 Z-1 H0.065 D0.008 U0.002 F0.05
N000 G00 X200
N000     X500 Z500
	
(-----< SPINDLE TAP M0.25*P0.05 >-----)
NOEX VTLIN[15]=32 VTLFN[15]=1
NOEX VTLD[15]=0.25 VTLL[15]=20.5
N000 G00 X0 Z50 T1515 M41 S530 M03 M63 M08
NT15 G107 X0 Z-0.5 K49.8 F0.05
N000 G00 X500 Z500
	
	
NEND M02
)")));
}

void TestAxisCycleCommands::everyCommandIsOnTheMenu() {
    Fixture f;
    f.choose("mnuFileNew");
    for (const char* menu : {"ProcessThreadFace", "ProcessThreadOD", "ProcessThreadID", "ProcessDrillHss",
                             "ProcessDrillU"})
        f.choose(menu);
    f.choose("SipndleTap", 1);
    f.choose("SipndleTap", 2);
    QCOMPARE(f.shown, (QStringList{"Face Thread", "O.D.Thread", "I.D.Thread", "Hss Drill", "U-Drill",
                                   "Spindle Tap (Fulote)", "Spindle Tap (Rigide)"}));
    QVERIFY(f.answers.messages.empty());
}

QTEST_MAIN(TestAxisCycleCommands)
#include "tst_frmMain_axis_cycles.moc"
