#pragma once

#include "ProjectData.h"

#include <cstdint>

namespace zek {

// Effective heat-exchanging surface of the cabinet in mm².
std::uint32_t Oberflaeche(const ProjectData& p);
// Heat through the walls for a temperature difference of `deltaK` kelvin, W: k · A · ΔT.
std::int32_t Wandwaerme(const ProjectData& p, std::int64_t deltaK);
// Heat through the walls at the maximum temperatures, W; positive flows into the cabinet.
std::int32_t WandwaermeMax(const ProjectData& p);
// Heat through the walls at the minimum temperatures, W; positive flows out of the cabinet.
std::int32_t WandwaermeMin(const ProjectData& p);

} // namespace zek
