#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/text_tools/frmFind.h"
#include "app/text_tools/frmNumberArrange.h"
#include "app/text_tools/frmReplace.h"
#include "app/text_tools/frmSizeShift.h"
#include "support/documents.h"
#include "support/main_window.h"

using namespace quillmar;

namespace {

const QColor kRed(255, 0, 0);
using Sel = std::pair<qint64, qint64>;
Sel selection(const RichTextBox* t) { return {t->SelStart(), t->SelLength()}; }
using test::crlf;

struct Fixture : test::MainWindowFixture {
    int changes = 0;  // changes of the text of the last document made by doc()
    Fixture() { start(); }
    RichTextBox* doc(const QString& text) {
        RichTextBox* t = newDocument(text);
        QObject::connect(t, &RichTextBox::contentChanged, [this](const TextChange&) { ++changes; });
        changes = 0;
        return t;
    }
    template <class Window>
    Window* open(const char* command, const char* windowClass) {
        w().runCommand(QString::fromLatin1(command));
        auto* window = qobject_cast<Window*>(w().toolWindow(QString::fromLatin1(windowClass)));
        return window->show(), window;
    }
    frmFind* find() { return open<frmFind>("mnuSearchFind", "frmFind"); }
    template <class Window, class Second>
    Window* filled(const char* command, const char* windowClass, Second second, const QString& a, const QString& b) {
        auto* window = open<Window>(command, windowClass);
        return window->txtFind->setText(a), (window->*second)->setText(b), window;
    }
    frmReplace* replace(const QString& what, const QString& by) {
        return filled<frmReplace>("mnuSearchReplace", "frmReplace", &frmReplace::txtReplace, what, by);
    }
    frmSizeShift* shift(const QString& address, const QString& value) {
        return filled<frmSizeShift>("mnuToolsSizeShift", "frmSizeShift", &frmSizeShift::txtValue, address, value);
    }
    // The message of the last of `times` presses.
    QString press(QPushButton* button, int times = 1) {
        QString last;
        while (times-- > 0)
            last = messageOf([button] { button->click(); });
        return last;
    }
};

}  // namespace

class TextToolsTest : public QObject {
    Q_OBJECT

private slots:
    void findCountsHitsThenStartsOverFromTheTop() {
        Fixture f;
        RichTextBox* t = f.doc(crlf("G01 X1\nG01 X2\nG00"));
        frmFind* find = f.find();
        QVERIFY(!find->NextFind->isEnabled());
        find->txtFind->setText("G01");
        QCOMPARE(f.press(find->NextFind), QString());
        QVERIFY(t->colourAt(1) == kRed && t->boldAt(1));
        f.press(find->NextFind);
        QVERIFY(t->colourAt(1) != kRed && !find->Check1->isChecked());  // the previous hit is plain again
        QCOMPARE(f.press(find->NextFind), QStringLiteral("2 回 見つかりました。"));
        QVERIFY(f.answers.messages.back().title == "検索" && find->Check1->isChecked());
        f.press(find->NextFind);
        QCOMPARE(selection(t), Sel(0, 3));
        find->txtFind->setText("g01");  // a new find text keeps the count
        QCOMPARE(f.press(find->NextFind), QStringLiteral("1 回 見つかりました。"));
        QCOMPARE(f.press(find->NextFind), QStringLiteral("\"g01\" は見つかりませんでした。"));
        // Cancel leaves the last hit selected, in plain colour and weight.
        find->txtFind->setText("X2");
        f.press(find->NextFind);
        find->Cancel->click();
        QCOMPARE(selection(t), Sel(12, 2));
        QVERIFY(t->colourAt(12) != kRed && !t->boldAt(12));
    }

    void findNextUsesTheBoxChangedLastAndTicksAFindWindowItLoadsHidden() {
        Fixture f;
        RichTextBox* t = f.doc(QStringLiteral("AAA X"));
        // Before any search the find text is empty, and it never matches.
        QCOMPARE(f.messageOf([&] { f.w().runCommand("mnuSearchNextFind"); }), QStringLiteral("\"\"は見つかりませんでした。"));
        frmReplace* r = f.replace("Z", "");
        QCOMPARE(f.messageOf([&] { f.w().mnuSearchNextFind_Click(); }), QStringLiteral("\"Z\"は見つかりませんでした。"));
        auto* hidden = qobject_cast<frmFind*>(f.w().toolWindow("frmFind"));
        QVERIFY(hidden && !hidden->isVisible() && hidden->Check1->isChecked());
        frmFind* find = f.find();
        find->txtFind->setText("AA");
        f.press(find->NextFind);
        f.w().runCommand("mnuSearchNextFind");
        QCOMPARE(selection(t), Sel(1, 2));
        find->Check1->setChecked(false);
        QCOMPARE(f.messageOf([&] { f.w().runCommand("mnuSearchNextFind"); }), QStringLiteral("2回 見つかりました。"));
        r->txtFind->setText("X");
        f.w().mnuSearchNextFind_Click();
        QCOMPARE(selection(t), Sel(4, 1));
        // Without a document nothing happens.
        frmSizeShift* s = f.shift("X", "1");
        t->setModified(false);
        f.w().mnuFileClose_Click();
        QTRY_VERIFY(!f.w().activeDocument());
        for (QPushButton* b : {find->NextFind, r->Change, r->NextFind, r->AllChange, s->Change, s->NextFind, s->AllChange})
            QCOMPARE(f.press(b), QString());
        QCOMPARE(f.messageOf([&] { f.w().mnuSearchNextFind_Click(); }), QString());
    }

