#include "platform/rich_text_box.h"

#include <gtest/gtest.h>

#include <QAccessible>
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

void compose(QWidget& widget, const QString& preedit, const QString& commit = {}) {
    QInputMethodEvent event(preedit, {});
    if (!commit.isEmpty()) event.setCommitString(commit);
    QApplication::sendEvent(&widget, &event);
}

constexpr int W = int(TextChange::Source::WholeText), R = int(TextChange::Source::ReplaceSelection),
              T = int(TextChange::Source::Typing);
std::string change(int source, qint64 position, qint64 removed, qint64 inserted) {
    return std::to_string(source) + " " + std::to_string(position) + " -" + std::to_string(removed) + " +" +
           std::to_string(inserted);
}

struct ChangeLog {
    explicit ChangeLog(RichTextBox& box) {
        QObject::connect(&box, &RichTextBox::contentChanged, [this](const TextChange& c) {
            changes.push_back(change(int(c.source), c.position, c.removedLength, c.insertedLength));
        });
    }
    std::vector<std::string> changes;
};

bool splitsSurrogatePair(const QString& text, qint64 position) {
    return position > 0 && position < text.size() && text.at(position).isLowSurrogate();
}

}  // namespace

// Every selection and range of texts with each kind of line end and of multi-byte
// character reads back exactly as QString counts it, also after an ASCII text takes
// its first other character: near the start, near the end of a long text and in its
// middle, where positions go through the editor's line index.
TEST(RichTextBox, PositionsCountCharactersAsQStringDoes) {
    const std::pair<QString, TextEncoding> cases[] = {
        {QString::fromUtf8("ab\r\ncd😀e\r\nあい"), TextEncoding::Utf8},
        {QString::fromUtf8("\r\n\r\n(荒加工)\nX\rY"), TextEncoding::Cp932},
        {QString::fromLatin1("A\xe9\r\nB\xff\r\xb0"), TextEncoding::Latin1},
        // Noncharacters: U+FFFF, U+FFFE, U+FDD0, U+1FFFF, U+10FFFF.
        {QString::fromUtf8("A\xef\xbf\xbf" "B\r\nC\xef\xbf\xbe\xef\xb7\x90\r\n\xf0\x9f\xbf\xbf" "D\xf4\x8f\xbf\xbf"),
         TextEncoding::Utf8},
    };
    const QString pad = QString(kDirectReach, u'x') + u"\r\n"_s;  // beyond the reach of counting off the bytes
    const std::pair<QString, QString> places[] = {{{}, {}}, {pad, {}}, {pad, pad}};
    for (const auto& [sample, encoding] : cases) {
        for (const auto& [before, after] : places) {
            SCOPED_TRACE(sample.toStdString() + " after " + std::to_string(before.size()));
            const QString text = before + sample + after;
            RichTextBox box;
            box.load(text.left(before.size() + sample.size() / 2), encoding);
            box.setSelStart(box.textLength());
            box.setSelText(text.mid(before.size() + sample.size() / 2));
            ASSERT_EQ(box.Text(), text);
            ASSERT_EQ(box.textLength(), text.size());
            const qint64 end = before.size() + sample.size();
            for (qint64 start = before.size(); start <= end; ++start) {
                for (qint64 length = 0; start + length <= end; ++length) {
                    if (splitsSurrogatePair(text, start) || splitsSurrogatePair(text, start + length)) continue;
                    box.select(start, length);
                    const QString part = text.mid(start, length);
                    ASSERT_EQ(std::tuple(box.SelStart(), box.SelLength(), box.SelText(), box.textRange(start, length)),
                              std::tuple(start, length, part, part)) << start << "," << length;
                }
            }
        }
    }
    RichTextBox box;
    for (const QString& before : {pad, QString()}) {
        box.setText(before + QString::fromUtf8("a😀b"));
        box.setSelStart(before.size() + 2);  // inside the pair: its start
        EXPECT_EQ(box.SelStart(), before.size() + 1);
    }
    EXPECT_EQ(box.textRange(2, 1), QString::fromUtf8("😀"));
    box.setSelStart(-5);
    EXPECT_EQ(box.SelStart(), 0);
    box.setSelLength(100);
    EXPECT_EQ(box.SelText(), QString::fromUtf8("a😀b"));
}

