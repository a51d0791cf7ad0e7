#include "platform/rich_text_box.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

namespace quillmar {

namespace {

using Sci = QsciScintillaBase;

constexpr long kUtf16Index = Sci::SC_LINECHARACTERINDEX_UTF16;
// Styles are read and written in pieces of this many bytes, so colouring a large text
// never needs a second copy of it.
constexpr qint64 kStyleChunk = qint64(1) << 20;
// Within this many characters a walk over the bytes is cheaper than the editor's index.
constexpr qint64 kWalkLimit = 4096;

bool fitsLatin1(QStringView text) {
    for (QChar c : text) {
        if (c.unicode() > 0xFF) return false;
    }
    return true;
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

int utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

// The character code a key types as the control reports it, or 0 for a key that types
// nothing the program looks at (shortcuts, cursor keys, Delete).
int typedCode(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool command = mods & (Qt::ControlModifier | Qt::MetaModifier);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return command ? 0 : 13;
    case Qt::Key_Backspace: return command ? 0 : 8;
    case Qt::Key_Tab: return (command || (mods & (Qt::AltModifier | Qt::ShiftModifier))) ? 0 : 9;
    default: break;
    }
    const QString text = event->text();
    if (text.size() != 1) return 0;
    const char16_t code = text.at(0).unicode();
    if (code < 32 || code == 127) return 0;
    if (command && !(mods & Qt::AltModifier)) return 0;
    return code;
}

std::unique_ptr<QKeyEvent> keyEventFor(int code) {
    switch (code) {
    case 13: return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    case 8: return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    case 9: return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    default: return std::make_unique<QKeyEvent>(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(char16_t(code))));
    }
}

quint64 lookKey(QRgb rgb, bool bold) { return (quint64(rgb & 0xFFFFFFu) << 1) | (bold ? 1u : 0u); }

// Sorted, with overlapping or touching runs joined, empty ones dropped.
std::vector<std::pair<qint64, qint64>> joinedRuns(std::vector<std::pair<qint64, qint64>> runs) {
    std::sort(runs.begin(), runs.end());
    std::vector<std::pair<qint64, qint64>> joined;
    for (const auto& run : runs) {
        if (run.second <= run.first) continue;
        if (!joined.empty() && run.first <= joined.back().second)
            joined.back().second = std::max(joined.back().second, run.second);
        else
            joined.push_back(run);
    }
    return joined;
}

}  // namespace

// Gathers the edits of one operation (a typed key, a replaced selection, a new text) into
// one change, raised when the outermost operation ends.
class RichTextBox::EditScope {
public:
    EditScope(RichTextBox* box, TextChange::Source source, bool reportAlways = false) : box_(box) {
        if (box_->editDepth_++ == 0) {
            box_->editSource_ = source;
            box_->reportAlways_ = reportAlways;
        } else if (reportAlways) {
            box_->reportAlways_ = true;
        }
    }
    ~EditScope() {
        if (--box_->editDepth_ == 0) box_->finishEdit();
    }
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

private:
    RichTextBox* box_;
};

