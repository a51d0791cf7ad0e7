#include "platform/position_map.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <algorithm>

using namespace quillmar;

namespace {

// A text held in two separate arrays, as the editor holds it either side of its gap.
class GappedBytes final : public ByteSource {
public:
    GappedBytes(const QByteArray& bytes, qint64 gap) : before_(bytes.left(gap)), after_(bytes.mid(gap)) {}
    qint64 byteLength() const override { return before_.size() + after_.size(); }
    ByteRuns byteRuns(qint64 from, qint64 to) const override {
        ByteRuns runs;
        const qint64 split = std::clamp<qint64>(before_.size(), from, to);
        if (from < split) runs.first = QByteArrayView(before_).sliced(from, split - from);
        if (split < to) runs.second = QByteArrayView(after_).sliced(split - before_.size(), to - split);
        return runs;
    }

private:
    QByteArray before_;
    QByteArray after_;
};

}  // namespace

// Plain ASCII is passed over a word at a time: a character at every offset within and
// across a word is still counted.
TEST(PositionMap, CountsUnitsAndHighBytesAsQStringDoes) {
    for (const char* sample : {"é", "あ", "😀", "\xef\xbf\xbf"}) {
        for (int offset = 0; offset < 18; ++offset) {
            const QByteArray bytes = QByteArray(offset, 'x') + sample + QByteArray(20 - offset, 'x');
            const ByteCounts counts = countBytes(bytes);
            EXPECT_EQ(counts.units, QString::fromUtf8(bytes).size()) << sample << offset;
            EXPECT_EQ(counts.high, std::count_if(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; }));
        }
    }
}

// Positions within the reach of either end are counted off the bytes, wherever the gap
// lies, a position inside a surrogate pair giving the pair's start; beyond it the line
// index is left to answer.
TEST(PositionMap, PositionsNearEitherEndAndNoFurther) {
    const QString end = QString::fromUtf8("a😀bあ\r\nc\xef\xbf\xbf");
    const QString text = end + QString(2 * kDirectReach, u'x') + end;
    const QByteArray bytes = text.toUtf8();
    const qint64 length = bytes.size(), units = text.size();
    for (const qint64 gap : {qint64(0), qint64(2), length / 2, length - 12, length}) {
        SCOPED_TRACE(gap);
        const GappedBytes source(bytes, gap);
        PositionMap map(source);
        map.noteInserted(countBytes(bytes));
        ASSERT_EQ(map.unitLength(), units);
        for (qint64 i = 0; i <= end.size(); ++i) {
            for (const qint64 position : {i, units - end.size() + i}) {
                const bool inPair = position < units && text.at(position).isLowSurrogate();
                const qint64 start = inPair ? position - 1 : position;
                const qint64 byte = text.left(start).toUtf8().size();
                EXPECT_EQ(map.byteNearAnEnd(position), byte) << position;
                if (!inPair) {
                    EXPECT_EQ(map.unitsNearAnEnd(byte), position) << position;
                }
            }
        }
        EXPECT_TRUE(map.unitsNearAnEnd(kDirectReach) && map.unitsNearAnEnd(length - kDirectReach));
        EXPECT_FALSE(map.unitsNearAnEnd(kDirectReach + 1) || map.unitsNearAnEnd(length - kDirectReach - 1));
        EXPECT_TRUE(map.byteNearAnEnd(kDirectReach / 4) && map.byteNearAnEnd(units - kDirectReach / 4));
        EXPECT_FALSE(map.byteNearAnEnd(kDirectReach / 4 + 1) || map.byteNearAnEnd(units - kDirectReach / 4 - 1));
    }
}
