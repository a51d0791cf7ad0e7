#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

namespace quillmar {

// How far from either end of a text a position is counted straight off the bytes rather
// than through the editor's line index, in bytes.
inline constexpr qint64 kDirectReach = 1 << 16;

// UTF-16 units of the character a UTF-8 byte starts; 0 for a continuation byte.
int unitsOfLead(unsigned char c);

// The first byte at or after `from` that is not plain ASCII, or the end; plain ASCII is
// passed over eight bytes at a time.
qsizetype skipAscii(QByteArrayView bytes, qsizetype from);

struct ByteCounts {
    qint64 units = 0;  // UTF-16 units of the bytes read as UTF-8
    qint64 high = 0;   // bytes above 0x7F
};

// UTF-16 units of UTF-8 bytes as QString counts them. A byte of a Latin-1 text that is
// not plain ASCII is counted as UTF-8 would count it: only the bytes above 0x7F matter
// then.
ByteCounts countBytes(QByteArrayView bytes);

// Bytes of a text as at most two runs, one either side of the editor's gap, so that
// reading them never moves the text about.
struct ByteRuns {
    QByteArrayView first;
    QByteArrayView second;

    qint64 size() const { return first.size() + second.size(); }
    unsigned char at(qint64 i) const {
        return static_cast<unsigned char>(i < first.size() ? first[i] : second[i - first.size()]);
    }
};

// A text's bytes, read where they lie.
class ByteSource {
public:
    virtual qint64 byteLength() const = 0;
    // The bytes [from, to) of [0, byteLength()); none when to <= from.
    virtual ByteRuns byteRuns(qint64 from, qint64 to) const = 0;

protected:
    ~ByteSource() = default;
};

// The length of a UTF-8 text in UTF-16 units and how many of its bytes are not plain
// ASCII, kept with every edit, and the positions near either end of it, counted from that
// end. Further in, the caller's line index answers: a position costs at most the reach.
class PositionMap {
public:
    explicit PositionMap(const ByteSource& source) : source_(source) {}

    qint64 unitLength() const { return counts_.units; }
    bool plainAscii() const { return counts_.high == 0; }
    // Inserted bytes are counted as they arrive, removed ones before they go.
    void noteInserted(const ByteCounts& counts);
    void noteRemoved(const ByteCounts& counts);

    // The UTF-16 position of a byte position, or nothing beyond the reach of both ends.
    std::optional<qint64> unitsNearAnEnd(qint64 bytePos) const;
    // The byte position of a UTF-16 position, or nothing beyond the reach of both ends; a
    // position inside a surrogate pair gives the pair's own start.
    std::optional<qint64> byteNearAnEnd(qint64 units) const;

private:
    ByteCounts countRange(qint64 from, qint64 to) const;

    const ByteSource& source_;
    ByteCounts counts_;
};

}  // namespace quillmar
