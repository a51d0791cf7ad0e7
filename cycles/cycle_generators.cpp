#include "cycles/cycle_generators.h"

#include "cycles/finishing.h"
#include "cycles/grooving.h"
#include "cycles/measuring.h"
#include "cycles/roughing.h"
#include "cycles/spindle_tapping.h"
#include "cycles/threading.h"
#include "cycles/turning_drilling.h"

namespace quillmar {

std::span<const GeneratorEntry> cycleGenerators() {
    static constexpr GeneratorEntry kTable[] = {
        {"ProcessDrillHss", hssDrillGenerator},
        {"ProcessDrillU", uDrillGenerator},
        {"ProcessRoughFaceOD", roughFaceOuterGenerator},
        {"ProcessRoughFace", roughFaceGenerator},
        {"ProcessRoughOD", roughOuterGenerator},
        {"ProcessRoughID", roughInnerGenerator},
        {"ProcessFinishFaceOD", finishFaceOuterGenerator},
        {"ProcessFinishFace", finishFaceGenerator},
        {"ProcessFinishOD", finishOuterGenerator},
        {"ProcessFinishID", finishInnerGenerator},
        {"ProcessGrooveFace", grooveFaceGenerator},
        {"ProcessGrooveOD", grooveOuterGenerator},
        {"ProcessGrooveID", grooveInnerGenerator},
        {"ProcessThreadFace", threadFaceGenerator},
        {"ProcessThreadOD", threadOuterGenerator},
        {"ProcessThreadID", threadInnerGenerator},
        {.menu = "SipndleTap", .makeItem = spindleTapGenerator},
        {"ProcessMeasuerZeroZaxis", zeroOffsetZGenerator},
        {"ProcessMeasuerZeroCaxis", zeroOffsetCGenerator},
        {"ProcessMeasuerOutR", measureOutsideRadiusGenerator},
        {"ProcessMeasuerOutD", measureOutsideDiameterGenerator},
        {"ProcessMeasuerInR", measureInsideRadiusGenerator},
        {"ProcessMeasuerInD", measureInsideDiameterGenerator},
    };
    return kTable;
}

}  // namespace quillmar