RichTextBox::RichTextBox(QWidget* parent) : QsciScintilla(parent) {
    font_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    textColor_ = palette().color(QPalette::Text);

    // No lexer: the program colours the text itself and nothing may restyle it.
    sci(SCI_SETLEXER, SCLEX_CONTAINER);
    sci(SCI_SETUNDOCOLLECTION, 0);
    sci(SCI_EMPTYUNDOBUFFER);
    sci(SCI_SETCODEPAGE, SC_CP_UTF8);
    sci(SCI_ALLOCATELINECHARACTERINDEX, kUtf16Index);
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
            [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                onModified(position, type, length);
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

qint64 RichTextBox::byteLength() const { return sci(SCI_GETLENGTH); }

qint64 RichTextBox::charFromByte(qint64 bytePos) const {
    bytePos = std::clamp<qint64>(bytePos, 0, byteLength());
    if (!utf8Mode_) return bytePos;
    const long line = sci(SCI_LINEFROMPOSITION, static_cast<unsigned long>(bytePos));
    const long lineStart = sci(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    qint64 position = sci(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf16Index);
    if (bytePos > lineStart) position += sci(SCI_COUNTCODEUNITS, static_cast<unsigned long>(lineStart), bytePos);
    return position;
}

qint64 RichTextBox::byteFromChar(qint64 charPos) const {
    if (charPos <= 0) return 0;
    if (!utf8Mode_) return std::min(charPos, byteLength());
    charPos = std::min(charPos, textLength());
    const long line = sci(SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(charPos), kUtf16Index);
    const qint64 lineIndex = sci(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf16Index);
    const long lineStart = sci(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const qint64 relative = charPos - lineIndex;
    if (relative <= 0) return lineStart;
    const long position = sci(SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(lineStart), relative);
    if (position > lineStart) return position;
    // Between the two halves of a surrogate pair: the character's own start.
    if (relative == 1) return lineStart;
    return sci(SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(lineStart), relative - 1);
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

void RichTextBox::setEncodingValue(TextEncoding encoding) {
    if (encoding_ == encoding) return;
    encoding_ = encoding;
    emit encodingChanged(encoding);
}

void RichTextBox::setEncoding(TextEncoding encoding) {
    if (encoding == TextEncoding::Latin1) {
        if (utf8Mode_) {
            if (!fitsLatin1(Text())) encoding = TextEncoding::Utf8;
            else switchMode(false);
        }
    } else if (!utf8Mode_) {
        switchMode(true);
    }
    setEncodingValue(encoding);
}

void RichTextBox::setUtf8(bool utf8) { setEncoding(utf8 ? TextEncoding::Utf8 : TextEncoding::Latin1); }

// An 8-bit document shows bytes as Latin-1 and cannot hold anything beyond U+00FF; such a
// character turns it into a UTF-8 document before it arrives, so it is never lost.
void RichTextBox::ensureRoomFor(QStringView incoming) {
    if (utf8Mode_ || fitsLatin1(incoming)) return;
    switchMode(true);
    setEncodingValue(TextEncoding::Utf8);
}

// Re-encodes the editor's bytes between Latin-1 and UTF-8 keeping the text, the colours,
// the selection and the scroll position; it is no change of the text.
void RichTextBox::switchMode(bool utf8) {
    if (utf8Mode_ == utf8) return;
    const qint64 oldLength = byteLength();
    const QString text = Text();
    std::vector<char> oldStyles;
    if (styled_ && oldLength > 0) {
        oldStyles.resize(size_t(oldLength));
        std::vector<char> buffer;
        for (qint64 start = 0; start < oldLength; start += kStyleChunk) {
            const qint64 end = std::min(oldLength, start + kStyleChunk);
            buffer.resize(size_t(2 * (end - start) + 2));
            SendScintilla(SCI_GETSTYLEDTEXT, long(start), long(end), buffer.data());
            for (qint64 i = start; i < end; ++i) oldStyles[size_t(i)] = buffer[size_t(2 * (i - start) + 1)];
        }
    }
    const qint64 anchor = charFromByte(sci(SCI_GETANCHOR));
    const qint64 caret = charFromByte(sci(SCI_GETCURRENTPOS));
    const long firstLine = sci(SCI_GETFIRSTVISIBLELINE);

    rewriting_ = true;
    sci(SCI_CLEARALL);
    utf8Mode_ = utf8;
    sci(SCI_SETCODEPAGE, utf8 ? SC_CP_UTF8 : 0);
    if (utf8) sci(SCI_ALLOCATELINECHARACTERINDEX, kUtf16Index);
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
    rewriting_ = false;

    sci(SCI_SETSEL, static_cast<unsigned long>(byteFromChar(anchor)), byteFromChar(caret));
    sci(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstLine));
}

// --- text -----------------------------------------------------------------------------

QString RichTextBox::Text() const { return fromEditorBytes(bytesPointer(), byteLength()); }

qint64 RichTextBox::textLength() const {
    const qint64 length = byteLength();
    if (!utf8Mode_) return length;
    const long line = sci(SCI_LINEFROMPOSITION, static_cast<unsigned long>(length));
    const long lineStart = sci(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    return sci(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf16Index)
           + sci(SCI_COUNTCODEUNITS, static_cast<unsigned long>(lineStart), length);
}

QString RichTextBox::textRange(qint64 start, qint64 length) const {
    const qint64 end = start + std::max<qint64>(0, length);
    start = std::max<qint64>(0, start);
    if (end <= start) return QString();
    const qint64 from = byteFromChar(start);
    const qint64 to = byteFromChar(end);
    if (to <= from) return QString();
    const char* data = reinterpret_cast<const char*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), long(to - from)));
    return fromEditorBytes(data, to - from);
}

void RichTextBox::replaceWholeText(const QString& text) {
    sci(SCI_CLEARALL);
    if (!utf8Mode_ && !fitsLatin1(text)) {
        // The old text is gone, so the mode changes without re-encoding anything.
        utf8Mode_ = true;
        sci(SCI_SETCODEPAGE, SC_CP_UTF8);
        sci(SCI_ALLOCATELINECHARACTERINDEX, kUtf16Index);
        setEncodingValue(TextEncoding::Utf8);
    }
    const QByteArray bytes = toEditorBytes(text);
    if (!bytes.isEmpty()) SendScintilla(SCI_APPENDTEXT, uintptr_t(bytes.size()), bytes.constData());
    sci(SCI_SETEOLMODE, static_cast<unsigned long>(eolModeOf(bytes)));
    styled_ = false;
    sci(SCI_GOTOPOS, 0);
}

void RichTextBox::setText(const QString& text) {
    EditScope scope(this, TextChange::Source::WholeText, true);
    replaceWholeText(text);
}

void RichTextBox::load(const QString& text, TextEncoding encoding) {
    // A text beyond Latin-1 cannot be an 8-bit document.
    if (encoding == TextEncoding::Latin1 && !fitsLatin1(text)) encoding = TextEncoding::Utf8;
    EditScope scope(this, TextChange::Source::WholeText, true);
    sci(SCI_CLEARALL);
    const bool utf8 = encoding != TextEncoding::Latin1;
    if (utf8Mode_ != utf8) {
        utf8Mode_ = utf8;
        sci(SCI_SETCODEPAGE, utf8 ? SC_CP_UTF8 : 0);
        if (utf8) sci(SCI_ALLOCATELINECHARACTERINDEX, kUtf16Index);
    }
    setEncodingValue(encoding);
    replaceWholeText(text);
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
    const char* data = reinterpret_cast<const char*>(
        SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), long(end - start)));
    return fromEditorBytes(data, end - start);
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

// --- change reports -------------------------------------------------------------------

void RichTextBox::onModified(int position, int type, int length) {
    if (rewriting_) return;
    if (type & SC_MOD_BEFOREDELETE) {
        deleteStart_ = charFromByte(position);
        deleteLength_ = charFromByte(qint64(position) + length) - deleteStart_;
        return;
    }
    if (type & SC_MOD_DELETETEXT) {
        noteEdit(deleteStart_, deleteLength_, 0);
    } else if (type & SC_MOD_INSERTTEXT) {
        const qint64 start = charFromByte(position);
        noteEdit(start, 0, charFromByte(qint64(position) + length) - start);
    } else {
        return;
    }
    if (editDepth_ == 0) {
        // An edit that came in by a way this class does not wrap is reported on its own.
        editSource_ = TextChange::Source::Other;
        reportAlways_ = false;
        finishEdit();
    }
}

// Widens the gathered change [start, new end) of the current text, which replaced
// [start, old end) of the text before the operation, by one more edit.
void RichTextBox::noteEdit(qint64 position, qint64 removed, qint64 inserted) {
    if (!editPending_) {
        editPending_ = true;
        editStart_ = position;
        editOldEnd_ = position + removed;
        editNewEnd_ = position + inserted;
        return;
    }
    const qint64 end = std::max(editNewEnd_, position + removed);
    editOldEnd_ += end - editNewEnd_;
    editNewEnd_ = end + inserted - removed;
    editStart_ = std::min(editStart_, position);
}

void RichTextBox::finishEdit() {
    // An input method's unfinished text is shown in the editor but is no change yet.
    if (composing_) return;
    TextChange change;
    change.source = editSource_;
    bool report = reportAlways_;
    if (editPending_) {
        change.position = editStart_;
        change.removedLength = editOldEnd_ - editStart_;
        change.insertedLength = editNewEnd_ - editStart_;
        report = report || change.removedLength != 0 || change.insertedLength != 0;
    }
    editPending_ = false;
    reportAlways_ = false;
    if (!report) return;
    if (!modified_) {
        modified_ = true;
        emit modifiedChanged(true);
    }
    emit contentChanged(change);
}

void RichTextBox::setModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

// --- styles ---------------------------------------------------------------------------

RichTextBox::StyleLook RichTextBox::lookOf(int style) const {
    if (style > 0 && style < 256 && styleInUse_[size_t(style)]) return looks_[size_t(style)];
    return {textColor_.rgb(), font_.bold()};
}

int RichTextBox::styleFor(QRgb rgb, bool bold) {
    if (lookKey(rgb, bold) == lookKey(textColor_.rgb(), font_.bold())) return 0;
    const quint64 key = lookKey(rgb, bold);
    if (const auto found = styleByLook_.constFind(key); found != styleByLook_.constEnd()) return found.value();
    for (int style = 1; style < 256; ++style) {
        if (style >= STYLE_DEFAULT && style <= STYLE_LASTPREDEFINED) continue;
        if (styleInUse_[size_t(style)]) continue;
        styleInUse_[size_t(style)] = true;
        looks_[size_t(style)] = {rgb, bold};
        styleByLook_.insert(key, style);
        applyStyleLook(style);
        return style;
    }
    // Every style is taken: the nearest colour of the same weight stands in.
    int best = 0;
    int bestDistance = INT_MAX;
    for (auto it = styleByLook_.cbegin(); it != styleByLook_.cend(); ++it) {
        const StyleLook look = looks_[size_t(it.value())];
        if (look.bold != bold) continue;
        const int distance = std::abs(qRed(look.rgb) - qRed(rgb)) + std::abs(qGreen(look.rgb) - qGreen(rgb))
                             + std::abs(qBlue(look.rgb) - qBlue(rgb));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = it.value();
        }
    }
    return best;
}

