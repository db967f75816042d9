#include "Cabinet.h"

#include "Rounding.h"

#include <algorithm>
#include <limits>

namespace zek {

std::uint32_t Oberflaeche(const ProjectData& p) {
    const std::uint64_t b = p.Schaltschrank.Breite;
    const std::uint64_t h = p.Schaltschrank.Hoehe;
    const std::uint64_t t = p.Schaltschrank.Tiefe;
    const std::uint64_t front = b * h, side = h * t, roof = b * t;

    // Front and roof always exchange heat; the floor never does.
    std::uint64_t area = front + roof;
    if (p.Schaltschrank.Aufstellart == Freistehend)
        area += front; // the back wall is free too
    if (p.Schaltschrank.Gehaeuseart == Einzelschrank)
        area += 2 * side;
    else if (p.Schaltschrank.Gehaeuseart == Randschrank)
        area += side;
    // Dimensions from a hand-edited file may exceed the dialog's 9999 mm.
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(area, std::numeric_limits<std::uint32_t>::max()));
}

std::int32_t Wandwaerme(const ProjectData& p, std::int64_t deltaK) {
    return roundToInt32(double(Oberflaeche(p)) * p.Schaltschrank.Waermedurchgangszahl * double(deltaK) /
                        1000000.0);
}

std::int32_t WandwaermeMax(const ProjectData& p) {
    return Wandwaerme(p, std::int64_t(p.Temperatur.MaxAussen) - p.Temperatur.MaxInnen);
}

std::int32_t WandwaermeMin(const ProjectData& p) {
    return Wandwaerme(p, std::int64_t(p.Temperatur.MinInnen) - p.Temperatur.MinAussen);
}

} // namespace zek
