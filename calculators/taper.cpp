#include "calculators/taper.h"

#include <cmath>

#include "calculators/calculator_conventions.h"
#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {

std::optional<QString> taperEndZ(const TaperLine& line) {
    if (!allFilled({line.x1, line.z1, line.a, line.x2}))
        return std::nullopt;
    try {
        const double startX = ReadNumber(line.x1);
        const double startZ = ReadNumber(line.z1);
        const double angle = degreesToRadians(ReadNumber(line.a));
        const double endX = ReadNumber(line.x2);
        const double endZ = checkedAdd(startZ, checkedDiv(checkedSub(endX, startX) / 2.0, std::tan(angle)));
        return liftedResultText(endZ);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

TaperFromEndZ taperFromEndZ(const TaperLine& line) {
    TaperFromEndZ result;
    if (!allFilled({line.x1, line.z1, line.z2}))
        return result;
    try {
        const double startX = ReadNumber(line.x1);
        const double startZ = ReadNumber(line.z1);
        const double endZ = ReadNumber(line.z2);
        if (line.a.isEmpty() && !line.x2.isEmpty()) {
            const double endX = ReadNumber(line.x2);
            double angle = std::atan(checkedDiv(checkedSub(endX, startX) / 2.0, checkedSub(endZ, startZ))) * 180.0 /
                               gPi +
                           0.0001;
            if (startX < endX && startZ > endZ)
                angle += 180.0;
            if (startX > endX && startZ > endZ)
                angle -= 180.0;
            result.angle = FormatAngle(angle);
        } else if (!line.a.isEmpty()) {
            const double angle = degreesToRadians(ReadNumber(line.a));
            const double endX = checkedAdd(startX, checkedMul(2.0 * checkedSub(endZ, startZ), std::tan(angle)));
            result.endX = liftedResultText(endX);
        }
    } catch (const RuntimeError&) {
        return {};
    }
    return result;
}

std::optional<NoseRCompensation> noseRCompensation(const NoseRInput& input) {
    if (!allFilled({input.radius, input.angle}))
        return std::nullopt;
    try {
        const double r = ReadNumber(input.radius);
        const double a = degreesToRadians(ReadNumber(input.angle));
        const double t = std::tan(a / 2.0);
        double z = checkedMul(r, 1.0 - t);
        double z2 = checkedMul(r, t + 1.0);
        double x = checkedMul(checkedMul(z, std::tan(a)), 2.0);
        NoseRCompensation texts;
        texts.x = FormatCoord(x);
        texts.z = FormatCoord(z);
        texts.z2 = FormatCoord(z2);
        return texts;
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace quillmar
