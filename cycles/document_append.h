#pragma once

#include <QString>

namespace quillmar {

class RichTextBox;

// Adds text after the last character of a document as one change, starting on a line of
// its own: a line end goes first when the document's last line has none. The colours and
// bold already in the document stay, the new text comes in plain, and the caret and
// selection are left where they were. An empty text changes nothing.
void appendAtDocumentEnd(RichTextBox& document, const QString& text);

}  // namespace quillmar