// Typing and undoing at either end of a long program never waits for the editor's line
// index; a position deep inside it is the first to build one.
TEST(RichTextBox, EditsNearAnEndBuildNoIndex) {
    RichTextBox box;
    box.setText(QString::fromUtf8("あ\r\n") + QString(3 * kDirectReach, u'x'));
    const auto indexed = [&box] {
        return box.SendScintilla(QsciScintillaBase::SCI_GETLINECHARACTERINDEX) != QsciScintillaBase::SC_LINECHARACTERINDEX_NONE;
    };
    box.setSelStart(box.textLength());
    press(box, Qt::Key_A, u"a"_s);
    box.replaceRange(box.textLength() - 1, 1, QString());
    box.setSelStart(2);
    press(box, Qt::Key_B, u"b"_s);
    EXPECT_FALSE(indexed());
    box.setSelStart(box.textLength() / 2);
    EXPECT_TRUE(indexed());
}

TEST(RichTextBox, LineEndsStayAsTheyCameAndEnterTypesTheFirstOne) {
    const std::pair<QString, QString> typed[] = {
        {u"A\r\nB"_s, u"A\r\nB\r\n"_s}, {u"A\nB\r\n"_s, u"A\nB\r\n\n"_s}, {u"A\rB"_s, u"A\rB\r"_s}, {u"AB"_s, u"AB\r\n"_s}};
    for (const auto& [text, after] : typed) {
        RichTextBox box;
        box.setText(text);
        box.setSelStart(text.size());
        press(box, Qt::Key_Return, u"\r"_s);
        EXPECT_EQ(box.Text(), after);
    }
    RichTextBox box;
    box.setText(u"A\r\nB"_s);
    box.setSelStart(4);
    box.setSelText(u"\nC\rD"_s);
    QApplication::clipboard()->setText(u"x\ny\rz"_s);
    box.setSelStart(0);
    box.copy();  // nothing selected: the clipboard stays
    box.paste();
    QApplication::clipboard()->setText(u"1\n2"_s);
    press(box, Qt::Key_V, u"\x16"_s, Qt::ControlModifier);
    box.select(0, 2);
    box.cut();
    box.setSelStart(3);
    box.paste();
    EXPECT_EQ(box.Text(), u"y\rzx\n1\n2A\r\nB\nC\rD"_s);
}

TEST(RichTextBox, EveryChangeIsReportedOnce) {
    RichTextBox box;
    ChangeLog log(box);
    box.setText(QString::fromUtf8("G01 あX10"));
    box.setModified(false);
    box.select(6, 2);
    box.setSelText(u"Y5.25"_s);
    box.select(4, 2);
    press(box, Qt::Key_Z, u"Z"_s);
    press(box, Qt::Key_Backspace, u"\b"_s);
    // Nothing selected and nothing put in, moving the caret, colouring: no change.
    box.setSelText(QString());
    press(box, Qt::Key_Left, QString());
    box.select(0, 3);
    box.setSelColor(Qt::red);
    box.setSelBold(true);
    box.setText(box.Text());
    box.setText(u"A\r\nB"_s);
    box.setSelStart(3);
    press(box, Qt::Key_Backspace, u"\b"_s);
    EXPECT_EQ(box.Text(), u"AB"_s);
    // An input method's composition is one change when committed, none when given up.
    compose(box, QString::fromUtf8("か"));
    compose(box, QString::fromUtf8("かん"));
    compose(box, {}, QString::fromUtf8("漢"));
    compose(box, u"x"_s);
    compose(box, {});
    EXPECT_EQ(box.Text(), QString::fromUtf8("A漢B"));
    EXPECT_EQ(log.changes, (std::vector<std::string>{change(W, 0, 0, 8), change(R, 6, 2, 5), change(T, 4, 2, 1),
                                                     change(T, 4, 1, 0), change(W, 0, 9, 9), change(W, 0, 9, 4),
                                                     change(T, 1, 2, 0), change(T, 1, 0, 1)}));
}

