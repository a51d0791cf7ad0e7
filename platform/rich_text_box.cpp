#include "platform/rich_text_box.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QScopedValueRollback>
#include <algorithm>
#include <vector>

namespace quillmar {

namespace {

using Sci = QsciScintillaBase;

bool fitsLatin1(QStringView text) {
    for (QChar c : text) {
        if (c.unicode() > 0xFF) return false;
    }
    return true;
}

bool plainAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Enter types the line end the text began with; a text without one gets CR LF, the line
// end of the program files this editor is made for.
long eolModeOf(QByteArrayView bytes) {
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] == '\r') return (i + 1 < n && bytes[i + 1] == '\n') ? Sci::SC_EOL_CRLF : Sci::SC_EOL_CR;
        if (bytes[i] == '\n') return Sci::SC_EOL_LF;
    }
    return Sci::SC_EOL_CRLF;
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QsciScintilla(parent) {
    font_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    textColour_ = palette().color(QPalette::Text);

    // No lexer: the program colours the text itself and nothing may restyle it.
    sci(SCI_SETLEXER, SCLEX_CONTAINER);
    sci(SCI_SETUNDOCOLLECTION, 0);
    sci(SCI_EMPTYUNDOBUFFER);
    sci(SCI_SETCODEPAGE, SC_CP_UTF8);
    sci(SCI_SETMODEVENTMASK, SC_MODEVENTMASKALL);
    sci(SCI_SETPASTECONVERTENDINGS, 0);
    sci(SCI_SETEOLMODE, SC_EOL_CRLF);
    sci(SCI_SETMULTIPLESELECTION, 0);
    sci(SCI_SETSCROLLWIDTHTRACKING, 1);
    sci(SCI_SETSCROLLWIDTH, 1);
    for (unsigned long margin = 0; margin < 5; ++margin) sci(SCI_SETMARGINWIDTHN, margin, 0);
    setAutoIndent(false);
    setBraceMatching(NoBraceMatch);
    setAutoCompletionSource(AcsNone);
    setAutoCompletionThreshold(-1);

    // Keys of editing commands the text control does not have. Unbound, they also stop
    // claiming Ctrl+Z, Ctrl+X, Ctrl+C and Ctrl+V from the main window's menu shortcuts.
    const QsciCommand::Command unbound[] = {
        QsciCommand::LineDelete,         QsciCommand::LineCut,
        QsciCommand::LineCopy,           QsciCommand::LineTranspose,
        QsciCommand::LineDuplicate,      QsciCommand::SelectionDuplicate,
        QsciCommand::SelectionLowerCase, QsciCommand::SelectionUpperCase,
        QsciCommand::SelectionCut,       QsciCommand::SelectionCopy,
        QsciCommand::Paste,              QsciCommand::Undo,
        QsciCommand::Redo,               QsciCommand::MoveSelectedLinesUp,
        QsciCommand::MoveSelectedLinesDown, QsciCommand::ReverseLines,
        QsciCommand::Backtab,            QsciCommand::Formfeed,
        QsciCommand::ZoomIn,             QsciCommand::ZoomOut,
    };
    for (QsciCommand::Command command : unbound) {
        if (QsciCommand* bound = standardCommands()->find(command)) {
            bound->setKey(0);
            bound->setAlternateKey(0);
        }
    }

    // Dropped text would come in through the editor's own paste, which rewrites line ends.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);

    applyBaseStyle();

    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char* text, int length, int, int, int, int, int, int) {
                onModified(position, type, text, length);
            });
    connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this,
            [this](int position) { sci(SCI_STARTSTYLING, static_cast<unsigned long>(position), 0); });
}

RichTextBox::~RichTextBox() = default;

long RichTextBox::sci(unsigned int message, unsigned long wParam, long lParam) const {
    return SendScintilla(message, wParam, lParam);
}

const char* RichTextBox::bytesPointer() const {
    return static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
}

std::pair<qint64, qint64> RichTextBox::selectionBytes() const {
    return {sci(SCI_GETSELECTIONSTART), sci(SCI_GETSELECTIONEND)};
}

QByteArray RichTextBox::toEditorBytes(QStringView text) const {
    return utf8Mode_ ? text.toUtf8() : text.toLatin1();
}

QString RichTextBox::fromEditorBytes(const char* data, qint64 length) const {
    if (length <= 0) return QString();
    const QByteArrayView bytes(data, length);
    return utf8Mode_ ? decodeText(bytes, TextEncoding::Utf8) : QString::fromLatin1(bytes);
}

