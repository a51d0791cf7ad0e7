#include "platform/rich_text_box.h"

#include <algorithm>
#include <vector>

// Character positions over the editor's byte positions: near either end of the text
// counted straight off the bytes, further in through the editor's own per-line index.

namespace quillmar {

namespace {

constexpr long kUtf16Index = QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16;

}  // namespace

qint64 RichTextBox::byteLength() const { return sci(SCI_GETLENGTH); }

QByteArrayView RichTextBox::rangeBytes(qint64 from, qint64 to) const {
    if (to <= from) return {};
    const long pointer = SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), long(to - from));
    return {reinterpret_cast<const char*>(pointer), to - from};
}

ByteRuns RichTextBox::byteRuns(qint64 from, qint64 to) const {
    if (to <= from) return {};
    const qint64 gap = sci(SCI_GETGAPPOSITION);
    const qint64 split = gap > from && gap < to ? gap : to;
    return {rangeBytes(from, split), rangeBytes(split, to)};
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
    if (!utf8Mode_ || positions_.plainAscii()) return bytePos;
    if (const std::optional<qint64> near = positions_.unitsNearAnEnd(bytePos)) return *near;
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
    if (positions_.plainAscii()) return charPos;
    if (const std::optional<qint64> near = positions_.byteNearAnEnd(charPos)) return *near;
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
// gives each.
void RichTextBox::noteOddUnitsInserted(qint64 position, QByteArrayView bytes, bool mayHoldOdd) {
    const qsizetype length = bytes.size();
    for (OddUnits& odd : oddUnits_)
        if (odd.position >= position) odd.position += length;
    if (!utf8Mode_ || !mayHoldOdd) return;
    const auto at = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    std::vector<OddUnits> found;
    for (qsizetype i = skipAscii(bytes, 0); i < length; i = skipAscii(bytes, i)) {
        int width = 0;
        if (at(i) == 0xEF && i + 2 < length && (at(i + 1) == 0xB7 || at(i + 1) == 0xBF)) width = 3;
        else if (at(i) >= 0xF0 && at(i) <= 0xF4 && i + 3 < length && (at(i + 1) & 0x0F) == 0x0F && at(i + 2) == 0xBF)
            width = 4;
        if (width != 0) {
            const qint64 start = position + i;
            const qint64 units = sci(SCI_COUNTCODEUNITS, static_cast<unsigned long>(start), start + width);
            const int excess = int(units) - (width == 4 ? 2 : 1);
            if (excess > 0) {
                found.push_back({start, width, excess});
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

}  // namespace quillmar
