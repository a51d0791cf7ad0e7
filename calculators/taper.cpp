#include "calculators/taper.h"

#include <cmath>

#include "calculators/calculator_conventions.h"
#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"

namespace quillmar {

std::optional<QString> taperEndZ(const QString& x1, const QString& z1, const QString& a, const QString& x2) {
    if (x1.isEmpty() || z1.isEmpty() || a.isEmpty() || x2.isEmpty())
        return std::nullopt;
    try {
        const double startX = ReadNumber(x1);
        const double startZ = ReadNumber(z1);
        const double angle = degreesToRadians(ReadNumber(a));
        const double endX = ReadNumber(x2);
        const double endZ = checkedAdd(startZ, checkedDiv(checkedSub(endX, startX) / 2.0, std::tan(angle)));
        return liftedResultText(endZ);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

TaperFromEndZ taperFromEndZ(const QString& x1, const QString& z1, const QString& a, const QString& x2,
                            const QString& z2) {
    TaperFromEndZ result;
    if (x1.isEmpty() || z1.isEmpty() || z2.isEmpty())
        return result;
    try {
        const double startX = ReadNumber(x1);
        const double startZ = ReadNumber(z1);
        const double endZ = ReadNumber(z2);
        if (a.isEmpty() && !x2.isEmpty()) {
            const double endX = ReadNumber(x2);
            double angle = std::atan(checkedDiv(checkedSub(endX, startX) / 2.0, checkedSub(endZ, startZ))) * 180.0 /
                               gPi +
                           0.0001;
            if (startX < endX && startZ > endZ)
                angle += 180.0;
            if (startX > endX && startZ > endZ)
                angle -= 180.0;
            result.angle = FormatCoord(angle);
        } else if (!a.isEmpty()) {
            const double angle = degreesToRadians(ReadNumber(a));
            const double endX = checkedAdd(startX, checkedMul(2.0 * checkedSub(endZ, startZ), std::tan(angle)));
            result.endX = liftedResultText(endX);
        }
    } catch (const RuntimeError&) {
        return {};
    }
    return result;
}

std::optional<NoseRCompensation> noseRCompensation(const QString& radius, const QString& angle) {
    if (radius.isEmpty() || angle.isEmpty())
        return std::nullopt;
    try {
        const double r = ReadNumber(radius);
        const double a = degreesToRadians(ReadNumber(angle));
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
