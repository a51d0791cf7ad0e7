#include "cycles/process_dialog_layout.h"

#include "common/format.h"

namespace quillmar {
QString boxText(double value) { return plainNumberText(value); }

QString boxText(Single value) { return plainNumberText(value); }

}  // namespace quillmar
