#include "app/text_tools/occurrences.h"

namespace quillmar {
namespace {

thread_local qint64 charactersRead = 0;

}  // namespace

qint64 textToolCharactersRead() { return charactersRead; }

void noteCharactersRead(qint64 count) { charactersRead += count; }

Occurrences::Occurrences(QStringView text, QStringView pattern, qint64 from)
    : text_(text), pattern_(pattern), at_(from), border_(std::size_t(pattern.size()), 0) {
    // border_[i]: the length of the longest proper prefix of pattern[0, i] that also ends it.
    for (qint64 i = 1, k = 0; i < pattern.size(); ++i) {
        while (k > 0 && pattern[i] != pattern[k])
            k = border_[std::size_t(k - 1)];
        if (pattern[i] == pattern[k])
            ++k;
        border_[std::size_t(i)] = k;
    }
}

qint64 Occurrences::next() {
    const qint64 length = pattern_.size();
    while (at_ < text_.size()) {
        const QChar c = text_[at_++];
        ++charactersRead;
        while (matched_ > 0 && pattern_[matched_] != c) {
            matched_ = border_[std::size_t(matched_ - 1)];
            ++charactersRead;
        }
        if (pattern_[matched_] == c)
            ++matched_;
        if (matched_ == length) {
            matched_ = border_[std::size_t(length - 1)];
            return at_ - length;
        }
    }
    return -1;
}

void Occurrences::skipTo(qint64 from) {
    if (from >= at_) {
        at_ = from;
        matched_ = 0;
        return;
    }
    while (at_ - matched_ < from)
        matched_ = border_[std::size_t(matched_ - 1)];
}

}  // namespace quillmar
