#pragma once

#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "report/Selection.h"
#include "report/ZekCollection.h"

#include <string>

namespace zek {

class DeviceTable;
class TextSource;

struct Datum {
    int Tag = 1, Monat = 1, Jahr = 2000;
};

// Day "." month "." year without leading zeros (5.3.2026).
std::string DatumText(const Datum& d);

// Everything a report or an inquiry is built from. The project is not const: the
// selection stores the user's ticks in it, as the dialog does.
struct ReportContext {
    ProjectData& project;
    const SettingsData& settings;
    const TextSource& texts;
    const DeviceTable& devices;
    DeviceSelector& selector;
    std::string projectFileName; // Windows-1252, as stored; empty for a project without file
    Datum heute;
};

// Inside temperature line without a climate device when the walls exchange no heat.
inline constexpr const char* kKeinWert = "   ---";

} // namespace zek
