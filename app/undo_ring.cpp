#include "app/undo_ring.h"

#include <utility>

namespace quillmar {

void UndoRing::ResetUndoHistory(int slot) {
    for (State& s : states_[slot])
        s = State{};
    depth_[slot] = 0;
    suspended_[slot] = false;
}

void UndoRing::record(int slot, const QString& text, qint64 caret) {
    if (suspended_[slot])
        return;
    auto& ring = states_[slot];
    for (int level = kLevels - 1; level >= 1; --level)
        ring[level] = std::move(ring[level - 1]);
    ring[0] = State{text, caret};
    depth_[slot] = 0;
}

void UndoRing::seed(int slot, const QString& text) {
    if (states_[slot][0].text.isEmpty())
        states_[slot][0].text = text;
}

std::optional<UndoRing::State> UndoRing::undo(int slot) {
    if (depth_[slot] >= kLevels - 1)
        return std::nullopt;
    ++depth_[slot];
    return states_[slot][depth_[slot]];
}

std::optional<UndoRing::State> UndoRing::redo(int slot) {
    if (depth_[slot] <= 0)
        return std::nullopt;
    --depth_[slot];
    return states_[slot][depth_[slot]];
}

}  // namespace quillmar
