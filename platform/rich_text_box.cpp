#include "platform/rich_text_box.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <algorithm>
#include <dlfcn.h>
#include <cstring>
#include <vector>

// QScintilla 2.13 tells the accessibility layer of every change and of every caret move,
// and to do so turns the byte position into a character offset with SCI_COUNTCHARACTERS
// from the start of the document: the editor walks every character before the change,
// about 95 ms at the end of a 20 MB program, once for the change and once more for the
// repaint. It does so whether or not anything listens; the events are dropped by Qt
// unless an assistive technology is active. Its accessibility code is the only user of
// SCI_COUNTCHARACTERS (ours never sends it) and reaches the editor through this exported
// member, so the program's own definition takes its place (the dynamic linker prefers
// it) and passes every message on to the library's, except that it answers the count
// with 0 while no assistive technology is active. With a screen reader running, the
// editor counts as before. Nothing needs to be installed or rebuilt for this.
long QsciScintillaBase::SendScintilla(unsigned int msg, unsigned long wParam, long lParam) const {
    using Send = long (*)(const QsciScintillaBase*, unsigned int, unsigned long, long);
    static const Send library = reinterpret_cast<Send>(dlsym(RTLD_NEXT, "_ZNK17QsciScintillaBase13SendScintillaEjml"));
    if (msg == SCI_COUNTCHARACTERS && !QAccessible::isActive()) return 0;
    if (!library) qFatal("QScintilla's SendScintilla was not found beside the program's own");
    return library(this, msg, wParam, lParam);
}

namespace quillmar {

namespace {

using Sci = QsciScintillaBase;

constexpr long kUtf16Index = Sci::SC_LINECHARACTERINDEX_UTF16;
// UTF-16 units of the character a UTF-8 byte starts; 0 for a continuation byte.
int unitsOfLead(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xC0) == 0x80) return 0;
    return c >= 0xF0 ? 2 : 1;
}

bool fitsLatin1(QStringView text) {
    for (QChar c : text) {
        if (c.unicode() > 0xFF) return false;
    }
    return true;
}

}  // namespace

// UTF-16 units of UTF-8 bytes as QString counts them (a byte of a Latin-1 text that is
// not plain ASCII is counted as UTF-8 would count it: only the bytes above 0x7F matter
// then), passing over plain ASCII eight bytes at a time.
RichTextBox::ByteCounts RichTextBox::countBytes(const char* bytes, qint64 length) {
    ByteCounts counts;
    if (!bytes) return counts;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    qint64 i = 0;
    while (i < length) {
        if (i + 8 <= length) {
            quint64 word;
            std::memcpy(&word, b + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                counts.units += 8;
                i += 8;
                continue;
            }
        }
        const unsigned char c = b[i++];
        counts.units += unitsOfLead(c);
        if (c >= 0x80) ++counts.high;
    }
    return counts;
}

namespace {

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

RichTextBox::EditScope::EditScope(RichTextBox* box, TextChange::Source source, bool reportAlways) : box_(box) {
    if (box_->editDepth_++ == 0) {
        box_->editSource_ = source;
        box_->reportAlways_ = reportAlways;
    } else if (reportAlways) {
        box_->reportAlways_ = true;
    }
}

RichTextBox::EditScope::~EditScope() {
    if (--box_->editDepth_ == 0) box_->finishEdit();
}

RichTextBox::RichTextBox(QWidget* parent) : QsciScintilla(parent) {
    font_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    textColor_ = palette().color(QPalette::Text);

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

qint64 RichTextBox::byteLength() const { return sci(SCI_GETLENGTH); }

// The bytes [from, to) as at most two runs, one either side of the editor's gap, so that
// reading them never moves the text about.
struct RichTextBox::ByteRuns {
    const unsigned char* first = nullptr;
    qint64 firstLength = 0;
    const unsigned char* second = nullptr;
    qint64 secondLength = 0;

    qint64 size() const { return firstLength + secondLength; }
    unsigned char at(qint64 i) const { return i < firstLength ? first[i] : second[i - firstLength]; }
};

RichTextBox::ByteRuns RichTextBox::byteRuns(qint64 from, qint64 to) const {
    const auto range = [this](qint64 start, qint64 end) {
        return reinterpret_cast<const unsigned char*>(
            SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), long(end - start)));
    };
    ByteRuns runs;
    if (to <= from) return runs;
    const qint64 gap = sci(SCI_GETGAPPOSITION);
    const qint64 split = gap > from && gap < to ? gap : to;
    runs.first = range(from, split);
    runs.firstLength = split - from;
    if (split < to) {
        runs.second = range(split, to);
        runs.secondLength = to - split;
    }
    return runs;
}

