#pragma once

#include <QString>
#include <optional>

namespace quillmar {

// The taper calculators without a drawing. Each takes the box texts as they stand and
// gives the texts to write; nothing (nullopt) when a needed box is empty or a run-time
// error ends the computation, so that no box changes.

// Taper line from its start point (X1 a diameter, Z1), the angle A in degrees from +Z,
// and its end. Leaving the end diameter: Z2.
std::optional<QString> taperEndZ(const QString& x1, const QString& z1, const QString& a, const QString& x2);

// Leaving the end Z: the angle when it is empty and the end diameter is given, else the
// end diameter from the angle.
struct TaperFromEndZ {
    std::optional<QString> angle;  // Text3
    std::optional<QString> endX;   // Text4
};
TaperFromEndZ taperFromEndZ(const QString& x1, const QString& z1, const QString& a, const QString& x2,
                            const QString& z2);

// Nose-radius compensation of a taper: the X amount (diameter), Z and Z2, all three made
// before any is written.
struct NoseRCompensation {
    QString x;
    QString z;
    QString z2;
};
std::optional<NoseRCompensation> noseRCompensation(const QString& radius, const QString& angle);

}  // namespace quillmar
