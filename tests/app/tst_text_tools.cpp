#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "common/shared_state.h"
#include "app/frmDocument.h"
#include "app/frmMain.h"
#include "app/text_tools/frmFind.h"
#include "app/text_tools/frmReplace.h"
#include "app/text_tools/frmSizeShift.h"
#include "platform/key_locks.h"
#include "platform/modal.h"
#include "platform/rich_text_box.h"
#include "platform/settings_store.h"
#include "support/test_support.h"

using namespace quillmar;

namespace {

const QColor kRed(255, 0, 0);

struct Fixture {
    test::TempSettings temp;
    SettingsStore settings{temp.path()};
    SharedState state;
    InProcessKeyLocks keys;
    frmMain w{state, settings, keys};
    test::ScriptedResponder answers;
    int changes = 0;  // changes of the text of documents made by newDocument

    Fixture() {
        w.MDIForm_Load(QString());
        w.show();
    }
    // A new document holding the text, the caret at the start, its changes counted from here.
    RichTextBox* newDocument(const QString& text) {
        w.mnuFileNew_Click();
        RichTextBox* t = w.activeText();
        t->setText(text);
        t->setSelStart(0);
        QObject::connect(t, &RichTextBox::contentChanged, [this](const TextChange&) { ++changes; });
        changes = 0;
        return t;
    }
    template <class Window>
    Window* open(const char* command, const char* windowClass) {
        w.runCommand(QString::fromLatin1(command));
        auto* window = qobject_cast<Window*>(w.toolWindow(QString::fromLatin1(windowClass)));
        if (window)
            window->show();
        return window;
    }
    frmFind* openFind() { return open<frmFind>("mnuSearchFind", "frmFind"); }
    frmReplace* openReplace() { return open<frmReplace>("mnuSearchReplace", "frmReplace"); }
    frmSizeShift* openSizeShift() { return open<frmSizeShift>("mnuToolsSizeShift", "frmSizeShift"); }
    // Presses a button and returns the message it showed (empty when none).
    QString press(QPushButton* button) {
        const size_t before = answers.messages.size();
        answers.answerMessage(modal::kOk);
        button->click();
        if (answers.messages.size() == before) {
            answers.messageAnswers.clear();
            return QString();
        }
        return answers.messages.back().text;
    }
    QString lastTitle() const { return answers.messages.back().title; }
    int lastStyle() const { return answers.messages.back().style; }
};

QString crlf(const char* text) { return QString::fromUtf8(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")); }

std::pair<qint64, qint64> selection(const RichTextBox* t) { return {t->SelStart(), t->SelLength()}; }
using Sel = std::pair<qint64, qint64>;

}  // namespace

class TextToolsTest : public QObject {
    Q_OBJECT

private slots:
    void findCountsHitsThenStartsOverFromTheTop() {
        Fixture f;
        RichTextBox* t = f.newDocument(crlf("G01 X1\nG01 X2\nG00"));
        frmFind* find = f.openFind();
        QVERIFY(!find->NextFind->isEnabled());
        find->txtFind->setText("G01");
        QVERIFY(find->NextFind->isEnabled());
        QCOMPARE(f.press(find->NextFind), QString());
        QCOMPARE(selection(t), Sel(0, 3));
        QCOMPARE(t->colorAt(1), kRed);
        QVERIFY(t->boldAt(1));
        QVERIFY(!find->Check1->isChecked());
        QCOMPARE(f.press(find->NextFind), QString());
        QCOMPARE(selection(t), Sel(8, 3));
        QVERIFY(t->colorAt(1) != kRed);  // the previous hit is plain again
        QCOMPARE(f.press(find->NextFind), QStringLiteral("2 回 見つかりました。"));
        QCOMPARE(f.lastTitle(), QStringLiteral("検索"));
        QCOMPARE(f.lastStyle(), modal::kOkOnly);
        QVERIFY(find->Check1->isChecked());
        QCOMPARE(f.press(find->NextFind), QString());
        QCOMPARE(selection(t), Sel(0, 3));
        // A new find text keeps the count.
        find->txtFind->setText("g01");
        QCOMPARE(f.press(find->NextFind), QStringLiteral("1 回 見つかりました。"));
        QCOMPARE(f.press(find->NextFind), QStringLiteral("\"g01\" は見つかりませんでした。"));
        // Cancel leaves the last hit selected, in plain colour and weight.
        find->txtFind->setText("X2");
        f.press(find->NextFind);
        QCOMPARE(selection(t), Sel(12, 2));
        find->Cancel->click();
        QCOMPARE(selection(t), Sel(12, 2));
        QVERIFY(t->colorAt(12) != kRed);
        QVERIFY(!t->boldAt(12));
        QTRY_VERIFY(!f.w.toolWindow("frmFind"));
    }

    void openingTakesTheSelectionAsFindText() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("G00 X10. G01 X20."));
        t->select(4, 1);
        frmReplace* replace = f.openReplace();
        QCOMPARE(replace->txtFind->text(), QStringLiteral("X"));
        QVERIFY(replace->Change->isDefault());
        t->setSelStart(3);
        f.w.mnuSearchReplace_Click();
        QCOMPARE(replace->txtFind->text(), QString());
        QVERIFY(!replace->Change->isEnabled());
        QVERIFY(!replace->Change->isDefault());
        QCOMPARE(f.w.documents().gSearchPos, 3);
    }

