#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <vector>

#include "app/undo_ring.h"

using namespace quillmar;

namespace {

// A document as the ring sees it: its text, its caret, and the ring's slot. The script
// language of the rows: "t:TEXT" makes TEXT the document's text as one change (the caret
// after it at its end), "u" Undo, "r" Redo, "s:TEXT" a change made while the slot is
// suspended, "f" the focus, "x" the slot taken again by a new document.
struct Document {
    UndoRing& ring;
    int slot;
    QString text;
    qint64 caret = 0;

    struct View : UndoRing::Text {
        QString& text;
        explicit View(QString& t) : text(t) {}
        qint64 length() const override { return text.size(); }
        QString read(qint64 position, qint64 length) const override { return text.mid(position, length); }
        void replace(qint64 position, qint64 length, const QString& with) override { text.replace(position, length, with); }
    };
    // The smallest edit that turns the text into `to`, as the editor reports it.
    void change(const QString& to) {
        qint64 head = 0;
        while (head < text.size() && head < to.size() && text[head] == to[head]) ++head;
        qint64 tail = 0;
        while (tail < text.size() - head && tail < to.size() - head &&
               text[text.size() - 1 - tail] == to[to.size() - 1 - tail])
            ++tail;
        const UndoRing::Change edit{head, text.mid(head, text.size() - head - tail), to.size() - head - tail};
        text = to;
        caret = to.size() - tail;
        ring.record(slot, edit, caret, View(text));
    }
    void undo() { restore(ring.undo(slot, view_)); }
    void redo() { restore(ring.redo(slot, view_)); }
    void seed() { ring.seed(slot, view_); }
    void restore(std::optional<qint64> at) {
        if (at) caret = std::min<qint64>(*at, text.size());
    }
    View view_{text};
    void run(const std::string& step) {
        const QString arg = QString::fromStdString(step.size() > 2 ? step.substr(2) : std::string());
        switch (step[0]) {
        case 't': change(arg); break;
        case 'u': undo(); break;
        case 'r': redo(); break;
        case 's':
            ring.setSuspended(slot, true);
            change(arg);
            ring.setSuspended(slot, false);
            break;
        case 'f': seed(); break;
        case 'x':
            ring.ResetUndoHistory(slot);
            text.clear();
            caret = 0;
            break;
        }
    }
};

struct Row {
    const char* name;
    std::vector<std::string> script;
    const char* text;  // the document's text afterwards
    int depth;
    bool canUndo;
    bool canRedo;
    qint64 caret = -1;  // -1: not looked at
};

std::string many(char what, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += what;
    return s;
}

TEST(UndoRing, Behaviour) {
    auto typing = [](int n) {
        std::vector<std::string> steps;
        for (int i = 1; i <= n; ++i) steps.push_back("t:" + many('x', i));
        return steps;
    };
    auto plus = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<std::string> tenUndos(10, "u");
    const Row rows[] = {
        {"typed A then undo empties", {"t:A", "u"}, "", 1, true, true, 0},
        {"redo gives it back", {"t:A", "u", "r"}, "A", 0, true, false, 1},
        {"redo at depth 0 does nothing", {"t:A", "r"}, "A", 0, true, false},
        {"open, type, undo", {"t:O1", "t:O1X", "u"}, "O1", 1, true, true, 2},
        {"undo past the history empties", {"t:O1", "t:O1X", "u", "u"}, "", 2, true, true, 0},
        {"and redo brings it back", {"t:O1", "t:O1X", "u", "u", "r", "r"}, "O1X", 0, true, false, 3},
        {"eleven changes: ten undos", plus(typing(11), tenUndos), "x", 10, false, true, 1},
        {"no eleventh undo", plus(plus(typing(11), tenUndos), {"u"}), "x", 10, false, true},
        {"ten undos from one change", plus({"t:a"}, tenUndos), "", 10, false, true},
        {"all the way back and forth",
         plus(plus(plus(typing(11), tenUndos), std::vector<std::string>(10, "r")), {}), "xxxxxxxxxxx", 0, true,
         false, 11},
        {"the oldest drops out", plus(plus(typing(12), tenUndos), {}), "xx", 10, false, true},
        {"typing after undo keeps the undone states", {"t:1", "t:12", "u", "t:1x", "u"}, "12", 1, true, true, 2},
        {"then the state before the undo", {"t:1", "t:12", "u", "t:1x", "u", "u"}, "1", 2, true, true, 1},
        {"redo stays enabled after new typing", {"t:1", "t:12", "u", "t:1x"}, "1x", 0, true, false},
        {"changes while suspended are not recorded", {"t:a", "s:b", "u"}, "", 1, true, true},
        {"focus seeds an empty first level", {"x", "s:seed", "f", "t:seedX", "u"}, "seed", 1, true, true},
        {"focus leaves a recorded level", {"t:a", "f", "t:ab", "u", "u"}, "", 2, true, true},
        {"emptied text is seeded again", {"t:ab", "t:", "u", "f", "r"}, "ab", 0, true, false},
        {"taking the slot empties the ring", {"t:a", "t:b", "x", "t:c", "u"}, "", 1, true, true},
        {"middle edits", {"t:G01 X1\r\nG00", "t:G01 X15\r\nG00", "t:G01 X5\r\nG00", "u", "u"},
         "G01 X1\r\nG00", 2, true, true, 11},
        {"undo twice, type, undo three times",
         {"t:a", "t:ab", "t:abc", "u", "u", "t:aZ", "u", "u", "u"}, "a", 3, true, true},
        {"repeated undo and typing",
         plus(plus(plus(plus(typing(11), tenUndos), {"t:q"}), tenUndos), {"r", "r", "r"}), "xxxxx", 7, true,
         true},
    };
    for (const Row& row : rows) {
        UndoRing ring;
        for (int s = 0; s < UndoRing::kSlots; ++s) ring.ResetUndoHistory(s);
        Document doc{ring, 2, {}};
        Document other{ring, 3, {}};
        other.run("t:other");
        for (const std::string& step : row.script) doc.run(step);
        EXPECT_EQ(doc.text.toStdString(), row.text) << row.name;
        EXPECT_EQ(ring.depth(2), row.depth) << row.name;
        EXPECT_EQ(ring.canUndo(2), row.canUndo) << row.name;
        EXPECT_EQ(ring.canRedo(2), row.canRedo) << row.name;
        if (row.caret >= 0) EXPECT_EQ(doc.caret, row.caret) << row.name;
        EXPECT_EQ(ring.depth(3), 0) << row.name;
        other.undo();
        EXPECT_EQ(other.text, QString()) << row.name;
    }
}

// The ring as first described: eleven whole texts. Long runs of undoing and typing
// anywhere in the text, with focus changes, give the same texts, carets and depths.
struct WholeTextRing {
    std::array<QString, UndoRing::kLevels> text{};
    std::array<qint64, UndoRing::kLevels> caret{};
    int depth = 0;
    void record(const QString& t, qint64 c) {
        for (int level = UndoRing::kLevels - 1; level >= 1; --level) {
            text[level] = text[level - 1];
            caret[level] = caret[level - 1];
        }
        text[0] = t;
        caret[0] = c;
        depth = 0;
    }
};

TEST(UndoRing, LongRunsMatchTheWholeTextRing) {
    UndoRing ring;
    Document doc{ring, 0, {}};
    WholeTextRing model;
    QString shown;
    quint32 seed = 12345;
    auto next = [&seed](quint32 n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    for (int step = 0; step < 3000; ++step) {
        const quint32 what = next(10);
        if (what < 4) {
            QString to = doc.text;
            const qint64 at = next(quint32(to.size() + 1));
            const qint64 cut = std::min<qint64>(next(3), to.size() - at);
            to.replace(at, cut, QString(int(next(3)), QChar(u'a' + char16_t(next(26)))));
            doc.change(to);
            model.record(to, doc.caret);
            shown = to;
        } else if (what < 7) {
            doc.undo();
            if (model.depth < UndoRing::kLevels - 1) shown = model.text[++model.depth];
        } else if (what < 9) {
            doc.redo();
            if (model.depth > 0) shown = model.text[--model.depth];
        } else {
            doc.seed();
            if (model.text[0].isEmpty()) model.text[0] = shown;
        }
        ASSERT_EQ(doc.text, shown) << "step " << step;
        ASSERT_EQ(ring.depth(0), model.depth) << "step " << step;
        if (what >= 4 && what < 9) ASSERT_EQ(doc.caret, std::min<qint64>(model.caret[model.depth], shown.size()));
    }
    EXPECT_LT(ring.heldCharacters(0), 2000);
}

}  // namespace
