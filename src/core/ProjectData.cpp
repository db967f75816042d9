#include "ProjectData.h"

#include "SettingsData.h"

#include <array>

namespace zek {
namespace {
constexpr std::array<double, 4> kMaterialK = {5.5, 3.5, 20.0, 4.0};
} // namespace

bool IsTableMaterial(u16 material) {
    return material < kMaterialK.size();
}

double MaterialKWert(u16 material) {
    return IsTableMaterial(material) ? kMaterialK[material] : 0.0;
}

void SetMaterial(SchaltschrankGroup& cabinet, u16 material) {
    cabinet.Material = material;
    if (IsTableMaterial(material))
        cabinet.Waermedurchgangszahl = MaterialKWert(material);
}

ProjectData NewProject(const SettingsData& settings) {
    ProjectData p;
    p.Verlustleistung.Bekannt = VerlustNichtBekannt;
    p.Verlustleistung.AussenTemperatur = 1;
    p.Verlustleistung.InnenTemperatur = 1;

    const DefaultCabinet& cab = settings.Schaltschrank;
    p.Schaltschrank.Breite = cab.Breite;
    p.Schaltschrank.Hoehe = cab.Hoehe;
    p.Schaltschrank.Tiefe = cab.Tiefe;
    p.Schaltschrank.Gehaeuseart = cab.Aufstellung;
    p.Schaltschrank.Aufstellart = cab.Art;
    // The default cabinet offers only the four table materials.
    SetMaterial(p.Schaltschrank, IsTableMaterial(cab.Material) ? cab.Material : u16(Stahlblech));

    p.Gleichzeitigkeit.Leistungsteil = settings.Gleichzeitigkeit.Leistungsteil;
    p.Gleichzeitigkeit.Steuerungsteil = settings.Gleichzeitigkeit.Steuerungsteil;

    for (auto& row : p.Frequenzumrichter) {
        row.Wirkungsgrad = 95;
        row.Ausnutzung = 80;
    }
    for (auto& row : p.Sicherungen)
        row.Art = 1;
    for (auto& row : p.Netzteile)
        row.Typ = 1;

    p.Auswahl.GeraeteCheck = std::string(9, '-') + std::string(kGeraeteCheckLength - 9, '1');
    p.Auswahl.Geraete = 65535;
    return p;
}

} // namespace zek
