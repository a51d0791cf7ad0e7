#pragma once

#include <QString>
#include <array>
#include <optional>

namespace quillmar {

// Ten undo steps per document slot: eleven saved texts with their caret positions,
// level 0 the newest. Undone states are not cut off by new changes; they stay in the
// ring behind the new state.
class UndoRing {
public:
    static constexpr int kSlots = 6;
    static constexpr int kLevels = 11;

    struct State {
        QString text;
        qint64 caret = 0;
    };

    // Empties a slot's ring when a document takes the slot.
    void ResetUndoHistory(int slot);
    // Records a change unless the slot is suspended (an Undo or Redo rewriting the text).
    void record(int slot, const QString& text, qint64 caret);
    // Seeds level 0 with a document's first text when nothing was recorded yet.
    void seed(int slot, const QString& text);

    // The state an Undo or Redo restores, moving the depth; nullopt when at the limit.
    std::optional<State> undo(int slot);
    std::optional<State> redo(int slot);
    bool canUndo(int slot) const { return depth_[slot] < kLevels - 1; }
    bool canRedo(int slot) const { return depth_[slot] > 0; }

    int depth(int slot) const { return depth_[slot]; }
    bool suspended(int slot) const { return suspended_[slot]; }
    void setSuspended(int slot, bool on) { suspended_[slot] = on; }
    const State& level(int slot, int level) const { return states_[slot][level]; }

private:
    std::array<std::array<State, kLevels>, kSlots> states_{};
    std::array<int, kSlots> depth_{};
    std::array<bool, kSlots> suspended_{};
};

}  // namespace quillmar