TEST(RichTextBox, KeyPressHandlerSeesTypedKeysAndCanChangeOrSwallowThem) {
    RichTextBox box;
    ChangeLog log(box);
    std::vector<int> seen;
    QObject::connect(&box, &RichTextBox::keyPress, [&](KeyPressArgs& args) {
        seen.push_back(args.keyAscii);
        if (args.keyAscii == 'x') args.keyAscii = 0;
        if (args.keyAscii == 'a') args.keyAscii = 'A';
        // Text put in before the typed character, as automatic numbering does.
        if (args.keyAscii == 'G' && box.SelStart() == 0) box.setSelText(u"N000 "_s);
    });
    press(box, Qt::Key_G, u"G"_s);
    press(box, Qt::Key_X, u"x"_s);
    press(box, Qt::Key_A, u"a"_s);
    press(box, Qt::Key_Tab, u"\t"_s);
    press(box, Qt::Key_Backspace, u"\b"_s);
    press(box, Qt::Key_Left, QString());
    press(box, Qt::Key_Q, u"\x11"_s, Qt::ControlModifier);
    press(box, Qt::Key_Return, u"\r"_s);
    EXPECT_EQ(seen, (std::vector<int>{'G', 'x', 'a', 9, 8, 13}));
    EXPECT_EQ(box.Text(), u"N000 G\r\nA"_s);
    EXPECT_EQ(log.changes, (std::vector<std::string>{change(R, 0, 0, 5), change(T, 5, 0, 1), change(T, 6, 0, 1),
                                                     change(T, 7, 0, 1), change(T, 7, 1, 0), change(T, 6, 0, 2)}));
}

// The main window's Undo, Redo, Cut, Copy and Paste shortcuts must reach the menu while
// the text has the focus; ordinary characters stay with the text.
TEST(RichTextBox, EditShortcutsAreLeftToTheWindow) {
    RichTextBox box;
    const std::pair<int, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier},
        {Qt::Key_A, Qt::NoModifier}};
    for (const auto& [key, modifiers] : keys) {
        QKeyEvent event(QEvent::ShortcutOverride, key, modifiers, modifiers == Qt::NoModifier ? u"a"_s : QString());
        event.ignore();
        QApplication::sendEvent(&box, &event);
        EXPECT_EQ(event.isAccepted(), key == Qt::Key_A) << key;
    }
}

// Colours go by characters, runs may come out of order and overlap, survive an edit
// before them, painting, and an 8-bit document turning UTF-8; a new text has none. So do
// highlights, until they are cleared.
TEST(RichTextBox, ColouringRunsCountsCharacters) {
    const QColor blue(0, 0, 255);
    RichTextBox box;
    box.load(QString::fromLatin1("\xe9X1\r\n\xb0" "2"), TextEncoding::Latin1);
    box.setColourOfRuns({{5, 2}, {0, 3}, {1, 1}}, blue);
    box.select(1, 1);
    box.setSelBold(true);
    box.select(4, 1);
    box.highlightSelection(Qt::red);
    box.setSelStart(0);
    box.setSelText(QString::fromUtf8("😀"));
    box.resize(300, 200);
    (void)box.grab();
    EXPECT_TRUE(box.colourAt(6) == QColor(Qt::red) && box.boldAt(6));
    box.clearHighlights();
    const QColor plain = box.textColour();
    const std::vector<QColor> expected = {plain, plain, blue, blue, blue, plain, plain, blue, blue};
    for (qint64 i = 2; i < qint64(expected.size()); ++i) EXPECT_EQ(box.colourAt(i), expected[size_t(i)]) << i;
    EXPECT_EQ(std::vector<bool>({box.boldAt(2), box.boldAt(3), box.boldAt(4)}), std::vector<bool>({false, true, false}));
    box.select(3, 4);
    box.setSelColor(Qt::red);
    EXPECT_EQ(box.SelColor(), QColor(Qt::red));
    EXPECT_EQ(box.colourAt(2), blue);
    EXPECT_EQ(box.colourAt(7), blue);
    box.setText(u"O1"_s);
    EXPECT_EQ(box.colourAt(0), plain);
}

TEST(RichTextBox, FontAndHourglass) {
    RichTextBox box;
    box.setFontName(u"DejaVu Sans Mono"_s);
    box.setFontSize(14);
    EXPECT_EQ(box.textFont().family(), u"DejaVu Sans Mono"_s);
    EXPECT_EQ(box.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, 0ul, 0l), 14);
    box.setMousePointer(MousePointer::Hourglass);
    EXPECT_EQ(box.viewport()->cursor().shape(), Qt::WaitCursor);
}

// The editor's accessibility code counts every character before each change and caret
// move; without a screen reader the program answers that count with 0 in its place. The
// count is asked of the library's own code, so a build where its calls no longer reach
// the program's answer fails here.
TEST(RichTextBox, AccessibilityCountsNothingWithoutAssistiveTechnology) {
    RichTextBox box;
    box.setText(u"G01 X1"_s);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
    ASSERT_TRUE(accessible && accessible->textInterface());
    ASSERT_FALSE(QAccessible::isActive());
    EXPECT_EQ(accessible->textInterface()->characterCount(), 0);
}