void RichTextBox::applyStyleLook(int style) {
    const StyleLook look = looks_[size_t(style)];
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(style), QColor::fromRgb(look.rgb));
    sci(SCI_STYLESETBOLD, static_cast<unsigned long>(style), look.bold ? 1 : 0);
}

void RichTextBox::applyBaseStyle() {
    const QByteArray family = font_.family().toUtf8();
    int points = font_.pointSize();
    if (points <= 0) points = qRound(font_.pointSizeF());
    if (points <= 0) points = 10;
    SendScintilla(SCI_STYLESETFONT, uintptr_t(STYLE_DEFAULT), family.constData());
    sci(SCI_STYLESETSIZE, STYLE_DEFAULT, points);
    sci(SCI_STYLESETBOLD, STYLE_DEFAULT, font_.bold() ? 1 : 0);
    sci(SCI_STYLESETITALIC, STYLE_DEFAULT, font_.italic() ? 1 : 0);
    sci(SCI_STYLESETUNDERLINE, STYLE_DEFAULT, font_.underline() ? 1 : 0);
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_DEFAULT), textColor_);
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), palette().color(QPalette::Base));
    sci(SCI_STYLECLEARALL);
    for (int style = 1; style < 256; ++style) {
        if (styleInUse_[size_t(style)]) applyStyleLook(style);
    }
}

