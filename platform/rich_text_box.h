#pragma once

#include "platform/position_map.h"
#include "platform/program_file.h"
#include "platform/typed_keys.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <utility>
#include <vector>
#include <optional>
#include <utility>
#include <vector>

namespace quillmar {

// One change of a document's text: `removedLength` characters at `position` were replaced
// by `insertedLength` characters. Positions and lengths count characters (UTF-16 code
// units) as Text() returns them.
struct TextChange {
    enum class Source {
        Typing,            // keys and input methods
        ReplaceSelection,  // setSelText, paste, cut
        WholeText,         // setText and load
        Other,             // anything else that reached the editor
    };
    qint64 position = 0;
    qint64 removedLength = 0;
    qint64 insertedLength = 0;
    Source source = Source::Other;
    // The single edits that made the change, in the order they were made, each at its
    // position in the text as it stood then: `removed` replaced by `insertedLength`
    // characters. The inserted text is not copied out: it is in the text.
    struct Edit {
        qint64 position = 0;
        QString removed;
        qint64 insertedLength = 0;
    };
    std::vector<Edit> edits;
};

// A typed character on its way into the text (a TypedKey or a character code). A keyPress
// handler may replace the code or set it to 0 to swallow the key.
struct KeyPressArgs {
    int keyAscii = 0;
};

enum class MousePointer { Default = 0, Hourglass = 11 };

// The document text control. Positions count characters over the text as it stands, a
// CR LF counting two; the control maps them to the editor's byte positions through the
// editor's own per-line index, so a position costs a look-up and a count within its
// line, never a scan of the text.
//
// The editor holds the document's bytes as they are: line ends are never converted, on
// loading, typing (Enter inserts the line end the text began with), pasting or inserting.
// Its own undo is off; every change, whatever made it, raises contentChanged exactly once.
// Colour and bold are editor styles, one per colour-and-bold pair in use, set over whole
// ranges. Ctrl+Z, Ctrl+Y, Ctrl+X, Ctrl+C and Ctrl+V are left to the window's shortcuts;
// without one, cut, copy and paste still work from the keyboard.
class RichTextBox : public QsciScintilla, private ByteSource {
    Q_OBJECT

public:
    explicit RichTextBox(QWidget* parent = nullptr);
    ~RichTextBox() override;

    // The code page the document is saved in. A Latin-1 document that receives a
    // character beyond U+00FF keeps it (the editor turns to UTF-8) and keeps its code
    // page until saving asks to change it.
    TextEncoding encoding() const { return encoding_; }
    void setEncoding(TextEncoding encoding);

    // Whether the document's file began with the UTF-8 mark. The mark is no part of the
    // text (the editor never holds it); saving as UTF-8 writes it again in front.
    bool utf8Mark() const { return utf8Mark_; }

    // Sets the code page (with the forms of the characters code page 932 holds twice) and
    // the whole text as one change, as opening a file does; the document has no mark.
    void load(const QString& text, TextEncoding encoding, const Cp932Forms& forms = {});
    // The same for a file as read: a UTF-8 file read as bytes goes in as its bytes, the
    // mark left out.
    void load(const ProgramFileRead& read);
    // Writes the text to the file in the code page. Where the editor already holds the
    // file's bytes (a UTF-8 text saved as UTF-8, an 8-bit one as 8-bit) they are written
    // as they are, with no conversion.
    ProgramFileWrite saveTo(const QString& path, TextEncoding encoding) const;

    // Replaces the selection as setSelText does with the text of a file read in the code
    // page (and forms). A document of plain ASCII takes that code page when the text is
    // not plain ASCII, so that it is saved as the file's bytes; one holding other
    // characters, or whose file carries the UTF-8 mark, keeps its own. The code page
    // stays when the text is undone: plain ASCII is written alike in each.
    void insertFileText(const QString& text, TextEncoding encoding, const Cp932Forms& forms);

