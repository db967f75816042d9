#pragma once

#include <cstdint>

namespace zek::txt {

// Language texts that the line builder itself needs.
inline constexpr std::uint32_t EinheitVerlust = 1006001;     // unit after a component loss
inline constexpr std::uint32_t VarianteOhneAngabe = 1006002; // variant line that is not printed
inline constexpr std::uint32_t Austrittsfilter = 1006003;    // heading of a filter fan's exit filter

// Device selection messages.
inline constexpr std::uint32_t UnbekannteGeraeteart = 1001001;
inline constexpr std::uint32_t UnbekanntesKuehlgeraet = 1001004;

} // namespace zek::txt