RichTextBox::ByteCounts RichTextBox::countRange(qint64 from, qint64 to) const {
    const ByteRuns runs = byteRuns(from, to);
    ByteCounts counts = countBytes(reinterpret_cast<const char*>(runs.first), runs.firstLength);
    const ByteCounts rest = countBytes(reinterpret_cast<const char*>(runs.second), runs.secondLength);
    counts.units += rest.units;
    counts.high += rest.high;
    return counts;
}

// Near either end of the text a position is counted from that end, so typing and undoing
// at the start or the end of a long program never waits for the line index to be built.
// The count is our own, which is QString's: noncharacters need no correction here.
std::optional<qint64> RichTextBox::charNearAnEnd(qint64 bytePos) const {
    const qint64 length = byteLength();
    if (bytePos <= kDirectReach) return countRange(0, bytePos).units;
    if (length - bytePos <= kDirectReach) return charLength_ - countRange(bytePos, length).units;
    return std::nullopt;
}

// A position inside a surrogate pair gives the pair's own start, as through the index.
// A character takes at most three bytes per unit, so the bytes looked at stay within
// the reach.
std::optional<qint64> RichTextBox::byteNearAnEnd(qint64 charPos) const {
    constexpr qint64 kUnits = kDirectReach / 4;
    const qint64 length = byteLength();
    if (charPos <= kUnits) {
        const ByteRuns runs = byteRuns(0, std::min(length, 3 * charPos + 4));
        qint64 units = 0;
        for (qint64 i = 0; i < runs.size(); ++i) {
            const int width = unitsOfLead(runs.at(i));
            if (width == 0) continue;
            if (units + width > charPos) return i;
            units += width;
        }
        return runs.size();
    }
    const qint64 fromEnd = charLength_ - charPos;
    if (fromEnd > kUnits) return std::nullopt;
    if (fromEnd <= 0) return length;
    const qint64 from = std::max<qint64>(0, length - 3 * fromEnd - 4);
    const ByteRuns runs = byteRuns(from, length);
    qint64 units = 0;
    for (qint64 i = runs.size() - 1; i >= 0; --i) {
        units += unitsOfLead(runs.at(i));
        if (units >= fromEnd) return from + i;
    }
    return from;
}

// The editor's UTF-16 line index is built on the first position that needs it: a text of
// plain ASCII never needs one (characters and bytes are the same), and opening, showing
// and saving a program needs no position beyond its start.
void RichTextBox::ensureIndex() const {
    if (indexAllocated_) return;
    sci(SCI_ALLOCATELINECHARACTERINDEX, kUtf16Index);
    indexAllocated_ = true;
}

