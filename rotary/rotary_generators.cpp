#include "rotary/rotary_generators.h"

#include "rotary/circle_milling.h"
#include "rotary/drilling.h"
#include "rotary/generating_cut.h"
#include "rotary/keyway.h"
#include "rotary/planet_tapping.h"
#include "rotary/tapping.h"

namespace quillmar {

std::span<const GeneratorEntry> rotaryGenerators() {
    static constexpr GeneratorEntry kTable[] = {
        {"ProcessMDrillFace", faceDrillGenerator},
        {"ProcessMDrillSide", sideDrillGenerator},
        {"ProcessMDrillSlant", slantDrillGenerator},
        {"ProcessMTapFace", faceTapGenerator},
        {"ProcessMTapSide", sideTapGenerator},
        {"ProcessMTapSlant", slantTapGenerator},
        {"ProcessMKeyFace", faceKeywayGenerator},
        {"ProcessMKeySide", sideKeywayGenerator},
        {"ProcessMKeySlant", slantKeywayGenerator},
        {"ProcessMSouseiFace", faceGeneratingCutGenerator},
        {"ProcessMSouseiSide", sideGeneratingCutGenerator},
        {"ProcessMCircleSlant", slantCircleGenerator},
        {"ProcessMPlanetTapSlant", slantPlanetTapGenerator},
    };
    return kTable;
}

}  // namespace quillmar
