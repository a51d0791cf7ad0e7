#include <QAction>
#include <QCheckBox>
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
#include "support/main_window.h"
#include "support/test_support.h"

using namespace quillmar;
using test::crlf;

namespace {


// A first run: no stored profile, the shipped cutting-condition file.
struct Fixture : test::MainWindowFixture {
    Fixture() {
        settings.write("Parameter", "CsvFileName", QStringLiteral(QUILLMAR_SOURCE_DIR "/resources/beside/S45C.CSV"));
        start();
    }
};

// Both dialogs as a new user fills them.
int fillIn(QDialog* dialog) {
    if (auto* ugc = qobject_cast<frmUGC*>(dialog)) {
        ugc->Text9->setText(QStringLiteral("0.1"));
        ugc->Text3->setText(QStringLiteral("4"));
        ugc->Text5->setText(QStringLiteral("3"));
        ugc->Check3->click();
        ugc->Text1->setText(QStringLiteral("0.5"));
        ugc->Text2->setText(QStringLiteral("0.25"));
        ugc->Command1->click();
        return ugc->result();
    }
    auto* process = qobject_cast<frmProcess*>(dialog);
    process->StartX->setText(QStringLiteral("2"));
    process->EndZ->setText(QStringLiteral("-2"));
    process->Command1->click();
    return process->result();
}

}  // namespace

class TestCycleCommands : public QObject {
    Q_OBJECT

private slots:
    void aNewUsersFirstProgram();
    void everyRoughingCommandIsOnTheMenu();
    void everyFinishingAndGroovingCommandIsOnTheMenu();
};

void TestCycleCommands::aNewUsersFirstProgram() {
    Fixture f;
    QCOMPARE(f.state.gCuttingTable.cell(5, 6), QStringLiteral("600"));
    f.choose("mnuFileNew");
    RichTextBox* doc = f.w().activeText();
    QVERIFY(doc);

    QStringList shown;
    f.answers.dialogHandler = [&shown](QDialog* d) {
        shown << d->windowTitle();
        return fillIn(d);
    };
    f.choose("ProcessUGC");
    f.choose("ProcessRoughOD");

    QCOMPARE(shown, (QStringList{" Material", "O.D.Rough"}));
    QVERIFY(f.answers.messages.empty());
    const QString head = crlf(R"(NMAX G50 S2500
N000 G00 X500 Z500
N000 CALL OPCHK (PANEL CHECK)
N000 CALL OUGC  (GRAPHIC DATA)
	
)");
    const QString rough = crlf(R"((-----< OD.ROUGH >-----)
NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=55
NOEX VTLA2[1]=3 VTLL[1]=1.6
N000 G00 X3 Z50 T010101 M41 S1020 M03 M63 M08
NT01     Z0.08 G96 S600
N000 G85 NAP2 D0.1 U0.02 W0.005 F0.012
NAP2 G81
N000 G00 X1.92
N000 G01 Z0.02 G42 F0.006
N000     X2 A135
N000     Z-2
N000     X2.96
N000     X3 A135
N000 G40 K-1
N000 G80
N000 G00 X500 Z500 G97 S1020 M63
	
)");
    const QString end = crlf(R"(	
NEND M02
	
----------< USER GRAPHIC COMMAND >----------
OUGC
NOEX VCHKX=3 VCHKZ=-3.9
NOEX VCHKD=0.25 VCHKL=0.5
NOEX VWKR=393
N000 CLEAR
N000 DEF WORK
N000 PS RC,[1,0],[40,30]
N000 END
N000 DRAW
NRTS RTS
)");
    QCOMPARE(doc->Text(), head + rough + end);
    QCOMPARE(doc->SelStart(), qint64(head.size() + rough.size()));
    QVERIFY(doc->Modified());
}

void TestCycleCommands::everyRoughingCommandIsOnTheMenu() {
    Fixture f;
    f.choose("mnuFileNew");
    RichTextBox* doc = f.w().activeText();
    QStringList captions;
    f.answers.dialogHandler = [&captions](QDialog* d) {
        captions << d->windowTitle();
        static_cast<frmProcess*>(d)->Command1->click();
        return d->result();
    };
    for (const char* menu : {"ProcessRoughOD", "ProcessRoughID", "ProcessRoughFace", "ProcessRoughFaceOD"})
        f.choose(menu);
    QCOMPARE(captions, (QStringList{"O.D.Rough", "I.D.Rough", "O.D.Rough face", "Face Rough"}));
    const QString text = doc->Text();
    QCOMPARE(text.count(QStringLiteral("(-----< OD.ROUGH >-----)")), 2);
    QCOMPARE(text.count(QStringLiteral("(-----< ID.ROUGH >-----)")), 1);
    QCOMPARE(text.count(QStringLiteral("(-----< OD.ROUGH FACE >-----)")), 1);
    QVERIFY(f.answers.messages.empty());
}

// With the shipped rows and nothing typed every command writes its block: a start X of 0
// works out the speed on 6 or 4 mm, and a groove has no width.
void TestCycleCommands::everyFinishingAndGroovingCommandIsOnTheMenu() {
    Fixture f;
    f.choose("mnuFileNew");
    QStringList captions;
    f.answers.dialogHandler = [&captions](QDialog* d) {
        captions << d->windowTitle();
        static_cast<frmProcess*>(d)->Command1->click();
        return d->result();
    };
    for (const char* menu : {"ProcessFinishFaceOD", "ProcessFinishFace", "ProcessFinishOD", "ProcessFinishID",
                             "ProcessGrooveFace", "ProcessGrooveOD", "ProcessGrooveID"})
        f.choose(menu);
    QCOMPARE(captions, (QStringList{"Face & O.D.Finish", "O.D. & Face Finish", "O.D.Finish", "I.D.Finish",
                                    "Face Groove", "O.D.Groove", "I.D.Groove"}));
    const QString text = f.w().activeText()->Text();
    for (const char* header : {"OD.FINISH FACE", "ID.FINISH", "OD.GROOVE FACE W0", "OD.GROOVE W0", "ID.GROOVE W0"})
        QCOMPARE(text.count(QStringLiteral("(-----< %1 >-----)").arg(QLatin1String(header))), 1);
    QCOMPARE(text.count(QStringLiteral("(-----< OD.FINISH >-----)")), 2);
    QVERIFY(f.answers.messages.empty());
}

QTEST_MAIN(TestCycleCommands)
#include "tst_frmMain_cycles.moc"