    QString Text() const;
    // Replaces the whole text as one change (always reported, even when equal); clears
    // all colouring and puts the caret at the start.
    void setText(const QString& text) override;
    qint64 textLength() const;
    // Replaces the characters [position, position + length) (clipped to the text).
    void replaceRange(qint64 position, qint64 length, const QString& text);
    // Runs `edits` (made through replaceRange) as one change that stands for a new whole
    // text: reported once even when nothing changed, colouring cleared, and the line end
    // Enter types taken from the new text; only the edited characters are touched.
    void rewrite(const std::function<void()>& edits);
    // The characters [start, start + length) of the text, clipped to it, read without
    // taking the whole text.
    QString textRange(qint64 start, qint64 length) const;

    qint64 SelStart() const;
    // Puts the caret there with nothing selected.
    void setSelStart(qint64 position);
    qint64 SelLength() const;
    // Selects from SelStart on.
    void setSelLength(qint64 length);
    void select(qint64 start, qint64 length);
    QString SelText() const;
    // Replaces the selection, or inserts at the caret when nothing is selected; the caret
    // ends after the new text with nothing selected.
    void setSelText(const QString& text);

    // Colour and bold of the selection's first character (of the one before the caret
    // when nothing is selected).
    QColor SelColor() const;
    void setSelColor(const QColor& colour);
    bool SelBold() const;
    void setSelBold(bool bold);
    // Gives every character of the runs (start, length), in any order, the colour and
    // keeps its bold; one pass over the text however many runs there are.
    void setColourOfRuns(const QList<std::pair<qint64, qint64>>& runs, const QColor& colour);
    QColor colourAt(qint64 position) const;
    bool boldAt(qint64 position) const;
    // A highlight: the selection in the colour and bold, until clearHighlights gives the
    // plain colour without bold back to every character that still shows a highlight,
    // wherever edits have moved it. Clearing costs what the highlights cover, never a
    // pass over the text.
    void highlightSelection(const QColor& colour);
    void clearHighlights();

    bool Modified() const { return modified_; }
    void setModified(bool modified) override;

    QFont textFont() const { return font_; }
    // Name, size, bold, italic and underline of the whole text (the editor draws no
    // strikethrough); characters coloured or made bold keep their colour or bold.
    void setTextFont(const QFont& font);
    void setFontName(const QString& name);
    void setFontSize(int points);
    QColor textColour() const { return textColour_; }
    void setTextColour(const QColor& colour);

    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);

    // The editor's own editing entry points, kept on the same path as the ones above.
    void replaceSelectedText(const QString& text) override;
    void removeSelectedText() override;
    void insert(const QString& text) override;
    void insertAt(const QString& text, int line, int index) override;
    void append(const QString& text) override;
    void clear() override;
    void cut() override;
    void copy() override;
    void paste() override;
    // The program keeps its own undo ring; the editor's is off.
    void undo() override {}
    void redo() override {}
    void setUtf8(bool utf8) override;

signals:
    void contentChanged(const quillmar::TextChange& change);
    void modifiedChanged(bool modified);
    // A key that types a character (no control code), Backspace, Tab or Enter, or a single
    // character from an input method, before it reaches the text.
    void keyPress(quillmar::KeyPressArgs& args);
    void gotFocus();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct StyleLook {
        QRgb rgb = 0;
        bool bold = false;
    };
    // Gathers the edits of one operation (a typed key, a replaced selection, a new text)
    // into one change, raised when the outermost operation ends.
    class EditScope {
    public:
        EditScope(RichTextBox* box, TextChange::Source source, bool reportAlways = false);
        ~EditScope();
        EditScope(const EditScope&) = delete;
        EditScope& operator=(const EditScope&) = delete;

    private:
        RichTextBox* box_;
    };