    void findNextFindsOverlappingHitsAndLeavesThemPlain() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("AAA"));
        // Before any search the find text is empty, and it never matches.
        f.answers.answerMessage(modal::kOk);
        f.w.runCommand("mnuSearchNextFind");
        QCOMPARE(f.answers.messages.back().text, QStringLiteral("\"\"は見つかりませんでした。"));
        frmFind* find = f.openFind();
        find->txtFind->setText("AA");
        f.press(find->NextFind);
        QCOMPARE(selection(t), Sel(0, 2));
        f.w.runCommand("mnuSearchNextFind");
        QCOMPARE(selection(t), Sel(1, 2));
        QVERIFY(t->colorAt(1) != kRed);
        find->Check1->setChecked(false);
        f.answers.answerMessage(modal::kOk);
        f.w.runCommand("mnuSearchNextFind");
        QCOMPARE(f.answers.messages.back().text, QStringLiteral("2回 見つかりました。"));
        QCOMPARE(f.answers.messages.back().title, QStringLiteral("検索"));
        QVERIFY(find->Check1->isChecked());
    }

    void findNextTicksAFindWindowItLoadsHidden() {
        Fixture f;
        f.newDocument(QStringLiteral("G01"));
        frmReplace* replace = f.openReplace();
        replace->txtFind->setText("Z");
        f.answers.answerMessage(modal::kOk);
        f.w.mnuSearchNextFind_Click();
        QCOMPARE(f.answers.messages.back().text, QStringLiteral("\"Z\"は見つかりませんでした。"));
        auto* find = qobject_cast<frmFind*>(f.w.toolWindow("frmFind"));
        QVERIFY(find);
        QVERIFY(!find->isVisible());
        QVERIFY(find->Check1->isChecked());
    }

    void replaceCycleChangesOneHitPerPressAndOneUndoStepEach() {
        Fixture f;
        const QString original = crlf("G01 X1\nG01 X2\nG01 X3");
        RichTextBox* t = f.newDocument(original);
        frmReplace* r = f.openReplace();
        r->txtFind->setText("G01");
        r->txtReplace->setText("G1");
        QVERIFY(r->Change->isDefault());
        QCOMPARE(f.press(r->Change), QString());  // the first press only finds
        QCOMPARE(t->Text(), original);
        QCOMPARE(selection(t), Sel(0, 3));
        QCOMPARE(f.press(r->Change), QString());
        QCOMPARE(selection(t), Sel(7, 3));
        QCOMPARE(f.press(r->Change), QString());
        QCOMPARE(f.press(r->Change), QStringLiteral("3 回　変更しました。"));
        QCOMPARE(f.lastTitle(), QStringLiteral("置き換え"));
        QCOMPARE(t->Text(), crlf("G1 X1\nG1 X2\nG1 X3"));
        QCOMPARE(f.changes, 3);
        QVERIFY(r->Check1->isChecked());
        f.w.mnuEditUndo_Click();
        QCOMPARE(t->Text(), crlf("G1 X1\nG1 X2\nG01 X3"));
        f.w.mnuEditUndo_Click();
        f.w.mnuEditUndo_Click();
        QCOMPARE(t->Text(), original);
    }

    void skipReportsOnlyChangesAndLeavesTheFromTopBox() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("X1 X2 X3"));
        frmReplace* r = f.openReplace();
        r->txtFind->setText("X");
        r->txtReplace->setText("U");
        f.press(r->Change);
        f.press(r->Change);
        QCOMPARE(f.press(r->NextFind), QString());
        QCOMPARE(f.press(r->NextFind), QStringLiteral("1 回 変更しました。"));
        QCOMPARE(t->Text(), QStringLiteral("U1 X2 X3"));
        QVERIFY(!r->Check1->isChecked());
        QCOMPARE(f.press(r->NextFind), QStringLiteral("\"X\" 見つかりませんでした。"));
    }

    void allChangeStartsAtTheSelectionInOneUndoStep() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("AB AB AB"));
        frmReplace* r = f.openReplace();
        r->txtFind->setText("AB");
        r->txtReplace->setText("X");
        r->Check1->setChecked(false);
        t->setSelStart(5);
        QCOMPARE(f.press(r->AllChange), QStringLiteral("1 回 変更しました。"));
        QCOMPARE(t->Text(), QStringLiteral("AB AB X"));
        QCOMPARE(f.changes, 1);
        QVERIFY(r->Check1->isChecked());
        f.w.mnuEditUndo_Click();
        QCOMPARE(t->Text(), QStringLiteral("AB AB AB"));
        // Nothing found: no write, so no undo step and the document stays unmodified.
        t->setModified(false);
        f.changes = 0;
        r->txtFind->setText("Q");
        QCOMPARE(f.press(r->AllChange), QStringLiteral("\"Q\" 見つかりませんでした。"));
        QCOMPARE(f.changes, 0);
        QVERIFY(!t->Modified());
    }

    void allChangeCountsEarlierChangesAndIncludesTheSelectedHit() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("ABC ABC ABC ABC"));
        frmReplace* r = f.openReplace();
        r->txtFind->setText("ABC");
        r->txtReplace->setText("D");
        f.press(r->Change);
        f.press(r->Change);  // replaces the first, selects the second
        QCOMPARE(selection(t), Sel(2, 3));
        QCOMPARE(f.press(r->AllChange), QStringLiteral("4 回 変更しました。"));
        QCOMPARE(t->Text(), QStringLiteral("D D D D"));
    }

    void changeReplacesOnlyTheHitItSelected() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("G01 G01 G01 G01"));
        frmReplace* r = f.openReplace();
        r->txtFind->setText("G01");
        r->txtReplace->setText("G1");
        f.press(r->Change);
        f.press(r->Change);
        QCOMPARE(t->Text(), QStringLiteral("G1 G01 G01 G01"));
        // The caret moved away: nothing is replaced, the search goes on.
        t->setSelStart(0);
        f.press(r->Change);
        QCOMPARE(t->Text(), QStringLiteral("G1 G01 G01 G01"));
        QCOMPARE(selection(t), Sel(7, 3));
        // An edit of the document forgets the hit, even when the same range is selected again.
        t->setSelStart(t->textLength());
        t->setSelText(" ");
        t->select(7, 3);
        f.press(r->Change);
        QCOMPARE(t->Text(), QStringLiteral("G1 G01 G01 G01 "));
        QCOMPARE(selection(t), Sel(11, 3));
        f.press(r->Change);
        QCOMPARE(t->Text(), QStringLiteral("G1 G01 G01 G1 "));
    }

    void changeNeverWritesIntoAnotherDocument() {
        Fixture f;
        RichTextBox* a = f.newDocument(QStringLiteral("G01 G01"));
        frmReplace* r = f.openReplace();
        r->txtFind->setText("G01");
        r->txtReplace->setText("G1");
        f.press(r->Change);
        QCOMPARE(selection(a), Sel(0, 3));
        RichTextBox* b = f.newDocument(QStringLiteral("G01 G01 G01"));
        b->select(0, 3);
        f.press(r->Change);
        QCOMPARE(a->Text(), QStringLiteral("G01 G01"));
        QCOMPARE(b->Text(), QStringLiteral("G01 G01 G01"));
        QCOMPARE(selection(b), Sel(4, 3));
    }

    void eachWindowSearchesWithItsOwnBoxes() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("G01 X1 G01 X2"));
        frmFind* find = f.openFind();
        find->txtFind->setText("G01");
        frmReplace* r = f.openReplace();
        r->txtFind->setText("X");
        f.press(find->NextFind);
        QCOMPARE(selection(t), Sel(0, 3));
        // Find Next searches the box that changed last.
        f.w.mnuSearchNextFind_Click();
        QCOMPARE(selection(t), Sel(4, 1));
    }

    void workOnTheTextAsItStandsAfterOpening() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("G01 X1"));
        frmReplace* r = f.openReplace();
        r->txtFind->setText("G01");
        r->txtReplace->setText("G1");
        t->setSelStart(0);
        t->setSelText(QStringLiteral("O100\r\n"));
        QCOMPARE(f.press(r->AllChange), QStringLiteral("1 回 変更しました。"));
        QCOMPARE(t->Text(), QStringLiteral("O100\r\nG1 X1"));
    }

    void sizeShiftEnterRulesAndChangeCycle() {
        Fixture f;
        const QString original = crlf("G00 X100. Z5.\nG01 X=50 Z-3.\nX 20 XA");
        RichTextBox* t = f.newDocument(original);
        frmSizeShift* s = f.openSizeShift();
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        s->txtFind->setFocus();
        s->txtFind->setText("X");
        QVERIFY(!s->Change->isEnabled());
        QTest::keyClick(s->txtFind, Qt::Key_Return);
        QVERIFY(s->txtValue->hasFocus());
        QTest::keyClick(s->txtValue, Qt::Key_Return);
        QVERIFY(s->txtFind->hasFocus());
        s->txtValue->setText("+0.5");
        QVERIFY(s->Change->isDefault());
        // Enter with both boxes filled presses Change: the first press only finds.
        QTest::keyClick(s->txtValue, Qt::Key_Return);
        QCOMPARE(selection(t), Sel(4, 1));
        QCOMPARE(t->Text(), original);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f.press(s->Change), QString());
        QCOMPARE(selection(t), Sel(39, 1));  // XA: passed over by the next press
        QCOMPARE(t->Text(), crlf("G00 X100.5 Z5.\nG01 X=50.5 Z-3.\nX20.5 XA"));
        QCOMPARE(f.changes, 3);
        QCOMPARE(f.press(s->Change), QStringLiteral("3 回 データを変更しました."));
        QCOMPARE(f.lastTitle(), QStringLiteral("データ変更"));
        QVERIFY(s->Check1->isChecked());
    }

    void sizeShiftAllChangeAndSkip() {
        Fixture f;
        RichTextBox* t = f.newDocument(crlf("X1 Z2\nX-0.5 XA Z3"));
        frmSizeShift* s = f.openSizeShift();
        s->txtFind->setText("X");
        s->txtValue->setText("*2");
        QCOMPARE(f.press(s->AllChange), QStringLiteral("2 times changed."));
        QCOMPARE(f.lastTitle(), QStringLiteral("change by cal."));
        QCOMPARE(t->Text(), crlf("X2 Z2\nX-1 XA Z3"));
        QCOMPARE(f.changes, 1);
        s->txtFind->setText("Q");
        QCOMPARE(f.press(s->AllChange), QStringLiteral("\"Q\" not find."));
        QCOMPARE(f.press(s->NextFind), QStringLiteral("\"Q\" 見つかりません。"));
        QCOMPARE(f.lastTitle(), QStringLiteral("計算による変更"));
        s->txtFind->setText("Z");
        f.press(s->Change);
        f.press(s->Change);
        QCOMPARE(f.press(s->NextFind), QStringLiteral("1 回変更いたしました。"));
        QCOMPARE(t->Text(), crlf("X2 Z4\nX-1 XA Z3"));
    }

    void sizeShiftRefusesAndChangesNothing() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("X10 X20"));
        frmSizeShift* s = f.openSizeShift();
        s->txtFind->setText("X");
        s->txtValue->setText("/0");
        for (QPushButton* button : {s->Change, s->AllChange}) {
            QCOMPARE(f.press(button), QStringLiteral("Division by zero."));
            QCOMPARE(f.lastTitle(), QStringLiteral("Size Shift"));
            QCOMPARE(f.lastStyle(), modal::kOkOnly | modal::kExclamation);
            QVERIFY(s->Check1->isChecked());
            QCOMPARE(selection(t), Sel(0, 0));
        }
        s->txtValue->setText("+1");
        f.press(s->Change);
        QCOMPARE(selection(t), Sel(0, 1));
        s->txtValue->setText("*");
        QCOMPARE(f.press(s->Change), QStringLiteral("The calculation has no number."));
        QCOMPARE(selection(t), Sel(0, 1));
        QCOMPARE(t->Text(), QStringLiteral("X10 X20"));
        QCOMPARE(f.changes, 0);
        // The press after a refusal still rewrites the selected hit.
        s->txtValue->setText("+1");
        f.press(s->Change);
        QCOMPARE(t->Text(), QStringLiteral("X11 X20"));
        QCOMPARE(selection(t), Sel(4, 1));
    }

    void sizeShiftRefusesANumberBeyondDoubleRangeBeforeWriting() {
        Fixture f;
        const QString original = QStringLiteral("X1 X") + QString(400, u'9');
        RichTextBox* t = f.newDocument(original);
        frmSizeShift* s = f.openSizeShift();
        s->txtFind->setText("X");
        s->txtValue->setText("+1");
        QCOMPARE(f.press(s->AllChange), QStringLiteral("A number is out of range."));
        QCOMPARE(t->Text(), original);
        QCOMPARE(f.changes, 0);
        f.press(s->Change);
        f.press(s->Change);  // X1 -> X2, then the long number is selected
        QCOMPARE(selection(t), Sel(3, 1));
        QCOMPARE(f.press(s->Change), QStringLiteral("A number is out of range."));
        QCOMPARE(selection(t), Sel(3, 1));
        QCOMPARE(t->Text(), QStringLiteral("X2 X") + QString(400, u'9'));
    }

    void sizeShiftCancelKeepsTheHighlight() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("Z1 X5"));
        frmSizeShift* s = f.openSizeShift();
        s->txtFind->setText("X");
        s->txtValue->setText("1");
        f.press(s->Change);
        s->Cancel->click();
        QCOMPARE(t->colorAt(3), kRed);
        QVERIFY(t->boldAt(3));
    }

    void withoutADocumentNothingHappens() {
        Fixture f;
        RichTextBox* t = f.newDocument(QStringLiteral("X1"));
        frmReplace* r = f.openReplace();
        frmSizeShift* s = f.openSizeShift();
        frmFind* find = f.openFind();
        t->setModified(false);
        f.w.mnuFileClose_Click();
        QTRY_VERIFY(!f.w.activeDocument());
        find->txtFind->setText("X");
        r->txtFind->setText("X");
        s->txtFind->setText("X");
        s->txtValue->setText("1");
        for (QPushButton* b : {find->NextFind, r->Change, r->NextFind, r->AllChange, s->Change, s->NextFind, s->AllChange})
            QCOMPARE(f.press(b), QString());
        f.w.mnuSearchNextFind_Click();
        QVERIFY(f.answers.messages.empty());
    }

    // A program file opened, searched, replaced one by one and all, shifted, and one undo.
    void aProgramFromFindToUndo() {
        Fixture f;
        QTemporaryDir dir;
        const QString path = dir.filePath("O1000.MIN");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("O1000\r\nN10 G00 X100. Z5.\r\nN20 G01 X80. F0.2\r\nN30 G01 Z-20.\r\nM30\r\n");
        file.close();
        f.answers.answerFile(path);
        f.w.mnuFileOpen_Click();
        RichTextBox* t = f.w.activeText();
        QVERIFY(t);
        frmFind* find = f.openFind();
        find->txtFind->setText("G01");
        f.press(find->NextFind);
        QCOMPARE(t->SelText(), QStringLiteral("G01"));
        find->Cancel->click();
        t->setSelStart(0);
        frmReplace* r = f.openReplace();
        r->txtFind->setText("G01");
        r->txtReplace->setText("G1");
        f.press(r->Change);
        f.press(r->Change);
        r->txtFind->setText("G00");
        r->txtReplace->setText("G0");
        r->Check1->setChecked(true);
        QCOMPARE(f.press(r->AllChange), QStringLiteral("1 回 変更しました。"));
        r->Cancel->click();
        frmSizeShift* s = f.openSizeShift();
        s->txtFind->setText("X");
        s->txtValue->setText("+0.5");
        QCOMPARE(f.press(s->AllChange), QStringLiteral("2 times changed."));
        const QString shifted = QStringLiteral("O1000\r\nN10 G0 X100.5 Z5.\r\nN20 G1 X80.5 F0.2\r\nN30 G01 Z-20.\r\nM30\r\n");
        QCOMPARE(t->Text(), shifted);
        QVERIFY(t->Modified());
        f.w.mnuEditUndo_Click();
        QCOMPARE(t->Text(), QStringLiteral("O1000\r\nN10 G0 X100. Z5.\r\nN20 G1 X80. F0.2\r\nN30 G01 Z-20.\r\nM30\r\n"));
        t->setModified(false);
    }
};

QTEST_MAIN(TextToolsTest)
#include "tst_text_tools.moc"