// --- encoding -------------------------------------------------------------------------

void RichTextBox::setEncoding(TextEncoding encoding) {
    if (encoding == TextEncoding::Latin1) {
        if (utf8Mode_) {
            if (!fitsLatin1(Text())) encoding = TextEncoding::Utf8;
            else switchMode(false);
        }
    } else if (!utf8Mode_) {
        switchMode(true);
    }
    encoding_ = encoding;
}

void RichTextBox::setUtf8(bool utf8) { setEncoding(utf8 ? TextEncoding::Utf8 : TextEncoding::Latin1); }

// An 8-bit document shows bytes as Latin-1 and cannot hold anything beyond U+00FF; such a
// character turns the editor to UTF-8 before it arrives, so it is never lost. The file's
// code page stays: only the user may change it, when saving asks.
void RichTextBox::ensureRoomFor(QStringView incoming) {
    if (utf8Mode_ || fitsLatin1(incoming)) return;
    switchMode(true);
}

// Re-encodes the editor's bytes between Latin-1 and UTF-8 keeping the text, the colours,
// the selection and the scroll position; it is no change of the text.
void RichTextBox::switchMode(bool utf8) {
    if (utf8Mode_ == utf8) return;
    if (positions_.plainAscii()) {
        // Plain ASCII is the same bytes in either mode: only the editor's reading changes.
        utf8Mode_ = utf8;
        sci(SCI_SETCODEPAGE, utf8 ? SC_CP_UTF8 : 0);
        return;
    }
    const qint64 oldLength = byteLength();
    const QString text = Text();
    const std::vector<char> oldStyles = styled_ ? styleBytes(0, oldLength) : std::vector<char>();
    std::vector<std::pair<qint64, qint64>> highlights = highlightRuns();
    for (auto& [start, end] : highlights) {
        start = charFromByte(start);
        end = charFromByte(end);
    }
    const qint64 anchor = charFromByte(sci(SCI_GETANCHOR));
    const qint64 caret = charFromByte(sci(SCI_GETCURRENTPOS));
    const long firstLine = sci(SCI_GETFIRSTVISIBLELINE);

    // Selecting and scrolling below change no text: the flag may stay up until the end.
    const QScopedValueRollback quiet(rewriting_, true);
    sci(SCI_CLEARALL);
    utf8Mode_ = utf8;
    sci(SCI_SETCODEPAGE, utf8 ? SC_CP_UTF8 : 0);
    const QByteArray bytes = toEditorBytes(text);
    if (!bytes.isEmpty()) SendScintilla(SCI_APPENDTEXT, uintptr_t(bytes.size()), bytes.constData());
    if (!oldStyles.empty()) {
        // Every character is below U+0100: one byte in Latin-1, one or two in UTF-8.
        std::vector<char> styles;
        styles.reserve(size_t(bytes.size()));
        qint64 oldPos = 0;
        for (QChar c : text) {
            const char style = oldStyles[size_t(std::min(oldPos, oldLength - 1))];
            const int newWidth = (utf8 && c.unicode() >= 0x80) ? 2 : 1;
            const int oldWidth = (!utf8 && c.unicode() >= 0x80) ? 2 : 1;
            styles.insert(styles.end(), size_t(newWidth), style);
            oldPos += oldWidth;
        }
        sci(SCI_STARTSTYLING, 0, 0);
        SendScintilla(SCI_SETSTYLINGEX, static_cast<unsigned long>(styles.size()), static_cast<void*>(styles.data()));
    }
    for (const auto& [start, end] : highlights) markHighlight(byteFromChar(start), byteFromChar(end));

    sci(SCI_SETSEL, static_cast<unsigned long>(byteFromChar(anchor)), byteFromChar(caret));
    sci(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstLine));
}

// --- text -----------------------------------------------------------------------------

QString RichTextBox::Text() const { return fromEditorBytes(bytesPointer(), byteLength()); }

qint64 RichTextBox::textLength() const { return utf8Mode_ ? positions_.unitLength() : byteLength(); }

QString RichTextBox::textRange(qint64 start, qint64 length) const {
    const qint64 end = start + std::max<qint64>(0, length);
    start = std::max<qint64>(0, start);
    if (end <= start) return QString();
    const qint64 from = byteFromChar(start);
    const qint64 to = byteFromChar(end);
    if (to <= from) return QString();
    const QByteArrayView bytes = rangeBytes(from, to);
    return fromEditorBytes(bytes.data(), bytes.size());
}

