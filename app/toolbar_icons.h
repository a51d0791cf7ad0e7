#pragma once

#include <QIcon>

namespace quillmar {

// The picture of a toolbar button, drawn by the program so every machine shows the same.
QIcon toolbarIcon(int position);

}  // namespace quillmar
