// Any bytes as a version 1.1 project: short input is refused untouched, longer input
// always yields numbers inside their ranges and texts within their widths.
#include "core/SettingsData.h"
#include "io/LegacyImport.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zek::ProjectData fresh = zek::NewProject(zek::FactorySettings());
    zek::ProjectData p = fresh;
    zek::LegacyRecordFit fit;
    const bool imported = zek::ImportLegacyRecord(bytes, p, &fit);
    if (imported != (size >= zek::kLegacyRecordSize))
        std::abort();
    if (!imported) {
        if (!(p == fresh))
            std::abort();
        return 0;
    }
    if (p.Schaltschrank.Material > zek::Edelstahl || p.Temperatur.MinAussen < -20 ||
        p.Temperatur.MaxAussen > 75 || p.Verlustleistung.Bekannt == zek::VerlustGemessen ||
        p.Sicherungen[9].Art < 1 || p.Netzteile[0].Typ > 3 || p.Person.Firma.size() > 50 ||
        p.Sonstige[9].Bezeichnung.size() > 20)
        std::abort();
    // Every number and text of the record is weighed, whatever the bytes.
    if (fit.numbers != 201 || fit.texts != 26 || fit.numbersOutside > fit.numbers ||
        fit.textsTooLong > fit.texts)
        std::abort();
    for (char c : p.Projekt.Projekt.str())
        if (c == '\r' || c == '\n' || c == '\0')
            std::abort();
    return 0;
}