void RichTextBox::replaceWholeText(const QString& text) {
    sci(SCI_CLEARALL);
    if (!utf8Mode_ && !fitsLatin1(text)) {
        // The old text is gone, so the mode changes without re-encoding anything.
        utf8Mode_ = true;
        sci(SCI_SETCODEPAGE, SC_CP_UTF8);
    }
    replaceWholeBytes(toEditorBytes(text));
}

// The editor fills its buffer exactly when the text goes in, so the first few keystrokes
// after opening a long program would copy the whole buffer to grow it: it gets some room
// for typing up front.
void RichTextBox::replaceWholeBytes(QByteArrayView bytes) {
    if (!bytes.isEmpty()) {
        sci(SCI_ALLOCATE, static_cast<unsigned long>(bytes.size() + std::min<qsizetype>(bytes.size() / 16, 1 << 20)));
        SendScintilla(SCI_APPENDTEXT, uintptr_t(bytes.size()), bytes.constData());
    }
    sci(SCI_SETEOLMODE, static_cast<unsigned long>(eolModeOf(bytes)));
    styled_ = false;
    sci(SCI_GOTOPOS, 0);
}

void RichTextBox::load(const ProgramFileRead& read) {
    if (!read.textOmitted) {
        load(read.text, read.encoding, read.forms);
        utf8Mark_ = read.utf8Mark;
        return;
    }
    EditScope scope(this, TextChange::Source::WholeText, true);
    sci(SCI_CLEARALL);
    if (!utf8Mode_) {
        utf8Mode_ = true;
        sci(SCI_SETCODEPAGE, SC_CP_UTF8);
    }
    cp932Forms_ = Cp932Forms();
    encoding_ = TextEncoding::Utf8;
    utf8Mark_ = read.utf8Mark;
    replaceWholeBytes(read.textBytes());
}

ProgramFileWrite RichTextBox::saveTo(const QString& path, TextEncoding encoding) const {
    // The mark is UTF-8's own: a file written in another code page goes without it.
    const QByteArrayView head = utf8Mark_ && encoding == TextEncoding::Utf8 ? kUtf8Mark : QByteArrayView();
    if ((encoding == TextEncoding::Utf8) == utf8Mode_ && encoding != TextEncoding::Cp932)
        return writeFileBytes(path, QByteArrayView(bytesPointer(), byteLength()), head);
    return writeProgramFile(path, Text(), encoding, cp932Forms_, head);
}

void RichTextBox::insertFileText(const QString& text, TextEncoding encoding, const Cp932Forms& forms) {
    // The mark says the file is UTF-8, as a character beyond ASCII would.
    if (!utf8Mark_ && positions_.plainAscii() && !plainAscii(text)) {
        switchMode(encoding != TextEncoding::Latin1);
        encoding_ = encoding;
        cp932Forms_ = forms;
    }
    setSelText(text);
}

void RichTextBox::setText(const QString& text) {
    EditScope scope(this, TextChange::Source::WholeText, true);
    replaceWholeText(text);
}

void RichTextBox::load(const QString& text, TextEncoding encoding, const Cp932Forms& forms) {
    cp932Forms_ = forms;
    utf8Mark_ = false;
    // A text beyond Latin-1 cannot be an 8-bit document.
    if (encoding == TextEncoding::Latin1 && !fitsLatin1(text)) encoding = TextEncoding::Utf8;
    EditScope scope(this, TextChange::Source::WholeText, true);
    sci(SCI_CLEARALL);
    const bool utf8 = encoding != TextEncoding::Latin1;
    if (utf8Mode_ != utf8) {
        utf8Mode_ = utf8;
        sci(SCI_SETCODEPAGE, utf8 ? SC_CP_UTF8 : 0);
    }
    encoding_ = encoding;
    replaceWholeText(text);
}

void RichTextBox::replaceRange(qint64 position, qint64 length, const QString& text) {
    ensureRoomFor(text);
    EditScope scope(this, TextChange::Source::Other);
    position = std::max<qint64>(0, position);
    const qint64 from = byteFromChar(position);
    const qint64 to = std::max(from, byteFromChar(position + std::max<qint64>(0, length)));
    const QByteArray bytes = toEditorBytes(text);
    if (from == to && bytes.isEmpty()) return;
    sci(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), to);
    SendScintilla(SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
}

