#pragma once

#include "FixedText.h"

#include <array>
#include <cstdint>

namespace zek {

// Printer choice and page margins of one kind of printout (results or fax inquiry).
struct PrinterBlock {
    std::uint16_t LinkerRand = 0;  // mm
    std::uint16_t ObererRand = 0;  // mm
    std::uint16_t RechterRand = 0; // mm
    std::uint16_t UntererRand = 0; // mm
    std::int32_t Index = 0;        // position in the printer list, -1 = default printer
    bool operator==(const PrinterBlock&) const = default;
};

// The cabinet a new project starts with; it keeps no k value (the material decides).
struct DefaultCabinet {
    std::uint16_t Breite = 0, Hoehe = 0, Tiefe = 0; // mm
    std::uint16_t Material = 0;                     // 0..3
    std::uint16_t Art = 0;                          // 0 Freistehend, 1 Wandanbau
    std::uint16_t Aufstellung = 0;                  // 0 Einzelschrank, 1 Randschrank, 2 Mittelschrank
    bool operator==(const DefaultCabinet&) const = default;
};

struct DefaultSimultaneity {
    std::uint16_t Leistungsteil = 0, Steuerungsteil = 0; // %
    bool operator==(const DefaultSimultaneity&) const = default;
};

// The device supplier that receives fax inquiries.
struct FirmAddress {
    FixedText<50> Name, Str, Ort;
    FixedText<20> Telefon, Fax;
    bool operator==(const FirmAddress&) const = default;
};

struct Options {
    FixedText<255> Sprache;    // "zkdeu", "zkeng", "zkfra"; empty until chosen
    FixedText<255> Pfadangabe; // default directory of project files
    bool operator==(const Options&) const = default;
};

// What belongs to the installation rather than to a project.
struct SettingsData {
    PrinterBlock Drucker;
    PrinterBlock Fax;

    DefaultCabinet Schaltschrank;
    DefaultSimultaneity Gleichzeitigkeit;
    FirmAddress Firmenadresse;
    Options Optionen;

    std::array<FixedText<100>, 5> Copyright;

    bool operator==(const SettingsData&) const = default;
};

// Factory values: program start and "Zurücksetzen".
SettingsData FactorySettings();
// Values of keys missing from a settings file; they differ from the factory values
// in the left margins (10 mm) and the printer indices (-1).
SettingsData ReadDefaultSettings();

// The settings record and its saved state.
class Settings {
public:
    Settings() : m_data(FactorySettings()), m_saved(m_data) {}

    SettingsData& data() { return m_data; }
    const SettingsData& data() const { return m_data; }
    const SettingsData& saved() const { return m_saved; }

    // The saved state is not touched: after a reset the settings count as modified.
    void ResetSettings() { m_data = FactorySettings(); }
    bool IsSettingsModified() const { return !(m_data == m_saved); }
    void MarkSettingsSaved() { m_saved = m_data; }

private:
    SettingsData m_data;
    SettingsData m_saved;
};

} // namespace zek
