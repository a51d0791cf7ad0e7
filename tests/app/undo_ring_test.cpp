#include <gtest/gtest.h>

#include <QStringList>
#include <array>
#include <stdexcept>

#include "app/undo_ring.h"

using namespace quillmar;

namespace {

struct Document {
    struct View : UndoRing::Text {
        QString& text;
        explicit View(QString& t) : text(t) {}
        qint64 length() const override { return text.size(); }
        QString read(qint64 position, qint64 length) const override { return text.mid(position, length); }
        void replace(qint64 position, qint64 length, const QString& with) override { text.replace(position, length, with); }
    };
    UndoRing& ring;
    int slot;
    QString text;
    qint64 caret = 0;
    View view{text};

    // The smallest edit that turns the text into `to`, as the editor reports it.
    void change(const QString& to) {
        qint64 head = 0, tail = 0;
        while (head < text.size() && head < to.size() && text[head] == to[head]) ++head;
        while (tail < text.size() - head && tail < to.size() - head && text[text.size() - 1 - tail] == to[to.size() - 1 - tail])
            ++tail;
        const UndoRing::Change edit{head, text.mid(head, text.size() - head - tail), to.size() - head - tail};
        text = to;
        caret = to.size() - tail;
        ring.record(slot, edit, caret, view);
    }
    void restore(std::optional<qint64> at) {
        if (at) caret = std::min<qint64>(*at, text.size());
    }
    // Steps, "|" between them: "tTEXT" makes TEXT the text as one change, "TN" types N
    // changes x, xx, ..., "uN"/"rN" undo/redo N times (once without N), "sTEXT" a change
    // while the slot is suspended, "!TEXT" the same failing before its suspension ends,
    // "f" the focus, "x" the slot taken by a new document, "oTEXT" the slot taken by a
    // document opened on TEXT.
    void run(const QString& script) {
        for (const QString& step : script.split(u'|')) {
            const QString arg = step.mid(1);
            const int n = arg.isEmpty() ? 1 : arg.toInt();
            switch (step[0].unicode()) {
            case 't': change(arg); break;
            case 'T': for (int i = 1; i <= n; ++i) change(QString(i, u'x')); break;
            case 'u': for (int i = 0; i < n; ++i) restore(ring.undo(slot, view)); break;
            case 'r': for (int i = 0; i < n; ++i) restore(ring.redo(slot, view)); break;
            case 's': { const UndoRing::Suspension quiet(ring, slot); change(arg); } break;
            case '!':
                try {
                    const UndoRing::Suspension quiet(ring, slot);
                    change(arg);
                    throw std::runtime_error("failed");
                } catch (const std::runtime_error&) {
                }
                break;
            case 'f': ring.seed(slot, view); break;
            case 'x': ring.ResetUndoHistory(slot), text.clear(), caret = 0; break;
            case 'o': run("x|t" + arg), ring.markFirstState(slot), caret = 0; break;
            }
        }
    }
};

TEST(UndoRing, Behaviour) {
    const struct {
        const char* script;
        const char* text;  // the document's text afterwards
        int depth;
        bool canUndo;
    } rows[] = {
        {"T12|u11", "xx", 10, false},  // the oldest drops out; no eleventh undo
        {"ta|sb|u", "", 1, false},  // changes while suspended are not recorded
        {"ta|!b|tc|u", "b", 1, true},  // a failure leaves the slot recording
        {"x|sseed|f|tseedX|u", "seed", 1, false},  // focus seeds an empty first level
        {"ta|tb|x|tc|u", "", 1, false},  // a new document starts a new history
        // Undo stops at the document's first state and at the oldest one the ring holds.
        {"oO1|u", "O1", 0, false},
        {"oO1|tO1X|u2", "O1", 1, false},
        {"oO1|tO1X|u2|r", "O1X", 0, true},
        {"ta|u2", "", 1, false},
        {"ta|tab|u5", "", 2, false},
        {"T10|u11", "", 10, false},
        {"T11|u11", "x", 10, false},
        {"ta|tab|u|tac|u4", "", 3, false},  // undone states stay behind new typing
        {"T5|oO1|tO1X|u3", "O1", 1, false},  // a reused slot starts fresh
        {"T5|x|ta|u3", "", 1, false},
        {"oO1|T3|u|tO1|u9", "O1", 4, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.script);
        UndoRing ring;
        for (int s = 0; s < kDocumentSlots; ++s) ring.ResetUndoHistory(s);
        Document doc{ring, 2, {}}, other{ring, 3, {}};
        other.run("tother");
        doc.run(QString::fromUtf8(row.script));
        EXPECT_EQ(doc.text.toStdString(), row.text);
        EXPECT_EQ(ring.depth(2), row.depth);
        EXPECT_EQ(ring.canUndo(2), row.canUndo);
        EXPECT_EQ(ring.canRedo(2), row.depth > 0);
        other.run("u");
        EXPECT_EQ(other.text, QString());
    }
}

// The ring as first described holds eleven whole texts, of which undo reaches those that
// were recorded. Long runs of undoing and typing anywhere in the text, with focus
// changes, give the same texts, carets and depths.
TEST(UndoRing, LongRunsMatchTheWholeTextRing) {
    UndoRing ring;
    Document doc{ring, 0, {}};
    std::array<std::pair<QString, qint64>, UndoRing::kLevels> model{};
    int depth = 0, held = 0;
    QString shown;
    quint32 seed = 12345;
    auto next = [&seed](quint32 n) { return ((seed = seed * 1103515245u + 12345u) >> 8) % n; };
    for (int step = 0; step < 3000; ++step) {
        const quint32 what = next(10);
        if (what < 4) {
            QString to = doc.text;
            const qint64 at = next(quint32(to.size() + 1));
            to.replace(at, std::min<qint64>(next(3), to.size() - at), QString(int(next(3)), QChar(u'a' + char16_t(next(26)))));
            doc.change(to);
            std::move_backward(model.begin(), model.end() - 1, model.end());
            model[0] = {shown = to, doc.caret};
            depth = 0;
            held = std::min(held + 1, UndoRing::kLevels - 1);
        } else if (what < 7) {
            doc.run("u");
            if (depth < held) shown = model[++depth].first;
        } else if (what < 9) {
            doc.run("r");
            if (depth > 0) shown = model[--depth].first;
        } else {
            doc.run("f");
            if (model[0].first.isEmpty()) model[0].first = shown;
        }
        ASSERT_EQ(doc.text, shown) << "step " << step;
        ASSERT_EQ(ring.depth(0), depth) << "step " << step;
        if (what >= 4 && what < 9) {
            ASSERT_EQ(doc.caret, std::min<qint64>(model[depth].second, shown.size()));
        }
    }
    EXPECT_LT(ring.heldCharacters(0), 2000);
}

TEST(UndoRing, ASlotNoDocumentCanHoldIsAProgrammingError) {
    UndoRing ring;
    for (int slot : {-1, kDocumentSlots})
        EXPECT_THROW(ring.depth(slot), std::out_of_range);
}

}  // namespace
