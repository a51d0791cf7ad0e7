#include "app/undo_ring.h"

#include <algorithm>
#include <utility>

namespace quillmar {

namespace {

// Composing the steps of a slot that is undone and typed into over and over would make
// them longer each time; beyond this many pieces a step is boiled down to one.
constexpr size_t kMaxPieces = 64;

// A plain string standing in for the document, to apply a step to a copy of its text.
class StringText : public UndoRing::Text {
public:
    explicit StringText(QString text) : text_(std::move(text)) {}
    qint64 length() const override { return text_.size(); }
    QString read(qint64 position, qint64 length) const override { return text_.mid(position, length); }
    void replace(qint64 position, qint64 length, const QString& text) override { text_.replace(position, length, text); }
    QString& text() { return text_; }

private:
    QString text_;
};

}  // namespace

void UndoRing::ResetUndoHistory(int slot) { slots_.at(slot) = Slot{}; }

void UndoRing::markFirstState(int slot) {
    Slot& s = slots_.at(slot);
    s.oldest = s.depth;
    // The states beyond it are out of reach: what they hold goes.
    for (int level = s.depth; level < kLevels - 1; ++level)
        s.steps[level] = Step{};
}

UndoRing::Step UndoRing::inverted(const Step& step) {
    Step result;
    result.reserve(step.size());
    for (auto it = step.rbegin(); it != step.rend(); ++it)
        result.push_back({it->position, it->lowerLength, it->upperLength, it->lower, it->upper});
    return result;
}

// Applies a step from its upper level to its lower one, noting each replaced text the
// first time it is seen, so that the step can be walked back up.
void UndoRing::applyDown(Step& step, Text& text) {
    for (Piece& piece : step) {
        const qint64 length = text.length();
        const qint64 position = std::clamp<qint64>(piece.position, 0, length);
        const qint64 count = std::clamp<qint64>(piece.upperLength, 0, length - position);
        if (!piece.upper) piece.upper = text.read(position, count);
        text.replace(position, count, piece.lower.value_or(QString()));
    }
}

// One piece for the whole step: the stretch between the text's unchanged head and tail.
// It reads the whole text, which only a long run of undo-and-type ever comes to.
UndoRing::Step UndoRing::compacted(Step step, const Text& text) {
    const QString upper = text.read(0, text.length());
    StringText lower(upper);
    applyDown(step, lower);
    const QString& to = lower.text();
    qint64 head = 0;
    const qint64 shorter = std::min(upper.size(), to.size());
    while (head < shorter && upper[head] == to[head]) ++head;
    qint64 tail = 0;
    while (tail < shorter - head && upper[upper.size() - 1 - tail] == to[to.size() - 1 - tail]) ++tail;
    const qint64 upperLength = upper.size() - head - tail;
    const qint64 lowerLength = to.size() - head - tail;
    return {Piece{head, upperLength, lowerLength, upper.mid(head, upperLength), to.mid(head, lowerLength)}};
}

void UndoRing::record(int slot, const std::vector<Change>& changes, qint64 caret, const Text& text) {
    Slot& s = slots_.at(slot);
    if (s.suspended)
        return;
    const qint64 length = text.length();
    // The new state back to the current level 0: the changes taken back, then up from
    // the level the text stood at.
    Step step;
    if (s.length[0] == 0) {
        step.push_back({0, length, 0, std::nullopt, QString()});
    } else {
        for (auto it = changes.rbegin(); it != changes.rend(); ++it)
            step.push_back({it->position, it->insertedLength, it->removed.size(), std::nullopt, it->removed});
        for (int level = s.depth - 1; level >= 0; --level) {
            const Step up = inverted(s.steps[level]);
            step.insert(step.end(), up.begin(), up.end());
        }
        if (step.size() > kMaxPieces)
            step = compacted(std::move(step), text);
    }
    for (int level = kLevels - 1; level >= 1; --level) {
        s.caret[level] = s.caret[level - 1];
        s.length[level] = s.length[level - 1];
        if (level < kLevels - 1)
            s.steps[level] = std::move(s.steps[level - 1]);
    }
    s.steps[0] = std::move(step);
    s.caret[0] = caret;
    s.length[0] = length;
    s.oldest = std::min(s.oldest + 1, kLevels - 1);
    s.depth = 0;
}

void UndoRing::seed(int slot, const Text& text) {
    Slot& s = slots_.at(slot);
    if (s.length[0] != 0)
        return;
    const qint64 length = text.length();
    Step step;
    if (s.depth == 0) {
        if (length == 0)
            return;
        step.push_back({0, length, 0, std::nullopt, QString()});
        step.insert(step.end(), s.steps[0].begin(), s.steps[0].end());
    } else {
        for (int level = s.depth - 1; level >= 1; --level) {
            const Step up = inverted(s.steps[level]);
            step.insert(step.end(), up.begin(), up.end());
        }
    }
    if (step.size() > kMaxPieces) {
        // Level 0 becomes the text as it stands: compact from it.
        step = compacted(std::move(step), text);
    }
    s.steps[0] = std::move(step);
    s.length[0] = length;
}

std::optional<qint64> UndoRing::undo(int slot, Text& text) {
    Slot& s = slots_.at(slot);
    if (s.depth >= s.oldest)
        return std::nullopt;
    applyDown(s.steps[s.depth], text);
    ++s.depth;
    return s.caret[s.depth];
}

std::optional<qint64> UndoRing::redo(int slot, Text& text) {
    Slot& s = slots_.at(slot);
    if (s.depth <= 0)
        return std::nullopt;
    Step& step = s.steps[s.depth - 1];
    Step up = inverted(step);
    applyDown(up, text);
    step = inverted(up);
    --s.depth;
    return s.caret[s.depth];
}

qint64 UndoRing::heldCharacters(int slot) const {
    qint64 held = 0;
    for (const Step& step : slots_.at(slot).steps)
        for (const Piece& piece : step)
            held += (piece.upper ? piece.upper->size() : 0) + (piece.lower ? piece.lower->size() : 0);
    return held;
}

}  // namespace quillmar
