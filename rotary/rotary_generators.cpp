#include "rotary/rotary_generators.h"

#include <QHash>
#include <stdexcept>

#include "rotary/circle_milling.h"
#include "rotary/drilling.h"
#include "rotary/generating_cut.h"
#include "rotary/keyway.h"
#include "rotary/planet_tapping.h"
#include "rotary/tapping.h"

namespace quillmar {
namespace {

using Factory = ProcessGenerator (*)();

// One row per built generator.
const QHash<QString, Factory>& factories() {
    static const QHash<QString, Factory> table = {
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
    return table;
}

}  // namespace

bool rotaryGeneratorBuilt(const RotaryCommand& command) {
    return factories().contains(QString::fromLatin1(command.menu));
}

ProcessGenerator rotaryGeneratorOf(const RotaryCommand& command) {
    const Factory factory = factories().value(QString::fromLatin1(command.menu));
    if (!factory)
        throw std::logic_error("rotary generator not built");
    return factory();
}

}  // namespace quillmar