void RichTextBox::setTextFont(const QFont& font) {
    font_ = font;
    applyBaseStyle();
}

void RichTextBox::setFontName(const QString& name) {
    font_.setFamily(name);
    applyBaseStyle();
}

void RichTextBox::setFontSize(int points) {
    font_.setPointSize(std::max(1, points));
    applyBaseStyle();
}

void RichTextBox::setTextColor(const QColor& color) {
    textColor_ = color.isValid() ? color : palette().color(QPalette::Text);
    applyBaseStyle();
}

// Restyles byte runs, taken one by one from nextRun(run) in order and apart, piece by
// piece: each piece's styles are read in one call, mapped, and written back in one call.
// Nothing is read while the text has never been coloured: its styles are all plain.
template <class NextRun, class Map>
void RichTextBox::restyle(NextRun nextRun, Map map) {
    std::array<int, 256> mapped;
    mapped.fill(-1);
    std::vector<char> buffer;
    std::vector<char> styles;
    std::vector<std::pair<qint64, qint64>> parts;
    std::pair<qint64, qint64> run;
    bool haveRun = nextRun(run);
    while (haveRun) {
        const qint64 pieceStart = run.first;
        const qint64 limit = pieceStart + kStyleChunk;
        qint64 pieceEnd = pieceStart;
        parts.clear();
        while (haveRun && run.first < limit) {
            if (run.second > limit) {
                parts.emplace_back(run.first, limit);
                pieceEnd = limit;
                run.first = limit;
                break;
            }
            parts.push_back(run);
            pieceEnd = run.second;
            haveRun = nextRun(run);
        }
        const qint64 length = pieceEnd - pieceStart;
        styles.resize(size_t(length));
        if (styled_) {
            buffer.resize(size_t(2 * length + 2));
            SendScintilla(SCI_GETSTYLEDTEXT, long(pieceStart), long(pieceEnd), buffer.data());
            for (qint64 i = 0; i < length; ++i) styles[size_t(i)] = buffer[size_t(2 * i + 1)];
        } else {
            std::fill(styles.begin(), styles.end(), char(0));
        }
        for (const auto& [from, to] : parts) {
            for (qint64 i = from; i < to; ++i) {
                char& style = styles[size_t(i - pieceStart)];
                int& to_style = mapped[static_cast<unsigned char>(style)];
                if (to_style < 0) to_style = map(static_cast<unsigned char>(style));
                style = char(to_style);
            }
        }
        sci(SCI_STARTSTYLING, static_cast<unsigned long>(pieceStart), 0);
        SendScintilla(SCI_SETSTYLINGEX, static_cast<unsigned long>(length), static_cast<void*>(styles.data()));
    }
    styled_ = true;
}