void RichTextBox::rewrite(const std::function<void()>& edits) {
    EditScope scope(this, TextChange::Source::WholeText, true);
    edits();
    if (styled_) {
        sci(SCI_STARTSTYLING, 0, 0);
        sci(SCI_SETSTYLING, static_cast<unsigned long>(byteLength()), 0);
        styled_ = false;
    }
    // Only the first line end decides: at most the first line is read.
    const qint64 length = byteLength();
    const qint64 firstEnd = std::min<qint64>(length, sci(SCI_GETLINEENDPOSITION, 0) + 2);
    sci(SCI_SETEOLMODE, static_cast<unsigned long>(eolModeOf(rangeBytes(0, firstEnd))));
    sci(SCI_GOTOPOS, 0);
}

// --- selection ------------------------------------------------------------------------

qint64 RichTextBox::SelStart() const { return charFromByte(sci(SCI_GETSELECTIONSTART)); }

void RichTextBox::setSelStart(qint64 position) {
    const qint64 at = byteFromChar(position);
    sci(SCI_SETSEL, static_cast<unsigned long>(at), at);
}

qint64 RichTextBox::SelLength() const {
    const auto [start, end] = selectionBytes();
    if (start == end) return 0;
    return charFromByte(end) - charFromByte(start);
}

void RichTextBox::setSelLength(qint64 length) {
    const qint64 start = sci(SCI_GETSELECTIONSTART);
    const qint64 end = byteFromChar(charFromByte(start) + std::max<qint64>(0, length));
    sci(SCI_SETSEL, static_cast<unsigned long>(start), end);
}

void RichTextBox::select(qint64 start, qint64 length) {
    start = std::max<qint64>(0, start);
    const qint64 from = byteFromChar(start);
    const qint64 to = length > 0 ? byteFromChar(start + length) : from;
    sci(SCI_SETSEL, static_cast<unsigned long>(from), to);
}

QString RichTextBox::SelText() const {
    const auto [start, end] = selectionBytes();
    if (end <= start) return QString();
    const QByteArrayView bytes = rangeBytes(start, end);
    return fromEditorBytes(bytes.data(), bytes.size());
}

void RichTextBox::replaceSelectionBytes(const QByteArray& bytes) {
    const auto [start, end] = selectionBytes();
    if (start == end && bytes.isEmpty()) return;
    sci(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
    SendScintilla(SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
    const qint64 caret = start + bytes.size();
    sci(SCI_SETSEL, static_cast<unsigned long>(caret), caret);
}

void RichTextBox::setSelText(const QString& text) {
    ensureRoomFor(text);
    EditScope scope(this, TextChange::Source::ReplaceSelection);
    replaceSelectionBytes(toEditorBytes(text));
}

void RichTextBox::replaceSelectedText(const QString& text) { setSelText(text); }
void RichTextBox::removeSelectedText() { setSelText(QString()); }
void RichTextBox::clear() { setText(QString()); }

void RichTextBox::insert(const QString& text) {
    ensureRoomFor(text);
    EditScope scope(this, TextChange::Source::Other);
    QsciScintilla::insert(text);
}

void RichTextBox::insertAt(const QString& text, int line, int index) {
    ensureRoomFor(text);
    EditScope scope(this, TextChange::Source::Other);
    QsciScintilla::insertAt(text, line, index);
}

void RichTextBox::append(const QString& text) {
    ensureRoomFor(text);
    EditScope scope(this, TextChange::Source::Other);
    QsciScintilla::append(text);
}

// The editor's own paste would rewrite the pasted line ends; the text goes in as it is.
void RichTextBox::pasteText(const QString& text) {
    if (text.isEmpty()) return;
    ensureRoomFor(text);
    EditScope scope(this, TextChange::Source::ReplaceSelection);
    replaceSelectionBytes(toEditorBytes(text));
}

void RichTextBox::paste() { pasteText(QApplication::clipboard()->text()); }

void RichTextBox::copy() {
    const auto [start, end] = selectionBytes();
    if (start == end) return;
    QApplication::clipboard()->setText(SelText());
}

void RichTextBox::cut() {
    const auto [start, end] = selectionBytes();
    if (start == end) return;
    copy();
    setSelText(QString());
}

}  // namespace quillmar
