#pragma once

#include <QString>

namespace quillmar {

// Where a driven tool works: along Z on the face, along X on the side, or in the plane
// tilted by the B axis (X then a radius).
enum class RotaryPlane { Face, Side, Tilted };

// What a rotary-tool generator's dialog and run take from its command: the caption of
// its dialog, the cutting-condition row of its defaults and its plane.
struct RotaryCommand {
    const char* caption;  // UTF-8
    int processNumber;
    RotaryPlane plane;

    QString captionText() const { return QString::fromUtf8(caption); }
};

}  // namespace quillmar
