#pragma once

#include <cstdint>

namespace zek {

// The values the data-entry pages accept for the numbers of the project record: what an
// edit of so many digits can hold, or the bounds of a spin field. A project file may hold
// other values; the file reader keeps them as they always were read, and these ranges
// tell which of them no page would have given.
struct InputRange {
    std::int64_t lowest = 0;
    std::int64_t highest = 0;
    constexpr bool contains(std::int64_t value) const { return value >= lowest && value <= highest; }
};

namespace eingabe {

inline constexpr InputRange Ziffern3{0, 999};  // counts and values of three-digit edits
inline constexpr InputRange Ziffern4{0, 9999}; // counts, dimensions, currents, voltages, powers
inline constexpr InputRange Prozent{0, 100};   // simultaneity, efficiency, utilisation
inline constexpr InputRange MaxInnen{0, 60};
inline constexpr InputRange MinInnen{0, 60};
inline constexpr InputRange MaxAussen{0, 75};
inline constexpr InputRange MinAussen{-50, 60};
inline constexpr InputRange Wasser{0, 60};
// The measured temperatures: three characters, a minus sign allowed first.
inline constexpr InputRange Messtemperatur{-99, 999};
inline constexpr InputRange Material{0, 4};
// k in tenths: five characters without a sign, at most 99999 W/(m²K).
inline constexpr InputRange WaermedurchgangszahlZehntel{0, 999990};
inline constexpr InputRange Gehaeuseart{0, 2};
inline constexpr InputRange Aufstellart{0, 1};
inline constexpr InputRange Verlustmodus{0, 2};
inline constexpr InputRange SicherungArt{1, 3};
inline constexpr InputRange NetzteilTyp{0, 3}; // 0: no kind chosen in the list
inline constexpr InputRange Geraete{0, 65535};

} // namespace eingabe

} // namespace zek
