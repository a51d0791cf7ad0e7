#include "platform/rich_text_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <vector>

using namespace quillmar;
using namespace Qt::StringLiterals;

namespace {

void press(QWidget& widget, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &event);
}

// Records every change the box reports.
struct ChangeLog {
    explicit ChangeLog(RichTextBox& box) {
        QObject::connect(&box, &RichTextBox::contentChanged, [this](const TextChange& c) { changes.push_back(c); });
    }
    std::vector<TextChange> changes;
};

void expectChange(const TextChange& change, TextChange::Source source, qint64 position, qint64 removed,
                  qint64 inserted) {
    EXPECT_EQ(change.source, source);
    EXPECT_EQ(change.position, position);
    EXPECT_EQ(change.removedLength, removed);
    EXPECT_EQ(change.insertedLength, inserted);
}

bool splitsSurrogatePair(const QString& text, qint64 position) {
    return position > 0 && position < text.size() && text.at(position).isLowSurrogate();
}

}  // namespace

// Every selection of texts with each kind of line end and of multi-byte character reads
// back exactly as QString counts it.
TEST(RichTextBox, SelectionsCountCharactersAsQStringDoes) {
    struct Case {
        QString text;
        TextEncoding encoding;
    };
    const std::vector<Case> cases = {
        {QString::fromUtf8("ab\r\ncd😀e\r\nあい"), TextEncoding::Utf8},
        {QString::fromUtf8("\r\n\r\n(荒加工)\nX\rY"), TextEncoding::Cp932},
        {QString::fromUtf8("\xef\xbb\xbf" "A\r\n"), TextEncoding::Utf8},
        {QString::fromLatin1("A\xe9\r\nB\xff\r\xb0"), TextEncoding::Latin1},
        // Noncharacters: U+FFFF, U+FFFE, U+FDD0, U+1FFFF, U+10FFFF.
        {QString::fromUtf8("A\xef\xbf\xbf" "B\r\nC\xef\xbf\xbe\xef\xb7\x90\r\n\xf0\x9f\xbf\xbf" "D\xf4\x8f\xbf\xbf"),
         TextEncoding::Utf8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        RichTextBox box;
        box.load(c.text, c.encoding);
        ASSERT_EQ(box.Text(), c.text);
        ASSERT_EQ(box.textLength(), c.text.size());
        for (qint64 start = 0; start <= c.text.size(); ++start) {
            for (qint64 length = 0; start + length <= c.text.size(); ++length) {
                if (splitsSurrogatePair(c.text, start) || splitsSurrogatePair(c.text, start + length)) continue;
                box.select(start, length);
                ASSERT_EQ(box.SelStart(), start) << "length " << length;
                ASSERT_EQ(box.SelLength(), length) << "start " << start;
                ASSERT_EQ(box.SelText(), c.text.mid(start, length)) << start << "," << length;
            }
        }
    }
}

// Positions of a plain ASCII text need no index; the first other character brings it in.
TEST(RichTextBox, AsciiTextTakingJapaneseKeepsItsPositions) {
    RichTextBox box;
    box.load(u"G01 X1\r\nM30"_s, TextEncoding::Utf8);
    box.select(4, 2);
    EXPECT_EQ(box.SelText(), u"X1"_s);
    box.setSelStart(4);
    box.setSelText(u"あ😀"_s);
    EXPECT_EQ(box.textLength(), 14);
    box.select(7, 2);
    EXPECT_EQ(box.SelText(), u"X1"_s);
    box.select(0, box.textLength());
    box.setSelText(u"M"_s);
    EXPECT_EQ(box.textLength(), 1);
    EXPECT_EQ(box.SelStart(), 1);
}

TEST(RichTextBox, APositionInsideASurrogatePairFallsToTheCharacterStart) {
    RichTextBox box;
    box.setText(QString::fromUtf8("a😀b"));
    box.setSelStart(2);
    EXPECT_EQ(box.SelStart(), 1);
    box.setSelStart(99);
    EXPECT_EQ(box.SelStart(), 4);
    box.setSelStart(-5);
    EXPECT_EQ(box.SelStart(), 0);
}

TEST(RichTextBox, SetSelLengthSelectsFromSelStart) {
    RichTextBox box;
    box.setText(QString::fromUtf8("あい\r\nう"));
    box.setSelStart(1);
    box.setSelLength(3);
    EXPECT_EQ(box.SelText(), QString::fromUtf8("い\r\n"));
    box.setSelLength(100);
    EXPECT_EQ(box.SelText(), QString::fromUtf8("い\r\nう"));
}

TEST(RichTextBox, SelTextReplacesTheSelectionOrInsertsAtTheCaret) {
    RichTextBox box;
    box.setText(u"G01 X10\r\nM30"_s);
    box.select(4, 3);
    box.setSelText(u"Y20.5"_s);
    EXPECT_EQ(box.Text(), u"G01 Y20.5\r\nM30"_s);
    EXPECT_EQ(box.SelStart(), 9);
    EXPECT_EQ(box.SelLength(), 0);

    box.setSelStart(0);
    box.setSelText(QString::fromUtf8("(荒)\n"));
    EXPECT_EQ(box.Text(), QString::fromUtf8("(荒)\nG01 Y20.5\r\nM30"));
    EXPECT_EQ(box.SelStart(), 4);
}

TEST(RichTextBox, LineEndsStayAsTheyCame) {
    RichTextBox box;
    box.setText(u"A\r\nB"_s);
    box.setSelStart(4);
    box.setSelText(u"\nC\rD"_s);
    EXPECT_EQ(box.Text(), u"A\r\nB\nC\rD"_s);

    QApplication::clipboard()->setText(u"x\ny\rz"_s);
    box.setSelStart(0);
    box.paste();
    EXPECT_EQ(box.Text(), u"x\ny\rzA\r\nB\nC\rD"_s);
}

TEST(RichTextBox, EnterTypesTheLineEndTheTextBeganWith) {
    struct Case {
        QString text;
        QString typed;
    };
    const std::vector<Case> cases = {
        {u"A\r\nB"_s, u"A\r\nB\r\n"_s},
        {u"A\nB\r\n"_s, u"A\nB\r\n\n"_s},
        {u"A\rB"_s, u"A\rB\r"_s},
        {u"AB"_s, u"AB\r\n"_s},
    };
    for (const Case& c : cases) {
        RichTextBox box;
        box.setText(c.text);
        box.setSelStart(c.text.size());
        press(box, Qt::Key_Return, u"\r"_s);
        EXPECT_EQ(box.Text(), c.typed);
    }
}

TEST(RichTextBox, EveryChangeIsReportedOnce) {
    RichTextBox box;
    ChangeLog log(box);

    box.setText(QString::fromUtf8("G01 あX10"));
    ASSERT_EQ(log.changes.size(), 1u);
    expectChange(log.changes.back(), TextChange::Source::WholeText, 0, 0, 8);

    box.select(6, 2);
    box.setSelText(u"Y5.25"_s);
    ASSERT_EQ(log.changes.size(), 2u);
    expectChange(log.changes.back(), TextChange::Source::ReplaceSelection, 6, 2, 5);
    ASSERT_EQ(log.changes.back().edits.size(), 1u);
    EXPECT_EQ(log.changes.back().edits[0].removed, u"10"_s);

    box.select(4, 2);
    press(box, Qt::Key_Z, u"Z"_s);
    ASSERT_EQ(log.changes.size(), 3u);
    expectChange(log.changes.back(), TextChange::Source::Typing, 4, 2, 1);
    EXPECT_EQ(box.Text(), u"G01 ZY5.25"_s);

    press(box, Qt::Key_Backspace, u"\b"_s);
    ASSERT_EQ(log.changes.size(), 4u);
    expectChange(log.changes.back(), TextChange::Source::Typing, 4, 1, 0);

    // Nothing selected and nothing to put in: no change.
    box.setSelText(QString());
    // Moving the caret, colouring and reading are no changes either.
    press(box, Qt::Key_Left, QString());
    box.select(0, 3);
    box.setSelColor(Qt::red);
    box.setSelBold(true);
    (void)box.Text();
    EXPECT_EQ(log.changes.size(), 4u);

    // The whole text set again, even unchanged, is one change.
    box.setText(box.Text());
    ASSERT_EQ(log.changes.size(), 5u);
    expectChange(log.changes.back(), TextChange::Source::WholeText, 0, 9, 9);
}

TEST(RichTextBox, BackspaceTakesACrLfAsOneStep) {
    RichTextBox box;
    ChangeLog log(box);
    box.setText(u"A\r\nB"_s);
    box.setSelStart(3);
    press(box, Qt::Key_Backspace, u"\b"_s);
    EXPECT_EQ(box.Text(), u"AB"_s);
    ASSERT_EQ(log.changes.size(), 2u);
    expectChange(log.changes.back(), TextChange::Source::Typing, 1, 2, 0);
}

TEST(RichTextBox, ModifiedIsSetByEveryChangeAndClearedByTheProgram) {
    RichTextBox box;
    EXPECT_FALSE(box.Modified());
    box.setText(u"M30"_s);
    EXPECT_TRUE(box.Modified());
    box.setModified(false);
    EXPECT_FALSE(box.Modified());
    box.setSelStart(3);
    press(box, Qt::Key_Semicolon, u";"_s);
    EXPECT_TRUE(box.Modified());
}

TEST(RichTextBox, KeyPressHandlerCanChangeOrSwallowTheKey) {
    RichTextBox box;
    ChangeLog log(box);
    QObject::connect(&box, &RichTextBox::keyPress, [&box](KeyPressArgs& args) {
        if (args.keyAscii == 'x') args.keyAscii = 0;
        if (args.keyAscii == 'a') args.keyAscii = 'A';
        // Text put in before the typed character, as automatic numbering does.
        if (args.keyAscii == 'G' && box.SelStart() == 0) box.setSelText(u"N000 "_s);
    });
    press(box, Qt::Key_G, u"G"_s);
    press(box, Qt::Key_X, u"x"_s);
    press(box, Qt::Key_A, u"a"_s);
    EXPECT_EQ(box.Text(), u"N000 GA"_s);
    ASSERT_EQ(log.changes.size(), 3u);
    expectChange(log.changes[0], TextChange::Source::ReplaceSelection, 0, 0, 5);
    expectChange(log.changes[1], TextChange::Source::Typing, 5, 0, 1);
    expectChange(log.changes[2], TextChange::Source::Typing, 6, 0, 1);
}

TEST(RichTextBox, KeyPressSeesEnterBackspaceAndTabButNotShortcuts) {
    RichTextBox box;
    std::vector<int> seen;
    QObject::connect(&box, &RichTextBox::keyPress, [&](KeyPressArgs& args) { seen.push_back(args.keyAscii); });
    press(box, Qt::Key_Return, u"\r"_s);
    press(box, Qt::Key_Backspace, u"\b"_s);
    press(box, Qt::Key_Tab, u"\t"_s);
    press(box, Qt::Key_Left, QString());
    press(box, Qt::Key_Q, u"\x11"_s, Qt::ControlModifier);
    press(box, Qt::Key_ParenLeft, u"("_s);
    EXPECT_EQ(seen, (std::vector<int>{13, 8, 9, '('}));
    // Left put the caret back before the tab.
    EXPECT_EQ(box.Text(), u"(\t"_s);
}

TEST(RichTextBox, InputMethodCompositionIsOneChangeWhenCommitted) {
    RichTextBox box;
    box.setText(u"ab"_s);
    box.setSelStart(1);
    box.setModified(false);
    ChangeLog log(box);
    {
        QInputMethodEvent event(QString::fromUtf8("か"), {});
        QApplication::sendEvent(&box, &event);
    }
    {
        QInputMethodEvent event(QString::fromUtf8("かん"), {});
        QApplication::sendEvent(&box, &event);
    }
    EXPECT_TRUE(log.changes.empty());
    {
        QInputMethodEvent event;
        event.setCommitString(QString::fromUtf8("漢"));
        QApplication::sendEvent(&box, &event);
    }
    EXPECT_EQ(box.Text(), QString::fromUtf8("a漢b"));
    ASSERT_EQ(log.changes.size(), 1u);
    expectChange(log.changes[0], TextChange::Source::Typing, 1, 0, 1);
    EXPECT_TRUE(box.Modified());

    // A composition given up leaves nothing behind and reports nothing.
    {
        QInputMethodEvent event(u"x"_s, {});
        QApplication::sendEvent(&box, &event);
    }
    {
        QInputMethodEvent event;
        QApplication::sendEvent(&box, &event);
    }
    EXPECT_EQ(box.Text(), QString::fromUtf8("a漢b"));
    EXPECT_EQ(log.changes.size(), 1u);
}

TEST(RichTextBox, ColouringRunsKeepsDigitsAndBold) {
    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    RichTextBox box;
    box.setText(u"O1234 G00"_s);
    box.select(5, 2);
    box.setSelBold(true);
    box.setColorOfRuns({{0, 1}, {5, 2}}, blue);

    const QColor plain = box.textColor();
    const std::vector<QColor> expected = {blue, plain, plain, plain, plain, blue, blue, plain, plain};
    for (qint64 i = 0; i < qint64(expected.size()); ++i) EXPECT_EQ(box.colorAt(i), expected[size_t(i)]) << i;
    EXPECT_FALSE(box.boldAt(0));
    EXPECT_TRUE(box.boldAt(5));
    EXPECT_TRUE(box.boldAt(6));
    EXPECT_FALSE(box.boldAt(7));

    // A hit: red and bold, then reset to the frame colour without bold.
    box.select(1, 4);
    box.setSelColor(red);
    box.setSelBold(true);
    EXPECT_EQ(box.SelColor(), red);
    EXPECT_TRUE(box.SelBold());
    EXPECT_EQ(box.colorAt(0), blue);
    EXPECT_EQ(box.colorAt(5), blue);
    box.setSelColor(Qt::black);
    box.setSelBold(false);
    EXPECT_EQ(box.colorAt(1), QColor(Qt::black));
    EXPECT_FALSE(box.boldAt(4));

    // Painting after an edit before the colours does not restyle them.
    box.setSelStart(0);
    box.setSelText(u"%"_s);
    box.resize(300, 200);
    (void)box.grab();
    EXPECT_EQ(box.colorAt(1), blue);
    EXPECT_EQ(box.colorAt(6), blue);

    // A new text has no colour.
    box.setText(u"O1"_s);
    EXPECT_EQ(box.colorAt(0), plain);
}

TEST(RichTextBox, ColouringCountsCharactersNotBytes) {
    const QColor blue(0, 0, 255);
    RichTextBox box;
    const QString text = QString::fromUtf8("あ😀1\r\n漢2");
    box.setText(text);
    // Runs given out of order and overlapping.
    box.setColorOfRuns({{5, 2}, {0, 3}, {1, 1}}, blue);
    const QColor plain = box.textColor();
    const std::vector<QColor> expected = {blue, blue, blue, plain, plain, blue, blue, plain};
    ASSERT_EQ(qint64(expected.size()), text.size());
    for (qint64 i = 0; i < text.size(); ++i) {
        if (splitsSurrogatePair(text, i)) continue;
        EXPECT_EQ(box.colorAt(i), expected[size_t(i)]) << i;
    }
}

TEST(RichTextBox, ColoursSurviveAnEightBitDocumentTurningUtf8) {
    RichTextBox box;
    box.load(QString::fromLatin1("\xe9X\xb0Y"), TextEncoding::Latin1);
    box.select(2, 2);
    box.setSelColor(Qt::red);
    box.setSelStart(4);
    box.setSelText(QString::fromUtf8("荒"));
    EXPECT_EQ(box.Text(), QString::fromUtf8("éX°Y荒"));
    EXPECT_EQ(box.colorAt(1), box.textColor());
    EXPECT_EQ(box.colorAt(2), QColor(Qt::red));
    EXPECT_EQ(box.colorAt(3), QColor(Qt::red));
    EXPECT_EQ(box.colorAt(4), box.textColor());
    EXPECT_EQ(box.SelStart(), 5);
}

TEST(RichTextBox, CopyWithNothingSelectedLeavesTheClipboard) {
    RichTextBox box;
    box.setText(u"G01"_s);
    QApplication::clipboard()->setText(u"kept"_s);
    box.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), u"kept"_s);
    box.select(0, 2);
    box.cut();
    EXPECT_EQ(QApplication::clipboard()->text(), u"G0"_s);
    EXPECT_EQ(box.Text(), u"1"_s);
}

