#pragma once

#include <QStringView>
#include <vector>

namespace quillmar {

// How many characters the text tools' scans have looked at on this thread so far: a run
// must look at each character of its text a few times at most, whatever it looks for.
qint64 textToolCharactersRead();
void noteCharactersRead(qint64 count);

// Every occurrence of a pattern in a text, overlapping ones included, in order (Knuth,
// Morris and Pratt): however the pattern repeats itself, finding them all takes at most
// two steps per character of the text.
class Occurrences {
public:
    Occurrences(QStringView text, QStringView pattern, qint64 from);

    // The start of the next occurrence; -1 when there is none.
    qint64 next();

    // Occurrences that begin before `from` are passed over.
    void skipTo(qint64 from);

private:
    QStringView text_;
    QStringView pattern_;
    qint64 at_ = 0;
    qint64 matched_ = 0;
    std::vector<qint64> border_;
};

}  // namespace quillmar
