#pragma once

#include "core/TextSource.h"
#include "io/ProjectFile.h"

#include <QString>

namespace zek {

inline constexpr std::uint32_t kTextDoubtfulValuesHeading = 1013005; // %s holds values no page accepts
// At most this many values are listed; a project damaged throughout needs no longer list.
inline constexpr int kDoubtfulValuesListed = 12;

// The warning after Open when the project file holds values that no page would have
// given: the planner learns which values the calculation will use before relying on a
// result built on them. One line per value: "[section] key=stored → used".
QString DoubtfulValuesMessage(const QString& fileName, const DoubtfulValues& values, const TextSource& texts);

} // namespace zek