TEST(RichTextBox, HourglassPointer) {
    RichTextBox box;
    box.setMousePointer(MousePointer::Hourglass);
    EXPECT_EQ(box.mousePointer(), MousePointer::Hourglass);
    EXPECT_EQ(box.viewport()->cursor().shape(), Qt::WaitCursor);
    box.setMousePointer(MousePointer::Default);
    EXPECT_NE(box.viewport()->cursor().shape(), Qt::WaitCursor);
}

TEST(RichTextBox, FontNameAndSize) {
    RichTextBox box;
    box.setFontName(u"DejaVu Sans Mono"_s);
    box.setFontSize(14);
    EXPECT_EQ(box.textFont().family(), u"DejaVu Sans Mono"_s);
    EXPECT_EQ(box.textFont().pointSize(), 14);
    EXPECT_EQ(box.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, 0ul, 0l), 14);
}

TEST(RichTextBox, TextRangeReadsAPartOfTheText) {
    RichTextBox box;
    const QString text = QString::fromUtf8("N000 G01\r\nあ😀X");
    box.setText(text);
    EXPECT_EQ(box.textRange(8, 3), QString::fromUtf8("\r\nあ"));
    EXPECT_EQ(box.textRange(11, 2), QString::fromUtf8("😀"));
    EXPECT_EQ(box.textRange(13, 99), u"X"_s);
    // A start inside a surrogate pair takes the whole character.
    EXPECT_EQ(box.textRange(12, 1), QString::fromUtf8("😀"));
    EXPECT_EQ(box.textRange(-1, 2), u"N"_s);
    EXPECT_EQ(box.textRange(3, 0), QString());
}