// A position within a UTF-8 text holding other characters than ASCII, through the index.
qint64 RichTextBox::unitsFromByte(qint64 bytePos) const {
    ensureIndex();
    const long line = sci(SCI_LINEFROMPOSITION, static_cast<unsigned long>(bytePos));
    const long lineStart = sci(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    qint64 position = sci(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf16Index);
    if (bytePos > lineStart) position += sci(SCI_COUNTCODEUNITS, static_cast<unsigned long>(lineStart), bytePos);
    return position;
}

qint64 RichTextBox::byteFromUnits(qint64 charPos) const {
    ensureIndex();
    const long line = sci(SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(charPos), kUtf16Index);
    const qint64 lineIndex = sci(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf16Index);
    const long lineStart = sci(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    return byteInLine(lineStart, charPos - lineIndex);
}

qint64 RichTextBox::byteInLine(qint64 lineStart, qint64 relative) const {
    if (relative <= 0) return lineStart;
    const long position = sci(SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(lineStart), relative);
    if (position > lineStart) return position;
    // Between the two halves of a surrogate pair: the character's own start.
    if (relative == 1) return lineStart;
    return sci(SCI_POSITIONRELATIVECODEUNITS, static_cast<unsigned long>(lineStart), relative - 1);
}

// The editor's line index counts a noncharacter as one character, but counting within a
// line gives it one unit per byte: the excess of those between the line start and the
// position is taken off.
qint64 RichTextBox::oddExcessWithin(qint64 lineStart, qint64 bytePos) const {
    qint64 excess = 0;
    for (const OddUnits& odd : oddUnits_) {
        if (odd.position + odd.width > bytePos) break;
        if (odd.position >= lineStart) excess += odd.excess;
    }
    return excess;
}

qint64 RichTextBox::charFromByte(qint64 bytePos) const {
    bytePos = std::clamp<qint64>(bytePos, 0, byteLength());
    if (!utf8Mode_ || nonAsciiBytes_ == 0) return bytePos;
    if (const std::optional<qint64> near = charNearAnEnd(bytePos)) return *near;
    qint64 position = unitsFromByte(bytePos);
    if (!oddUnits_.empty()) {
        const long line = sci(SCI_LINEFROMPOSITION, static_cast<unsigned long>(bytePos));
        position -= oddExcessWithin(sci(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)), bytePos);
    }
    return position;
}

qint64 RichTextBox::byteFromChar(qint64 charPos) const {
    if (charPos <= 0) return 0;
    if (!utf8Mode_) return std::min(charPos, byteLength());
    charPos = std::min(charPos, textLength());
    if (nonAsciiBytes_ == 0) return charPos;
    if (const std::optional<qint64> near = byteNearAnEnd(charPos)) return *near;
    if (oddUnits_.empty()) return byteFromUnits(charPos);
    ensureIndex();
    const long line = sci(SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(charPos), kUtf16Index);
    const qint64 lineIndex = sci(SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line), kUtf16Index);
    const qint64 lineStart = sci(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const qint64 lineEnd = sci(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
    qint64 excess = 0;
    for (const OddUnits& odd : oddUnits_) {
        if (odd.position < lineStart) continue;
        if (odd.position >= lineEnd) break;
        const qint64 at = lineIndex + sci(SCI_COUNTCODEUNITS, static_cast<unsigned long>(lineStart), odd.position) - excess;
        if (at >= charPos) break;
        // Inside the surrogate pair of a noncharacter beyond U+FFFF: its own start.
        if (charPos < at + (odd.width == 4 ? 2 : 1)) return odd.position;
        excess += odd.excess;
    }
    return byteInLine(lineStart, charPos - lineIndex + excess);
}

// Looks for noncharacters in freshly inserted UTF-8 and asks the editor how many units it
// gives each; runs of plain ASCII are passed over eight bytes at a time.
void RichTextBox::noteOddUnitsInserted(qint64 position, qint64 length, const char* bytes) {
    for (OddUnits& odd : oddUnits_)
        if (odd.position >= position) odd.position += length;
    if (!utf8Mode_ || !bytes) return;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    std::vector<OddUnits> found;
    qint64 i = 0;
    while (i < length) {
        if (i + 8 <= length) {
            quint64 word;
            std::memcpy(&word, b + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        int width = 0;
        if (b[i] == 0xEF && i + 2 < length && (b[i + 1] == 0xB7 || b[i + 1] == 0xBF)) width = 3;
        else if (b[i] >= 0xF0 && b[i] <= 0xF4 && i + 3 < length && (b[i + 1] & 0x0F) == 0x0F && b[i + 2] == 0xBF)
            width = 4;
        if (width != 0) {
            const qint64 at = position + i;
            const qint64 units = sci(SCI_COUNTCODEUNITS, static_cast<unsigned long>(at), at + width);
            const int excess = int(units) - (width == 4 ? 2 : 1);
            if (excess > 0) {
                found.push_back({at, width, excess});
                i += width;
                continue;
            }
        }
        ++i;
    }
    if (found.empty()) return;
    oddUnits_.insert(std::upper_bound(oddUnits_.begin(), oddUnits_.end(), position,
                                      [](qint64 p, const OddUnits& odd) { return p < odd.position; }),
                     found.begin(), found.end());
}

void RichTextBox::noteOddUnitsDeleted(qint64 position, qint64 length) {
    if (oddUnits_.empty()) return;
    std::erase_if(oddUnits_, [&](const OddUnits& odd) { return odd.position >= position && odd.position < position + length; });
    for (OddUnits& odd : oddUnits_)
        if (odd.position >= position + length) odd.position -= length;
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

    rewriting_ = true;
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
    rewriting_ = false;

    sci(SCI_SETSEL, static_cast<unsigned long>(byteFromChar(anchor)), byteFromChar(caret));
    sci(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstLine));
}

// --- text -----------------------------------------------------------------------------

QString RichTextBox::Text() const { return fromEditorBytes(bytesPointer(), byteLength()); }

qint64 RichTextBox::textLength() const { return utf8Mode_ ? charLength_ : byteLength(); }

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
    }
    replaceWholeBytes(toEditorBytes(text));
}

// The editor fills its buffer exactly when the text goes in, so the first few keystrokes
// after opening a long program would copy the whole buffer to grow it: it gets some room
// for typing up front.
void RichTextBox::replaceWholeBytes(const QByteArray& bytes) {
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
        load(read.text, read.encoding);
        return;
    }
    EditScope scope(this, TextChange::Source::WholeText, true);
    sci(SCI_CLEARALL);
    if (!utf8Mode_) {
        utf8Mode_ = true;
        sci(SCI_SETCODEPAGE, SC_CP_UTF8);
    }
    setEncodingValue(TextEncoding::Utf8);
    replaceWholeBytes(read.bytes);
}

