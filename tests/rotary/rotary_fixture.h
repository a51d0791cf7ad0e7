#pragma once

// What the rotary-tool generator tests share.

#include <QObject>
#include <QString>
#include <QStringList>

#include "common/machine_profile.h"
#include "common/shared_state.h"
#include "platform/rich_text_box.h"
#include "support/documents.h"
#include "support/machine.h"

namespace quillmar::test {

// A rotary generator's menu handler.
using Command = void (*)(SharedState&, RichTextBox*, QWidget*);

// A drilling row of the cutting-condition table: tool, coolant, V, F, D, L, U, W and C.
inline QStringList drillRow(const char* tool, const char* coolant, const char* v, const char* f, const char* d,
                            const char* l, const char* u, const char* w, const char* c) {
    return {"M-DRILL", "", tool, "0", coolant, v, f, d, l, u, w, c};
}

}  // namespace quillmar::test
