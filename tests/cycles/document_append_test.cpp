#include <gtest/gtest.h>

#include "cycles/document_append.h"
#include "platform/rich_text_box.h"

using namespace quillmar;

namespace {

struct Document {
    explicit Document(const QString& text) {
        box.setText(text);
        QObject::connect(&box, &RichTextBox::contentChanged, [this](const TextChange& c) {
            ++changes;
            last = c;
        });
    }
    RichTextBox box;
    int changes = 0;
    TextChange last;
};

// One change after the last character; the selection, colours and bold already there stay.
TEST(AppendAtDocumentEnd, AddsAfterTheLastCharacterAsOneChangeKeepingWhatIsThere) {
    Document doc(QStringLiteral("N100 X1\r\nN200\r\n"));
    doc.box.select(5, 2);
    doc.box.setSelColor(QColor(255, 0, 0));
    doc.box.setSelBold(true);
    appendAtDocumentEnd(doc.box, QStringLiteral("\t\r\nOSUB\r\n"));
    EXPECT_EQ(doc.box.Text(), QStringLiteral("N100 X1\r\nN200\r\n\t\r\nOSUB\r\n"));
    EXPECT_EQ(doc.box.SelStart(), 5);
    EXPECT_EQ(doc.box.SelLength(), 2);
    EXPECT_EQ(doc.changes, 1);
    EXPECT_EQ(doc.last.position, 15);
    EXPECT_EQ(doc.last.removedLength, 0);
    EXPECT_EQ(doc.last.insertedLength, 9);
    EXPECT_TRUE(doc.box.colourAt(6) == QColor(255, 0, 0) && doc.box.boldAt(6));
    EXPECT_TRUE(doc.box.colourAt(18) != QColor(255, 0, 0) && !doc.box.boldAt(18));
}

}  // namespace