// Sets the colour, the bold or both of the bytes [start, end); what is not given stays
// as each character has it.
void RichTextBox::restyleRange(qint64 start, qint64 end, std::optional<QRgb> rgb, std::optional<bool> bold) {
    if (end <= start) return;
    bool given = false;
    restyle(
        [&](std::pair<qint64, qint64>& run) {
            if (given) return false;
            run = {start, end};
            given = true;
            return true;
        },
        [&](int old) {
            const StyleLook look = lookOf(old);
            return styleFor(rgb.value_or(look.rgb), bold.value_or(look.bold));
        });
}

void RichTextBox::setSelColor(const QColor& color) {
    const auto [start, end] = selectionBytes();
    restyleRange(start, end, color.isValid() ? color.rgb() : textColor_.rgb(), std::nullopt);
}

void RichTextBox::setSelBold(bool bold) {
    const auto [start, end] = selectionBytes();
    restyleRange(start, end, std::nullopt, bold);
}

void RichTextBox::setColorOfRuns(const QList<std::pair<qint64, qint64>>& runs, const QColor& color) {
    // Runs in order and apart, as a scan of the text gives them, are used as they are;
    // any others are sorted and joined first.
    bool ordered = true;
    qint64 previousEnd = 0;
    for (const auto& [start, length] : runs) {
        if (start < previousEnd || length <= 0) {
            ordered = false;
            break;
        }
        previousEnd = start + length;
    }
    std::vector<std::pair<qint64, qint64>> sorted;
    if (!ordered) {
        std::vector<std::pair<qint64, qint64>> ends;
        ends.reserve(size_t(runs.size()));
        for (const auto& [start, length] : runs) {
            if (length > 0) ends.emplace_back(std::max<qint64>(0, start), start + length);
        }
        sorted = joinedRuns(std::move(ends));
    }

    // Character positions to bytes in one walk along the text, jumping through the
    // editor's index over long stretches between runs.
    const qint64 length = byteLength();
    const char* bytes = utf8Mode_ ? bytesPointer() : nullptr;
    qint64 charPos = 0;
    qint64 bytePos = 0;
    auto toByte = [&](qint64 target) {
        if (!utf8Mode_) return std::min(target, length);
        if (target < charPos || target - charPos > kWalkLimit) {
            bytePos = byteFromChar(target);
            charPos = charFromByte(bytePos);
            return bytePos;
        }
        while (charPos < target && bytePos < length) {
            const int width = utf8SequenceLength(static_cast<unsigned char>(bytes[bytePos]));
            const int units = width == 4 ? 2 : 1;
            if (charPos + units > target) break;
            bytePos += width;
            charPos += units;
        }
        return bytePos;
    };
    size_t next = 0;
    const size_t count = ordered ? size_t(runs.size()) : sorted.size();
    auto nextRun = [&](std::pair<qint64, qint64>& run) {
        while (next < count) {
            qint64 from = 0;
            qint64 to = 0;
            if (ordered) {
                from = runs[qsizetype(next)].first;
                to = from + runs[qsizetype(next)].second;
            } else {
                from = sorted[next].first;
                to = sorted[next].second;
            }
            ++next;
            const qint64 start = toByte(from);
            const qint64 end = toByte(to);
            if (end > start) {
                run = {start, end};
                return true;
            }
        }
        return false;
    };
    const QRgb rgb = color.isValid() ? color.rgb() : textColor_.rgb();
    restyle(nextRun, [&](int old) { return styleFor(rgb, lookOf(old).bold); });
}

