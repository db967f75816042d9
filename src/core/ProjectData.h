#pragma once

#include "FixedText.h"

#include <array>
#include <cstdint>
#include <string>

namespace zek {

struct SettingsData;

using u16 = std::uint16_t;
using i32 = std::int32_t;

// Counts of the slot groups and row lists.
inline constexpr int kLeistungsschalterSlots = 13;
inline constexpr int kSicherungenRows = 10;
inline constexpr int kMotorschutzSlots = 2;
inline constexpr int kRelaisSlots = 4;
inline constexpr int kLeistungsschuetzeSlots = 12;
inline constexpr int kLampenSlots = 4;
inline constexpr int kTransformatorenRows = 12;
inline constexpr int kNetzteileRows = 10;
inline constexpr int kFrequenzumrichterRows = 8;
inline constexpr int kSteuerungenSlots = 4;
inline constexpr int kSonstigeRows = 10;

inline constexpr std::size_t kGeraeteCheckLength = 56;

// Wall materials; only "Anderes" carries a k value of its own.
enum Material : u16 { Stahlblech = 0, Kunststoff = 1, Aluminium = 2, Edelstahl = 3, Anderes = 4 };
enum Gehaeuseart : u16 { Einzelschrank = 0, Randschrank = 1, Mittelschrank = 2 };
enum Aufstellart : u16 { Freistehend = 0, Wandanbau = 1 };
enum Verlustmodus : u16 { VerlustBekannt = 0, VerlustGemessen = 1, VerlustNichtBekannt = 2 };

struct PersonGroup {
    FixedText<50> Firma, Abteilung, Name, Str, Ort;
    bool operator==(const PersonGroup&) const = default;
};

struct ProjektGroup {
    FixedText<50> Firma, Name, Projekt;
    bool operator==(const ProjektGroup&) const = default;
};

struct AnschlussGroup {
    u16 Spannung = 0; // V
    u16 Strom = 0;    // A
    bool operator==(const AnschlussGroup&) const = default;
};

struct SchaltschrankGroup {
    u16 Breite = 0; // mm
    u16 Hoehe = 0;  // mm
    u16 Tiefe = 0;  // mm
    u16 Material = 0;
    double Waermedurchgangszahl = 0.0; // W/(m²K)
    u16 Gehaeuseart = 0;
    u16 Aufstellart = 0;
    bool operator==(const SchaltschrankGroup&) const = default;
};

struct TemperaturGroup {
    i32 MaxInnen = 0;  // °C
    i32 MinInnen = 0;  // °C
    i32 MaxAussen = 0; // °C
    i32 MinAussen = 0; // °C
    u16 Wasser = 0;    // °C
    bool operator==(const TemperaturGroup&) const = default;
};

struct GleichzeitigkeitGroup {
    u16 Leistungsteil = 0;  // %
    u16 Steuerungsteil = 0; // %
    bool operator==(const GleichzeitigkeitGroup&) const = default;
};

struct VerlustleistungGroup {
    u16 Bekannt = 0;     // loss mode, see Verlustmodus
    u16 WertBekannt = 0; // W
    i32 AussenTemperatur = 0;
    i32 InnenTemperatur = 0;
    bool operator==(const VerlustleistungGroup&) const = default;
};

struct SicherungZeile {
    u16 Anzahl = 0;
    u16 Strom = 0; // A
    u16 Art = 0;   // 1 Sicherungsautomat, 2 Schraubsicherung, 3 NH-Sicherung
    bool operator==(const SicherungZeile&) const = default;
};

struct TransformatorZeile {
    u16 Anzahl = 0;
    u16 Leistung = 0; // W
    bool operator==(const TransformatorZeile&) const = default;
};

struct NetzteilZeile {
    u16 Anzahl = 0;   // outputs
    u16 Spannung = 0; // V
    u16 Strom = 0;    // A
    u16 Typ = 0;      // 1 ungeregelt, 2 längsgeregelt, 3 getaktet
    bool operator==(const NetzteilZeile&) const = default;
};

struct FrequenzumrichterZeile {
    u16 Anzahl = 0;
    u16 Leistung = 0;     // kW
    u16 Wirkungsgrad = 0; // %
    u16 Ausnutzung = 0;   // %
    FixedText<20> Bezeichnung;
    bool operator==(const FrequenzumrichterZeile&) const = default;
};

struct SonstigeZeile {
    u16 Anzahl = 0;
    FixedText<20> Bezeichnung;
    u16 Leistung = 0; // W per piece
    bool operator==(const SonstigeZeile&) const = default;
};

struct AuswahlGroup {
    // One character per check box tag of the device selection, "1" ticked, "0" not;
    // always exactly 56 characters.
    std::string GeraeteCheck = std::string(kGeraeteCheckLength, '0');
    u16 Geraete = 0; // bit n-1 = candidate n of the last confirmed selection
    bool operator==(const AuswahlGroup&) const = default;
};

// The one cabinet project. Slot n of a group is element [n - 1].
struct ProjectData {
    PersonGroup Person;
    ProjektGroup Projekt;
    AnschlussGroup Anschluss;
    SchaltschrankGroup Schaltschrank;
    TemperaturGroup Temperatur;
    GleichzeitigkeitGroup Gleichzeitigkeit;
    VerlustleistungGroup Verlustleistung;
    std::array<u16, kLeistungsschalterSlots> Leistungsschalter{};
    std::array<SicherungZeile, kSicherungenRows> Sicherungen{};
    std::array<u16, kMotorschutzSlots> Motorschutz{};
    std::array<u16, kRelaisSlots> Relais{};
    std::array<u16, kLeistungsschuetzeSlots> Leistungsschuetze{};
    std::array<u16, kLampenSlots> Lampen{};
    std::array<TransformatorZeile, kTransformatorenRows> Transformatoren{};
    std::array<NetzteilZeile, kNetzteileRows> Netzteile{};
    std::array<FrequenzumrichterZeile, kFrequenzumrichterRows> Frequenzumrichter{};
    std::array<u16, kSteuerungenSlots> Steuerungen{};
    std::array<SonstigeZeile, kSonstigeRows> Sonstige{};
    AuswahlGroup Auswahl;

    // Field by field, every slot, row and all 56 characters of GeraeteCheck.
    bool operator==(const ProjectData&) const = default;
};

// k value of a material of the fixed table (0..3); 0.0 for anything else, so an
// unexpected material never reads outside the table.
double MaterialKWert(u16 material);
bool IsTableMaterial(u16 material);

// Sets the material and, for a table material, its k value in the same step.
void SetMaterial(SchaltschrankGroup& cabinet, u16 material);

// The record of a new project built from the settings' defaults. A default material
// outside 0..3 (only a hand-edited settings file holds one) is taken as material 0.
ProjectData NewProject(const SettingsData& settings);

// A project record and its saved state: "modified" is the difference of the two.
class Project {
public:
    explicit Project(const SettingsData& settings) { ResetProject(settings); }

    ProjectData& data() { return m_data; }
    const ProjectData& data() const { return m_data; }
    const ProjectData& saved() const { return m_saved; }

    void ResetProject(const SettingsData& settings) {
        m_data = NewProject(settings);
        m_saved = m_data;
    }
    bool IsProjectModified() const { return !(m_data == m_saved); }
    void MarkProjectSaved() { m_saved = m_data; }

private:
    ProjectData m_data;
    ProjectData m_saved;
};

} // namespace zek
