#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zek {

// The records, texts and report lines are Windows-1252 bytes; conversion happens only
// at the edges (screen, standard output, PDF, file names).
QString fromCp1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string toCp1252(QStringView text);
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);

} // namespace zek