ProgramFileWrite RichTextBox::saveTo(const QString& path, TextEncoding encoding) const {
    if ((encoding == TextEncoding::Utf8) == utf8Mode_ && encoding != TextEncoding::Cp932) {
        ProgramFileWrite result;
        result.ok = writeFileBytes(path, QByteArrayView(bytesPointer(), byteLength()), &result.error);
        return result;
    }
    return writeProgramFile(path, Text(), encoding);
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
    }
    setEncodingValue(encoding);
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
    const char* head = reinterpret_cast<const char*>(SendScintilla(SCI_GETRANGEPOINTER, 0ul, long(firstEnd)));
    sci(SCI_SETEOLMODE, static_cast<unsigned long>(eolModeOf(QByteArrayView(head, firstEnd))));
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

void RichTextBox::onModified(int position, int type, const char* text, int length) {
    if (type & SC_MOD_BEFOREDELETE) {
        const char* data = reinterpret_cast<const char*>(
            SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(position), long(length)));
        deleteCounts_ = countBytes(data, length);
        if (rewriting_) return;
        deleteStart_ = charFromByte(position);
        deleteLength_ = utf8Mode_ ? deleteCounts_.units : length;
        // The removed characters are kept for the undo ring; the inserted ones stay in
        // the text, so a change costs what it touches.
        deleteText_ = fromEditorBytes(data, length);
        return;
    }
    qint64 inserted = 0;
    if (type & SC_MOD_INSERTTEXT) {
        const ByteCounts counts = countBytes(text, length);
        charLength_ += counts.units;
        nonAsciiBytes_ += counts.high;
        inserted = utf8Mode_ ? counts.units : length;
        if (counts.high != 0) noteOddUnitsInserted(position, length, text);
        else noteOddUnitsInserted(position, length, nullptr);
    } else if (type & SC_MOD_DELETETEXT) {
        charLength_ -= deleteCounts_.units;
        nonAsciiBytes_ -= deleteCounts_.high;
        if (byteLength() == 0) charLength_ = nonAsciiBytes_ = 0;
        noteOddUnitsDeleted(position, length);
    }
    if (rewriting_) return;
    if (type & SC_MOD_DELETETEXT) {
        noteEdit(deleteStart_, deleteLength_, 0);
        edits_.push_back({deleteStart_, std::move(deleteText_), 0});
        deleteText_ = QString();
    } else if (type & SC_MOD_INSERTTEXT) {
        const qint64 start = charFromByte(position);
        noteEdit(start, 0, inserted);
        if (!edits_.empty() && edits_.back().insertedLength == 0 && edits_.back().position == start)
            edits_.back().insertedLength = inserted;  // a replacement: the delete, then the insert
        else
            edits_.push_back({start, QString(), inserted});
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
    change.edits = std::move(edits_);
    edits_.clear();
    editPending_ = false;
    reportAlways_ = false;
    if (!report) return;
    if (!modified_) {
        modified_ = true;
        emit modifiedChanged(true);
    }
    if (font_.strikeOut()) markStrikeOut();
    emit contentChanged(change);
}

void RichTextBox::setModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

}  // namespace quillmar