QColor RichTextBox::SelColor() const {
    const auto [start, end] = selectionBytes();
    const qint64 at = start < end ? start : start - 1;
    if (at < 0 || at >= byteLength()) return QColor::fromRgb(lookOf(0).rgb);
    return QColor::fromRgb(lookOf(int(sci(SCI_GETSTYLEAT, static_cast<unsigned long>(at)) & 0xFF)).rgb);
}

bool RichTextBox::SelBold() const {
    const auto [start, end] = selectionBytes();
    const qint64 at = start < end ? start : start - 1;
    if (at < 0 || at >= byteLength()) return lookOf(0).bold;
    return lookOf(int(sci(SCI_GETSTYLEAT, static_cast<unsigned long>(at)) & 0xFF)).bold;
}

QColor RichTextBox::colorAt(qint64 position) const {
    const qint64 at = byteFromChar(position);
    if (at >= byteLength()) return QColor::fromRgb(lookOf(0).rgb);
    return QColor::fromRgb(lookOf(int(sci(SCI_GETSTYLEAT, static_cast<unsigned long>(at)) & 0xFF)).rgb);
}

bool RichTextBox::boldAt(qint64 position) const {
    const qint64 at = byteFromChar(position);
    if (at >= byteLength()) return lookOf(0).bold;
    return lookOf(int(sci(SCI_GETSTYLEAT, static_cast<unsigned long>(at)) & 0xFF)).bold;
}

// --- pointer, keys, mouse, focus ------------------------------------------------------

