#pragma once

#include "core/ProjectData.h"
#include "devices/Balance.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zek {

// Tags of the boxes of the device selection; the tag is also the position of the box's
// state in Auswahl.GeraeteCheck.
namespace tag {
inline constexpr int Filter = 10, Luft = 11, Wasser = 12, Geraete = 13;
inline constexpr int FStdKunst = 20, FStrahlKunst = 21, FStrahlV2A = 22, FSuper = 23, FDach = 24,
                     FEinbau = 25;
inline constexpr int LAnEin = 30, LAuf = 31;
inline constexpr int WAn = 40, WEinbau = 41;
inline constexpr int GAn = 50, GAnEin = 51, GAuf = 52, GAnEinMit = 55, GAnEinOhne = 56;
} // namespace tag

// Every box of the selection, family boxes first.
inline constexpr std::array<int, 19> kAuswahlTags = {10, 11, 12, 13, 20, 21, 22, 23, 24, 25,
                                                     30, 31, 40, 41, 50, 51, 52, 55, 56};

// What the device selection shows and returns, without any widget: which families and
// variants a candidate was found for, which boxes are ticked and visible, and the mask of
// candidates that confirming yields. The dialog is a view of this.
class AuswahlModell {
public:
    // Candidates in list order (candidate n is kandidaten[n - 1]); ticks from GeraeteCheck.
    AuswahlModell(const Kandidatenliste& kandidaten, const std::string& geraeteCheck);

    // Text numbers of the messages for candidates whose code is not recognised, one per
    // such candidate, in the order they are visited (last candidate first); those candidates are left out.
    const std::vector<std::uint32_t>& meldungen() const { return m_meldungen; }

    // The family panel of a family box (10..13) is shown.
    bool panelSichtbar(int familyTag) const;
    bool enabled(int tag) const;
    // Candidate number (1..) the box stands for, 0 for none.
    int kandidat(int tag) const;
    bool ticked(int tag) const;
    bool visible(int tag) const;
    void setTicked(int tag, bool on);

    // Confirming: the new mask by candidate number, and the new GeraeteCheck.
    std::uint16_t maske() const;
    std::string geraeteCheck() const;
    // Stores both into the record's selection, as confirming the dialog does.
    std::uint16_t bestaetigen(AuswahlGroup& auswahl) const;

private:
    static constexpr int kSlots = 57;
    static bool valid(int t) { return t >= 0 && t < kSlots; }
    void map(int tag, int candidate);

    std::string m_check;
    std::array<bool, kSlots> m_enabled{};
    std::array<bool, kSlots> m_ticked{};
    std::array<int, kSlots> m_kandidat{};
    std::array<bool, 4> m_panel{};
    std::vector<std::uint32_t> m_meldungen;
};

// How the report and the inquiry obtain the user's choice of candidates. The desktop
// program shows the dialog; the command line confirms the stored ticks at once.
class DeviceSelector {
public:
    virtual ~DeviceSelector() = default;
    // Returns the mask by candidate number, or nothing when the user cancelled (only
    // offered when cancelAllowed). Confirming stores the ticks into `auswahl`.
    virtual std::optional<std::uint16_t> AuswahlZeigen(bool cancelAllowed, const Kandidatenliste& kandidaten,
                                                       AuswahlGroup& auswahl) = 0;
};

// Confirms at once with the stored ticks; the messages about unrecognised codes are
// handed to `report` (when given), as the dialog would show them.
class StoredTicksSelector : public DeviceSelector {
public:
    using MessageFn = std::function<void(std::uint32_t textNumber)>;
    explicit StoredTicksSelector(MessageFn report = {}) : m_report(std::move(report)) {}
    std::optional<std::uint16_t> AuswahlZeigen(bool cancelAllowed, const Kandidatenliste& kandidaten,
                                               AuswahlGroup& auswahl) override;

private:
    MessageFn m_report;
};

// Shows the selection and gives the candidates the user keeps, in their order: the first
// 16, one bit of the mask each. `abbruch` tells beforehand whether the selection may be
// cancelled and afterwards whether it was; a cancelled selection keeps none.
std::vector<const Kandidat*> GewaehlteKandidaten(DeviceSelector& selector, const Kandidatenliste& kandidaten,
                                                 AuswahlGroup& auswahl, bool& abbruch);

} // namespace zek
