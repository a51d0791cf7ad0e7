#include "app/search_state.h"

#include "platform/rich_text_box.h"

namespace quillmar {

SearchState::~SearchState() { QObject::disconnect(watch_); }

void SearchState::rememberHit(RichTextBox* box, qint64 start, qint64 length) {
    forgetHit();
    if (!box)
        return;
    hitBox_ = box;
    hitStart_ = start;
    hitLength_ = length;
    watch_ = QObject::connect(box, &RichTextBox::contentChanged, box, [this] { forgetHit(); });
}

void SearchState::forgetHit() {
    QObject::disconnect(watch_);
    watch_ = {};
    hitBox_.clear();
}

bool SearchState::selectionIsHit(const RichTextBox* box, const QString& find) const {
    return box && hitBox_.data() == box && !find.isEmpty() && box->SelStart() == hitStart_ &&
           box->SelLength() == hitLength_ && hitLength_ == find.size() && box->SelText() == find;
}

}  // namespace quillmar
