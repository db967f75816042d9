#include "Selection.h"

#include "ReportTexts.h"

namespace zek {
namespace {

// Variant box of a candidate's code; the second box is only used by "TX-" lines, which
// serve both kinds of air/air heat exchanger.
struct Boxes {
    int family = 0;
    int first = 0;
    int second = 0;
    bool anbauEinbau = false; // cooling unit for mounting on or in the cabinet (box 51)
};

std::optional<Boxes> boxesOf(const std::string& code, std::uint32_t& message) {
    // A code cut short reads as absent letters, which no box stands for.
    const auto letter = [&code](std::size_t i) { return i < code.size() ? code[i] : '\0'; };
    const char c[3] = {letter(0), letter(1), letter(2)};
    message = txt::UnbekannteGeraeteart;
    switch (c[0]) {
    case 'L': {
        Boxes b{tag::Filter};
        switch (c[1]) {
        case '-':
            b.first = tag::FStdKunst;
            break;
        case 'W':
            b.first = tag::FStrahlKunst;
            break;
        case 'V':
            b.first = tag::FStrahlV2A;
            break;
        case 'F':
            b.first = tag::FSuper;
            break;
        case 'D':
            b.first = tag::FDach;
            break;
        case '9':
            b.first = tag::FEinbau;
            break;
        default:
            return std::nullopt;
        }
        return b;
    }
    case 'T':
        switch (c[1]) {
        case 'S':
            return Boxes{tag::Luft, tag::LAnEin};
        case 'D':
            return Boxes{tag::Luft, tag::LAuf};
        case 'X':
            return Boxes{tag::Luft, tag::LAnEin, tag::LAuf};
        default:
            return std::nullopt;
        }
    case 'W':
        switch (c[1]) {
        case 'A':
            return Boxes{tag::Wasser, tag::WAn};
        case '9':
            return Boxes{tag::Wasser, tag::WEinbau};
        default:
            return std::nullopt;
        }
    case 'K':
        message = txt::UnbekanntesKuehlgeraet;
        switch (c[1]) {
        case 'Y':
            return Boxes{tag::Geraete, tag::GAn};
        case 'D':
            return Boxes{tag::Geraete, tag::GAuf};
        case 'S':
            if (c[2] == 'M')
                return Boxes{tag::Geraete, tag::GAnEinMit, 0, true};
            if (c[2] == 'O')
                return Boxes{tag::Geraete, tag::GAnEinOhne, 0, true};
            return std::nullopt;
        default:
            return std::nullopt;
        }
    default:
        return std::nullopt;
    }
}

bool isVariant(int t) {
    return t >= 20;
}

int familyOf(int t) {
    return t / 10 - 2 + tag::Filter; // 20.. -> 10, 30.. -> 11, 40.. -> 12, 50.. -> 13
}

bool isAuswahlTag(int t) {
    for (int a : kAuswahlTags)
        if (a == t)
            return true;
    return false;
}

} // namespace

AuswahlModell::AuswahlModell(const Kandidatenliste& kandidaten, const std::string& geraeteCheck)
    : m_check(geraeteCheck) {
    m_check.resize(kGeraeteCheckLength, '0');
    // From the last candidate to the first: where two candidates share a box, the
    // earlier one wins.
    for (std::size_t i = kandidaten.size(); i-- > 0;) {
        std::uint32_t message = 0;
        const auto boxes = boxesOf(kandidaten[i].typcode, message);
        if (!boxes) {
            m_meldungen.push_back(message);
            continue;
        }
        const int number = static_cast<int>(i) + 1;
        m_panel[static_cast<std::size_t>(boxes->family - tag::Filter)] = true;
        map(boxes->first, number);
        if (boxes->second)
            map(boxes->second, number);
        if (boxes->anbauEinbau)
            m_enabled[tag::GAnEin] = true;
    }

    for (int t : kAuswahlTags)
        m_ticked[static_cast<std::size_t>(t)] = m_check[static_cast<std::size_t>(t - 1)] == '1';
}

void AuswahlModell::map(int t, int candidate) {
    m_enabled[static_cast<std::size_t>(t)] = true;
    m_kandidat[static_cast<std::size_t>(t)] = candidate;
}

bool AuswahlModell::panelSichtbar(int familyTag) const {
    if (familyTag < tag::Filter || familyTag > tag::Geraete)
        return false;
    return m_panel[static_cast<std::size_t>(familyTag - tag::Filter)];
}

bool AuswahlModell::enabled(int t) const {
    return valid(t) && m_enabled[static_cast<std::size_t>(t)];
}

int AuswahlModell::kandidat(int t) const {
    return valid(t) ? m_kandidat[static_cast<std::size_t>(t)] : 0;
}

bool AuswahlModell::ticked(int t) const {
    return valid(t) && m_ticked[static_cast<std::size_t>(t)];
}

void AuswahlModell::setTicked(int t, bool on) {
    if (isAuswahlTag(t))
        m_ticked[static_cast<std::size_t>(t)] = on;
}

bool AuswahlModell::visible(int t) const {
    if (!isAuswahlTag(t))
        return false;
    if (!isVariant(t))
        return panelSichtbar(t);
    // These two filter-fan variants have no place in the filter-fan panel.
    if (t == tag::FStrahlKunst || t == tag::FEinbau)
        return false;
    const int family = familyOf(t);
    if (!panelSichtbar(family) || !ticked(family))
        return false;
    if (t == tag::GAnEinMit || t == tag::GAnEinOhne)
        return ticked(tag::GAnEin);
    return true;
}

std::uint16_t AuswahlModell::maske() const {
    std::uint16_t mask = 0;
    for (int t : kAuswahlTags) {
        const int n = kandidat(t);
        if (isVariant(t) && n >= 1 && n <= 16 && ticked(t) && visible(t))
            mask = static_cast<std::uint16_t>(mask | (1u << (n - 1)));
    }
    return mask;
}

std::string AuswahlModell::geraeteCheck() const {
    std::string check = m_check;
    for (int t : kAuswahlTags)
        check[static_cast<std::size_t>(t - 1)] = ticked(t) ? '1' : '0';
    return check;
}

std::uint16_t AuswahlModell::bestaetigen(AuswahlGroup& auswahl) const {
    auswahl.GeraeteCheck = geraeteCheck();
    auswahl.Geraete = maske();
    return auswahl.Geraete;
}

std::optional<std::uint16_t> StoredTicksSelector::AuswahlZeigen(bool, const Kandidatenliste& kandidaten,
                                                                AuswahlGroup& auswahl) {
    const AuswahlModell model(kandidaten, auswahl.GeraeteCheck);
    if (m_report)
        for (std::uint32_t m : model.meldungen())
            m_report(m);
    return model.bestaetigen(auswahl);
}

std::vector<const Kandidat*> GewaehlteKandidaten(DeviceSelector& selector, const Kandidatenliste& kandidaten,
                                                 AuswahlGroup& auswahl, bool& abbruch) {
    const std::optional<std::uint16_t> mask = selector.AuswahlZeigen(abbruch, kandidaten, auswahl);
    abbruch = !mask.has_value();
    std::vector<const Kandidat*> kept;
    for (std::size_t i = 0; i < kandidaten.size() && i < 16; ++i)
        if (mask.value_or(0) & (1u << i))
            kept.push_back(&kandidaten[i]);
    return kept;
}

} // namespace zek
