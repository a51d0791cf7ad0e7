#pragma once

#include <QIcon>

namespace quillmar {

// The picture of a toolbar button, drawn by the program so every machine shows the same.
QIcon toolbarIcon(int position);
// The program's own icon, shown on its windows.
QIcon applicationIcon();

}  // namespace quillmar