    long sci(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    const char* bytesPointer() const;
    // The editor's bytes as the position map reads them.
    qint64 byteLength() const override;
    ByteRuns byteRuns(qint64 from, qint64 to) const override;
    // The bytes [from, to) where they lie; the editor first moves its gap out of the way.
    QByteArrayView rangeBytes(qint64 from, qint64 to) const;
    qint64 charFromByte(qint64 bytePos) const;
    qint64 byteFromChar(qint64 charPos) const;
    std::pair<qint64, qint64> selectionBytes() const;
    QByteArray toEditorBytes(QStringView text) const;
    QString fromEditorBytes(const char* data, qint64 length) const;

    void ensureRoomFor(QStringView incoming);
    void switchMode(bool utf8);
    void replaceWholeText(const QString& text);
    void replaceWholeBytes(QByteArrayView bytes);
    void replaceSelectionBytes(const QByteArray& bytes);
    void pasteText(const QString& text);
    void typeKey(QKeyEvent* event);

    void onModified(int position, int type, const char* text, int length);
    void ensureIndex() const;
    void noteOddUnitsInserted(qint64 position, QByteArrayView bytes, bool mayHoldOdd);
    void noteOddUnitsDeleted(qint64 position, qint64 length);
    qint64 unitsFromByte(qint64 bytePos) const;
    qint64 byteFromUnits(qint64 units) const;
    qint64 byteInLine(qint64 lineStart, qint64 relative) const;
    qint64 oddExcessWithin(qint64 lineStart, qint64 bytePos) const;
    void noteEdit(qint64 position, qint64 removed, qint64 inserted);
    void finishEdit();

    std::vector<char> styleBytes(qint64 start, qint64 end) const;
    int styleFor(QRgb rgb, bool bold);
    StyleLook lookOf(int style) const;
    void applyBaseStyle();
    void applyStyleLook(int style);
    template <class NextRun, class Map>
    void restyle(NextRun nextRun, Map map);
    void restyleRange(qint64 start, qint64 end, std::optional<QRgb> rgb, std::optional<bool> bold);

    TextEncoding encoding_ = TextEncoding::Utf8;
    Cp932Forms cp932Forms_;
    bool utf8Mark_ = false;
    bool utf8Mode_ = true;
    bool modified_ = false;
    MousePointer pointer_ = MousePointer::Default;
    QFont font_;
    QColor textColour_;
    static constexpr int kStrikeIndicator = 8;
    void markStrikeOut();
    // Marks, without drawing anything, where highlights were put; edits move it along.
    static constexpr int kHighlightIndicator = 9;
    std::vector<std::pair<qint64, qint64>> highlightRuns() const;
    void markHighlight(qint64 start, qint64 end);
    std::array<bool, 256> highlightStyle_{};

    // Styles 1..31 and 40..255 are handed out for each colour and bold that is used;
    // style 0 is the plain text.
    std::array<StyleLook, 256> looks_{};
    std::array<bool, 256> styleInUse_{};
    QHash<quint64, int> styleByLook_;
    bool styled_ = false;

    // Edits made inside one operation are gathered into one change.
    int editDepth_ = 0;
    TextChange::Source editSource_ = TextChange::Source::Other;
    bool reportAlways_ = false;
    bool editPending_ = false;
    qint64 editStart_ = 0;
    qint64 editOldEnd_ = 0;
    qint64 editNewEnd_ = 0;
    qint64 deleteStart_ = 0;
    qint64 deleteLength_ = 0;
    QString deleteText_;
    std::vector<TextChange::Edit> edits_;
    bool rewriting_ = false;
    // Byte positions of the noncharacters in the text (U+FFFE, U+FFFF, U+FDD0..U+FDEF,
    // U+nFFFE, U+nFFFF), which the editor counts as invalid bytes, one unit each, where
    // Qt counts one character: `excess` units too many. Usually empty.
    struct OddUnits {
        qint64 position;
        int width;
        int excess;
    };
    std::vector<OddUnits> oddUnits_;
    // Kept with every edit: the length in UTF-16 units (in a UTF-8 text) and how many bytes
    // are not plain ASCII; while none is, positions need no index.
    PositionMap positions_{*this};
    ByteCounts deleteCounts_;
    mutable bool indexAllocated_ = false;
    bool composing_ = false;
};

// The wait pointer over a text box while it lives; the default one comes back however
// the scope ends, an error included.
class WaitPointer {
public:
    explicit WaitPointer(RichTextBox& box) : box_(box) { box_.setMousePointer(MousePointer::Hourglass); }
    ~WaitPointer() { box_.setMousePointer(MousePointer::Default); }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;

private:
    RichTextBox& box_;
};

}  // namespace quillmar