void RichTextBox::setMousePointer(MousePointer pointer) {
    pointer_ = pointer;
    sci(SCI_SETCURSOR, static_cast<unsigned long>(pointer == MousePointer::Hourglass ? SC_CURSORWAIT : SC_CURSORNORMAL));
}

void RichTextBox::typeKey(QKeyEvent* event) {
    const bool plainTab = event->key() == Qt::Key_Tab
                          && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier));
    if (plainTab) {
        // A tab character replaces the selection; the editor would indent selected lines.
        EditScope scope(this, TextChange::Source::Typing);
        replaceSelectionBytes(QByteArrayLiteral("\t"));
        event->accept();
        return;
    }
    ensureRoomFor(event->text());
    EditScope scope(this, TextChange::Source::Typing);
    QsciScintilla::keyPressEvent(event);
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        paste();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        cut();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        event->ignore();
        return;
    }
    const int code = typedCode(event);
    if (code != 0) {
        KeyPressArgs args{code};
        emit keyPress(args);
        if (args.keyAscii <= 0 || args.keyAscii > 0xFFFF) {
            event->accept();
            return;
        }
        if (args.keyAscii != code) {
            const std::unique_ptr<QKeyEvent> replacement = keyEventFor(args.keyAscii);
            typeKey(replacement.get());
            event->accept();
            return;
        }
    }
    typeKey(event);
}

void RichTextBox::inputMethodEvent(QInputMethodEvent* event) {
    ensureRoomFor(QString(event->commitString() + event->preeditString()));
    const QString commit = event->commitString();
    if (!composing_ && event->preeditString().isEmpty() && event->replacementLength() == 0 && commit.size() == 1) {
        const int code = commit.at(0).unicode();
        if (code >= 32 && code != 127) {
            KeyPressArgs args{code};
            emit keyPress(args);
            if (args.keyAscii <= 0 || args.keyAscii > 0xFFFF) {
                event->accept();
                return;
            }
            if (args.keyAscii != code) {
                const QString replaced(QChar(char16_t(args.keyAscii)));
                ensureRoomFor(replaced);
                event->setCommitString(replaced);
            }
        }
    }
    // The editor takes its unfinished input-method text back out through its undo
    // history, so that history runs while a composition lasts and is dropped after.
    sci(SCI_SETUNDOCOLLECTION, 1);
    {
        EditScope scope(this, TextChange::Source::Typing);
        QsciScintilla::inputMethodEvent(event);
        composing_ = !event->preeditString().isEmpty();
    }
    if (!composing_) {
        sci(SCI_EMPTYUNDOBUFFER);
        sci(SCI_SETUNDOCOLLECTION, 0);
    }
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        QClipboard* clipboard = QApplication::clipboard();
        if (clipboard->supportsSelection()) {
            const QPoint at = event->position().toPoint();
            const long position = sci(SCI_POSITIONFROMPOINT, static_cast<unsigned long>(at.x()), at.y());
            sci(SCI_SETSEL, static_cast<unsigned long>(position), position);
            pasteText(clipboard->text(QClipboard::Selection));
        }
        event->accept();
    } else {
        EditScope scope(this, TextChange::Source::Other);
        QsciScintilla::mousePressEvent(event);
    }
    // Raised after the editor has taken the press, so a popup shown from here finds no
    // half-handled click behind it.
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event) {
    // A drag of the selection out to another program can take the text away.
    EditScope scope(this, TextChange::Source::Other);
    QsciScintilla::mouseMoveEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    EditScope scope(this, TextChange::Source::Other);
    QsciScintilla::mouseReleaseEvent(event);
}

void RichTextBox::focusInEvent(QFocusEvent* event) {
    QsciScintilla::focusInEvent(event);
    emit gotFocus();
}

void RichTextBox::focusOutEvent(QFocusEvent* event) {
    QsciScintilla::focusOutEvent(event);
    emit lostFocus();
}

// The document window shows the program's Edit menu on a right click (mouseDown).
void RichTextBox::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

}  // namespace quillmar
