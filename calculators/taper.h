#pragma once

#include <QString>
#include <optional>

namespace quillmar {

// The taper calculators without a drawing. Each takes the box texts as they stand and
// gives the texts to write; nothing (nullopt) when a needed box is empty or a run-time
// error ends the computation, so that no box changes.

// A taper line: its start point (X1 a diameter, Z1), the angle A in degrees from +Z, and
// its end.
struct TaperLine {
    QString x1, z1, a, x2, z2;
};

// Leaving the end diameter: Z2.
std::optional<QString> taperEndZ(const TaperLine& line);

// Leaving the end Z: the angle when it is empty and the end diameter is given, else the
// end diameter from the angle.
struct TaperFromEndZ {
    std::optional<QString> angle;
    std::optional<QString> endX;
};
TaperFromEndZ taperFromEndZ(const TaperLine& line);

// Nose-radius compensation of a taper: the X amount (diameter), Z and Z2, all three made
// before any is written.
struct NoseRCompensation {
    QString x;
    QString z;
    QString z2;
};
struct NoseRInput {
    QString radius, angle;
};
std::optional<NoseRCompensation> noseRCompensation(const NoseRInput& input);

}  // namespace quillmar
