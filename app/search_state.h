#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QString>

namespace quillmar {

class RichTextBox;

// What the Find, Replace and Size Shift windows and Find Next share. The search position
// itself is DocumentState::gSearchPos, which the editing commands set too.
class SearchState {
public:
    SearchState() = default;
    ~SearchState();
    SearchState(const SearchState&) = delete;
    SearchState& operator=(const SearchState&) = delete;

    // The find text of Find Next: the box of the window whose box changed last.
    QString gFindText;
    // The replacement of Replace, or the calculation of Size shift.
    QString gReplaceText;
    // Hits counted by Find and Find Next, or changes made by Replace and Size shift.
    qint64 gHitCount = 0;
    // True: the next Change press only finds.
    bool gFirstSearch = false;

    // The hit the last search selected. Any change of that document's text, or its
    // closing, forgets it, so a Change press never writes over text the user moved to.
    void rememberHit(RichTextBox* box, qint64 start, qint64 length);
    void forgetHit();
    // True when the box's selection is still the remembered hit and holds `find`.
    bool selectionIsHit(const RichTextBox* box, const QString& find) const;

private:
    QPointer<RichTextBox> hitBox_;
    qint64 hitStart_ = 0;
    qint64 hitLength_ = 0;
    QMetaObject::Connection watch_;
};

}  // namespace quillmar
