#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace quillmar {

// Documents open at once, each in a slot of its own that keeps its undo history.
inline constexpr int kDocumentSlots = 6;

// Ten undo steps per document slot: eleven text states with their caret positions,
// level 0 the newest. Undone states are not cut off by new changes; they stay in the
// ring behind the new state. Undo stops at the document's first state (the text it was
// opened with, or a new document's empty text) and at the oldest state the ring still
// holds: a level never filled is no state of the document, and undoing into it would
// empty the text, which a following save would write over the program.
//
// A state is not kept as a copy of the text: between neighbouring levels the ring keeps
// the edits that turn one into the other, so a recorded change costs what the change
// costs, whatever the length of the document. The document's text itself stands for the
// level the ring is at (its depth); Undo and Redo walk the edits on it. Removed text is
// kept when it is removed; inserted text is only read back when an Undo takes it out.
class UndoRing {
public:
    static constexpr int kLevels = 11;

    // The document's text as it stands, which the ring reads and edits.
    class Text {
    public:
        virtual ~Text() = default;
        virtual qint64 length() const = 0;
        virtual QString read(qint64 position, qint64 length) const = 0;
        virtual void replace(qint64 position, qint64 length, const QString& text) = 0;
    };

    // One edit of the text: `removed` at `position` was replaced by `insertedLength`
    // characters.
    struct Change {
        qint64 position = 0;
        QString removed;
        qint64 insertedLength = 0;
    };

    // A slot outside 0 to kDocumentSlots - 1 is a programming error (std::out_of_range).

    // Keeps a slot from recording while it lives, as while the ring rewrites the text
    // itself; the slot records again however the scope ends, an error included.
    class Suspension {
    public:
        Suspension(UndoRing& ring, int slot) : ring_(ring), slot_(slot) { ring_.setSuspended(slot_, true); }
        ~Suspension() { ring_.setSuspended(slot_, false); }
        Suspension(const Suspension&) = delete;
        Suspension& operator=(const Suspension&) = delete;

    private:
        UndoRing& ring_;
        int slot_;
    };

    // Empties a slot's ring when a document takes the slot; its empty text is the new
    // document's first state.
    void ResetUndoHistory(int slot);
    // Makes the state the text stands at the document's first: Undo goes back no further
    // (a loaded file's text, not the empty text it was loaded into).
    void markFirstState(int slot);
    // Records the changes (applied in order) that made `text` from the state the ring
    // stands at, unless the slot is suspended (an Undo or Redo rewriting the text).
    void record(int slot, const std::vector<Change>& changes, qint64 caret, const Text& text);
    void record(int slot, const Change& change, qint64 caret, const Text& text) {
        record(slot, std::vector<Change>{change}, caret, text);
    }
    // Seeds level 0 with the document's text when level 0's text is empty.
    void seed(int slot, const Text& text);

    // Rewrites `text` into the state an Undo or Redo moves to, moving the depth; the
    // caret saved with that state, or nullopt when at the limit (nothing is touched).
    std::optional<qint64> undo(int slot, Text& text);
    std::optional<qint64> redo(int slot, Text& text);
    bool canUndo(int slot) const { return slots_.at(slot).depth < slots_.at(slot).oldest; }
    bool canRedo(int slot) const { return slots_.at(slot).depth > 0; }

    int depth(int slot) const { return slots_.at(slot).depth; }
    bool suspended(int slot) const { return slots_.at(slot).suspended; }
    void setSuspended(int slot, bool on) { slots_.at(slot).suspended = on; }
    // The characters the slot's edits hold, a measure of the ring's memory.
    qint64 heldCharacters(int slot) const;

private:
    // [position, position + upperLength) of the upper level's text becomes `lowerLength`
    // characters of the lower level's. A side's text is known once it has been read.
    struct Piece {
        qint64 position = 0;
        qint64 upperLength = 0;
        qint64 lowerLength = 0;
        std::optional<QString> upper;
        std::optional<QString> lower;
    };
    using Step = std::vector<Piece>;
    struct Slot {
        std::array<qint64, kLevels> caret{};
        std::array<qint64, kLevels> length{};
        // steps[i] turns level i's text into level i + 1's.
        std::array<Step, kLevels - 1> steps{};
        // The level of the oldest state of the document the ring holds, 0 to kLevels - 1;
        // the levels beyond it hold nothing the document ever was.
        int oldest = 0;
        int depth = 0;
        bool suspended = false;
    };
    static Step inverted(const Step& step);
    static void applyDown(Step& step, Text& text);
    static Step compacted(Step step, const Text& text);

    std::array<Slot, kDocumentSlots> slots_{};
};

}  // namespace quillmar
