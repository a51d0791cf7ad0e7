#include "platform/position_map.h"

#include <algorithm>
#include <cstring>

namespace quillmar {

int unitsOfLead(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xC0) == 0x80) return 0;
    return c >= 0xF0 ? 2 : 1;
}

qsizetype skipAscii(QByteArrayView bytes, qsizetype from) {
    const qsizetype length = bytes.size();
    while (from + 8 <= length) {
        quint64 word;
        std::memcpy(&word, bytes.data() + from, 8);
        if ((word & 0x8080808080808080ull) != 0) break;
        from += 8;
    }
    while (from < length && static_cast<unsigned char>(bytes[from]) < 0x80) ++from;
    return from;
}

ByteCounts countBytes(QByteArrayView bytes) {
    ByteCounts counts;
    const qsizetype length = bytes.size();
    qsizetype i = 0;
    while (true) {
        const qsizetype high = skipAscii(bytes, i);
        counts.units += high - i;
        if (high == length) return counts;
        counts.units += unitsOfLead(static_cast<unsigned char>(bytes[high]));
        ++counts.high;
        i = high + 1;
    }
}

void PositionMap::noteInserted(const ByteCounts& counts) {
    counts_.units += counts.units;
    counts_.high += counts.high;
}

void PositionMap::noteRemoved(const ByteCounts& counts) {
    counts_.units -= counts.units;
    counts_.high -= counts.high;
    if (source_.byteLength() == 0) counts_ = {};
}

ByteCounts PositionMap::countRange(qint64 from, qint64 to) const {
    const ByteRuns runs = source_.byteRuns(from, to);
    ByteCounts counts = countBytes(runs.first);
    const ByteCounts rest = countBytes(runs.second);
    counts.units += rest.units;
    counts.high += rest.high;
    return counts;
}

// Typing and undoing at the start or the end of a long program never waits for the line
// index to be built. The count is our own, which is QString's: noncharacters need no
// correction here.
std::optional<qint64> PositionMap::unitsNearAnEnd(qint64 bytePos) const {
    const qint64 length = source_.byteLength();
    if (bytePos <= kDirectReach) return countRange(0, bytePos).units;
    if (length - bytePos <= kDirectReach) return counts_.units - countRange(bytePos, length).units;
    return std::nullopt;
}

// A character takes at most three bytes per unit, so the bytes looked at stay within the
// reach.
std::optional<qint64> PositionMap::byteNearAnEnd(qint64 units) const {
    constexpr qint64 kUnits = kDirectReach / 4;
    const qint64 length = source_.byteLength();
    if (units <= kUnits) {
        const ByteRuns runs = source_.byteRuns(0, std::min(length, 3 * units + 4));
        qint64 counted = 0;
        for (qint64 i = 0; i < runs.size(); ++i) {
            const int width = unitsOfLead(runs.at(i));
            if (width == 0) continue;
            if (counted + width > units) return i;
            counted += width;
        }
        return runs.size();
    }
    const qint64 fromEnd = counts_.units - units;
    if (fromEnd > kUnits) return std::nullopt;
    if (fromEnd <= 0) return length;
    const qint64 from = std::max<qint64>(0, length - 3 * fromEnd - 4);
    const ByteRuns runs = source_.byteRuns(from, length);
    qint64 counted = 0;
    for (qint64 i = runs.size() - 1; i >= 0; --i) {
        counted += unitsOfLead(runs.at(i));
        if (counted >= fromEnd) return from + i;
    }
    return from;
}

}  // namespace quillmar
