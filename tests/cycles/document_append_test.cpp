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

TEST(AppendAtDocumentEnd, AddsAfterTheLastCharacterAsOneChangeKeepingCaretAndSelection) {
    Document doc(QStringLiteral("N100\r\nN200\r\n"));
    doc.box.select(2, 5);
    appendAtDocumentEnd(doc.box, QStringLiteral("\t\r\nOSUB\r\nNRTS RTS\r\n"));
    EXPECT_EQ(doc.box.Text(), QStringLiteral("N100\r\nN200\r\n\t\r\nOSUB\r\nNRTS RTS\r\n"));
    EXPECT_EQ(doc.box.SelStart(), 2);
    EXPECT_EQ(doc.box.SelLength(), 5);
    EXPECT_EQ(doc.changes, 1);
    EXPECT_EQ(doc.last.position, 12);
    EXPECT_EQ(doc.last.removedLength, 0);
    EXPECT_EQ(doc.last.insertedLength, 19);
}

TEST(AppendAtDocumentEnd, KeepsTheColoursAndBoldAlreadyThere) {
    Document doc(QStringLiteral("N100 X1\r\nN200 X2"));
    doc.box.select(5, 2);
    doc.box.setSelColor(QColor(255, 0, 0));
    doc.box.setSelBold(true);
    doc.box.setSelStart(0);
    appendAtDocumentEnd(doc.box, QStringLiteral("\r\nNEND"));
    EXPECT_EQ(doc.box.colorAt(6), QColor(255, 0, 0));
    EXPECT_TRUE(doc.box.boldAt(6));
    EXPECT_NE(doc.box.colorAt(17), QColor(255, 0, 0));
    EXPECT_FALSE(doc.box.boldAt(17));
}

}  // namespace
