#pragma once

#include "devices/DeviceTable.h"

namespace zek {

inline constexpr int kBuiltinKennlinien = 14;

// Tables 1..14 as the store holds them before a table file is read.
const std::array<Kennlinie, kBuiltinKennlinien>& builtinKennlinien();

} // namespace zek
