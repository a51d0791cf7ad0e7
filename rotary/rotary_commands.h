#pragma once

#include <QString>
#include <array>
#include <stdexcept>
#include <string_view>

namespace quillmar {

// Where a driven tool works: along Z on the face, along X on the side, or in the plane
// tilted by the B axis (X then a radius).
enum class RotaryPlane { Face, Side, Tilted };

// One rotary-tool generator of the Process menu: its menu entry (the handler is the
// entry's name plus "_Click"), the caption of its dialog, the cutting-condition row of its
// defaults and its plane.
struct RotaryCommand {
    const char* menu;
    const char* caption;  // UTF-8
    int processNumber;
    RotaryPlane plane;

    QString captionText() const { return QString::fromUtf8(caption); }
};

inline constexpr std::array<RotaryCommand, 13> kRotaryCommands = {{
    {"ProcessMDrillFace", "M-Drill Face", 17, RotaryPlane::Face},
    {"ProcessMDrillSide", "M-Drill Side", 18, RotaryPlane::Side},
    {"ProcessMDrillSlant", "Y/B M-Drill", 19, RotaryPlane::Tilted},
    {"ProcessMTapFace", "M-Tap face", 20, RotaryPlane::Face},
    {"ProcessMTapSide", "M-Tap side", 21, RotaryPlane::Side},
    {"ProcessMTapSlant", "Y/B Tap", 22, RotaryPlane::Tilted},
    {"ProcessMKeyFace", "M-Key face", 23, RotaryPlane::Face},
    {"ProcessMKeySide", "M-key side", 24, RotaryPlane::Side},
    {"ProcessMKeySlant", "Y/B M-key", 25, RotaryPlane::Tilted},
    {"ProcessMSouseiFace", "M-C/X創成加工端面", 26, RotaryPlane::Face},
    {"ProcessMSouseiSide", "M-C/X創成加工側面", 27, RotaryPlane::Side},
    {"ProcessMCircleSlant", "Slant Endmill Cycle", 30, RotaryPlane::Tilted},
    {"ProcessMPlanetTapSlant", "Slant planet tap", 33, RotaryPlane::Tilted},
}};

// The generator of a menu entry. Used in a constant expression, a name that is none of
// them does not compile.
constexpr const RotaryCommand& rotaryCommand(std::string_view menu) {
    for (const RotaryCommand& command : kRotaryCommands)
        if (menu == command.menu)
            return command;
    throw std::invalid_argument("no rotary-tool generator of that name");
}

}  // namespace quillmar