// The main window's Undo, Redo, Cut, Copy and Paste shortcuts must reach the menu while
// the text has the focus; ordinary characters stay with the text.
TEST(RichTextBox, EditShortcutsAreLeftToTheWindow) {
    RichTextBox box;
    const std::vector<std::pair<int, Qt::KeyboardModifiers>> shortcuts = {
        {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier},
    };
    for (const auto& [key, modifiers] : shortcuts) {
        QKeyEvent event(QEvent::ShortcutOverride, key, modifiers);
        event.ignore();
        QApplication::sendEvent(&box, &event);
        EXPECT_FALSE(event.isAccepted()) << key;
    }
    QKeyEvent typed(QEvent::ShortcutOverride, Qt::Key_A, Qt::NoModifier, u"a"_s);
    typed.ignore();
    QApplication::sendEvent(&box, &typed);
    EXPECT_TRUE(typed.isAccepted());
}

TEST(RichTextBox, KeyboardPasteWithoutAWindowShortcutKeepsLineEnds) {
    RichTextBox box;
    box.setText(u"A\r\nB"_s);
    QApplication::clipboard()->setText(u"1\n2"_s);
    box.setSelStart(1);
    press(box, Qt::Key_V, u"\x16"_s, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), u"A1\n2\r\nB"_s);
}