    void openingTakesTheSelectionAsFindText() {
        Fixture f;
        RichTextBox* t = f.doc(QStringLiteral("G00 X10. G01 X20."));
        t->select(4, 1);
        frmReplace* replace = f.replace(QString(), QString());
        f.w().mnuSearchReplace_Click();
        QCOMPARE(replace->txtFind->text(), QStringLiteral("X"));
        QVERIFY(replace->Change->isDefault());
        t->setSelStart(3);
        f.w().mnuSearchReplace_Click();
        QVERIFY(!replace->Change->isEnabled());
        QCOMPARE(f.w().documents().gSearchPos, 3);  // the search starts at the caret
        // The taken text is selected, so that typing replaces it.
        for (const auto& [command, window] : {std::pair{"mnuSearchFind", "frmFind"}, {"mnuSearchReplace", "frmReplace"},
                                              {"mnuToolsSizeShift", "frmSizeShift"}}) {
            f.w().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&f.w()));
            t->select(9, 3);
            f.w().runCommand(command);
            QVERIFY(QTest::qWaitForWindowActive(f.w().toolWindow(window)));
            auto* box = f.w().toolWindow(window)->findChild<QLineEdit*>("txtFind");
            QTRY_VERIFY(box->hasFocus());
            QTest::keyClicks(box, "G00");
            QVERIFY2(box->text() == QStringLiteral("G00"), window);
        }
        // So does renumbering's; its run leaves the search at the last line it went through.
        t->setText(QStringLiteral("G01 X.91\nG00 X.91"));
        frmFind* find = f.find();
        find->txtFind->setText(".91");
        f.press(find->NextFind);
        t->setSelStart(0);
        auto* arrange = f.open<frmNumberArrange>("mnuToolsNumberArrange", "frmNumberArrange");
        QCOMPARE(f.press(find->NextFind), QString());
        QCOMPARE(selection(t), Sel(5, 3));
        arrange->Command1->click();
        f.press(find->NextFind);
        QCOMPARE(selection(t), Sel(24, 3));
    }

    void replaceCycleChangesOneHitPerPressAndOneUndoStepEach() {
        Fixture f;
        const QString original = crlf("G01 X1\nG01 X2\nG01 X3");
        RichTextBox* t = f.doc(original);
        frmReplace* r = f.replace("G01", "G1");
        f.press(r->Change);  // the first press only finds
        QCOMPARE(t->Text(), original);
        QCOMPARE(f.press(r->Change, 3), QStringLiteral("3 回　変更しました。"));
        QVERIFY(f.answers.messages.back().title == "置き換え" && f.changes == 3);
        f.w().mnuEditUndo_Click();
        QCOMPARE(t->Text(), crlf("G1 X1\nG1 X2\nG01 X3"));
        // Skip reports only changes.
        t->setText(QStringLiteral("X1 X2 X3"));
        r->txtFind->setText("X");
        r->txtReplace->setText("U");
        f.press(r->Change, 2);
        QCOMPARE(f.press(r->NextFind, 2), QStringLiteral("1 回 変更しました。"));
        QCOMPARE(t->Text(), QStringLiteral("U1 X2 X3"));
        QCOMPARE(f.press(r->NextFind), QStringLiteral("\"X\" 見つかりませんでした。"));
    }

    void allChangeStartsAtTheSelectedHitInOneUndoStep() {
        Fixture f;
        RichTextBox* t = f.doc(QStringLiteral("ABC ABC ABC ABC"));
        frmReplace* r = f.replace("ABC", "D");
        f.press(r->Change);
        f.press(r->Change);  // replaces the first, selects the second
        QCOMPARE(f.press(r->AllChange), QStringLiteral("4 回 変更しました。"));
        QCOMPARE(f.changes, 2);
        f.w().mnuEditUndo_Click();
        QCOMPARE(t->Text(), QStringLiteral("D ABC ABC ABC"));
        // Nothing found: no write, so the document stays unmodified.
        t->setModified(false);
        r->txtFind->setText("Q");
        QCOMPARE(f.press(r->AllChange), QStringLiteral("\"Q\" 見つかりませんでした。"));
        QVERIFY(!t->Modified());
    }

    void changeReplacesOnlyTheHitItSelectedInItsOwnDocument() {
        Fixture f;
        RichTextBox* t = f.doc(QStringLiteral("G01 G01 G01 G01"));
        frmReplace* r = f.replace("G01", "G1");
        f.press(r->Change, 2);
        // The caret moved away: nothing is replaced, the search goes on.
        t->setSelStart(0);
        f.press(r->Change);
        QCOMPARE(t->Text(), QStringLiteral("G1 G01 G01 G01"));
        QCOMPARE(selection(t), Sel(7, 3));
        QVERIFY(t->colourAt(3) != kRed && !t->boldAt(3));  // the hit left behind is plain again
        // An edit forgets the hit, even when the same range is selected again.
        t->setSelStart(t->textLength());
        t->setSelText(" ");
        t->select(7, 3);
        f.press(r->Change);
        QCOMPARE(t->Text(), QStringLiteral("G1 G01 G01 G01 "));
        // Another document never gets the hit of the first.
        RichTextBox* b = f.doc(QStringLiteral("G01 G01 G01"));
        b->select(0, 3);
        f.press(r->Change);
        QCOMPARE(t->Text(), QStringLiteral("G1 G01 G01 G01 "));
        QCOMPARE(b->Text(), QStringLiteral("G01 G01 G01"));
    }

    void sizeShiftEnterRulesAndChangeCycle() {
        Fixture f;
        const QString original = crlf("G00 X100. Z5.\nG01 X=50 Z-3.\nX 20 XA");
        RichTextBox* t = f.doc(original);
        frmSizeShift* s = f.shift("X", "");
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        s->txtFind->setFocus();
        QVERIFY(!s->Change->isEnabled());
        for (QLineEdit* next : {s->txtValue, s->txtFind}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(next->hasFocus());
        }
        s->txtValue->setText("+0.5");
        // Enter with both boxes filled presses Change: the first press only finds.
        QTest::keyClick(s->txtValue, Qt::Key_Return);
        QCOMPARE(selection(t), Sel(4, 1));
        QCOMPARE(t->Text(), original);
        f.press(s->Change, 3);
        QCOMPARE(t->Text(), crlf("G00 X100.5 Z5.\nG01 X=50.5 Z-3.\nX20.5 XA"));
        QCOMPARE(f.changes, 3);
        QCOMPARE(f.press(s->Change), QStringLiteral("3 回 データを変更しました."));
        f.press(s->Change);  // Cancel keeps the highlight of the last hit
        s->Cancel->click();
        QCOMPARE(t->colourAt(4), kRed);
        // All change leaves the search at the second character of the last address.
        s = f.shift("X", "+1");
        t->setText(QStringLiteral("X1 XA"));
        QCOMPARE(f.press(s->AllChange), QStringLiteral("1 times changed."));
        s->Check1->setChecked(false);
        QCOMPARE(f.press(s->Change), QStringLiteral("\"X\" 見つかりません。"));
    }

    void sizeShiftRefusesAndChangesNothing() {
        Fixture f;
        RichTextBox* t = f.doc(QStringLiteral("X10 X20"));
        frmSizeShift* s = f.shift("X", "/0");
        for (QPushButton* button : {s->Change, s->AllChange}) {
            QCOMPARE(f.press(button), QStringLiteral("Division by zero."));
            QCOMPARE(selection(t), Sel(0, 0));
        }
        // So is a result that would need 1e15 or more.
        t->setText(QStringLiteral("X999999999999999"));
        t->setModified(false);
        s->txtValue->setText("+1");
        QCOMPARE(f.press(s->AllChange), QStringLiteral("A number is out of range."));
        QVERIFY(t->Text() == QStringLiteral("X999999999999999") && !t->Modified());
        t->setText(QStringLiteral("X10 X20"));
        s->txtValue->setText("+1");
        f.press(s->Change);
        s->txtValue->setText("*");
        QCOMPARE(f.press(s->Change), QStringLiteral("The calculation has no number."));
        QCOMPARE(selection(t), Sel(0, 1));
        // The press after a refusal still rewrites the selected hit.
        s->txtValue->setText("+1");
        f.press(s->Change);
        QCOMPARE(t->Text(), QStringLiteral("X11 X20"));
        t->setSelStart(0);
        f.press(s->Change);
        QVERIFY(t->colourAt(4) != kRed && !t->boldAt(4));
    }
};

QTEST_MAIN(TextToolsTest)
#include "tst_text_tools.moc"
