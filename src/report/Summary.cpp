#include "Summary.h"

#include "Selection.h"
#include "ZekCollection.h"
#include "devices/Balance.h"
#include "devices/DeviceTable.h"

#include <algorithm>
#include <charconv>

namespace zek {
namespace {

// The article number names a device to the supplier; a line without one is named by
// its description.
std::string geraetName(const DeviceTable& devices, std::int32_t index, int anzahl) {
    const Geraetezeile& z = devices.ZerlegeZeile(index);
    std::string_view name = z.hatArtikel ? z.Artikel : z.Beschreibung;
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return Zeile(std::to_string(anzahl), " x ", name);
}

std::string m2Text(double m2) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, m2, std::chars_format::fixed, 2);
    return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0.00");
}

std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos)
        return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '"')
            q += '"';
        q += c;
    }
    return q + '"';
}

std::string padRight(std::string s, std::size_t width) {
    if (s.size() < width)
        s.append(width - s.size(), ' ');
    return s;
}

std::string joined(const std::vector<std::string>& parts, const char* sep) {
    std::string out;
    for (const std::string& p : parts) {
        if (!out.empty())
            out += sep;
        out += p;
    }
    return out;
}

} // namespace

Zusammenfassung Zusammenfassen(ProjectData& p, const DeviceTable& devices) {
    Zusammenfassung z;
    const BilanzWerte b = Bilanz(p);
    z.oberflaecheM2 = b.Oberflaeche / 1000000.0;
    z.verlustW = b.Gesamtverlustleistung;
    z.kuehlungW = b.Kuehlleistung;
    z.heizungAusW = std::max(0, b.WandwaermeMin);
    z.heizungEinW = std::max(0, b.Heizleistung);

    const Kandidatenliste k = SucheKandidaten(devices, p, b);
    if (!k.empty()) {
        StoredTicksSelector selector;
        const std::uint16_t mask = selector.AuswahlZeigen(false, k, p.Auswahl).value_or(0);
        for (std::size_t i = 0; i < k.size() && i < 16; ++i)
            if (mask & (1u << i))
                z.geraete.push_back(geraetName(devices, k[i].index, k[i].anzahl));
    }
    for (const Heizungssuche& h : SucheHeizungen(devices, b))
        if (h.ergebnis.gefunden())
            z.geraete.push_back(geraetName(devices, h.ergebnis.index, h.ergebnis.anzahl));
    return z;
}

std::string ZusammenfassungKopf(bool csv, std::size_t dateiBreite) {
    if (csv)
        return "file,surface_m2,loss_W,cooling_W,heating_off_W,heating_on_W,devices,error\n";
    return padRight("file", dateiBreite) + " surface m2   loss W cooling W  heat off W  heat on W  devices\n";
}

std::string ZusammenfassungZeile(const Zusammenfassung& z, bool csv, std::size_t dateiBreite) {
    using S = TZEKCollection;
    if (csv) {
        if (!z.fehler.empty())
            return csvField(z.datei) + ",,,,,,," + csvField(z.fehler) + "\n";
        return csvField(z.datei) + "," + m2Text(z.oberflaecheM2) + "," + S::Str(z.verlustW) + "," +
               S::Str(z.kuehlungW) + "," + S::Str(z.heizungAusW) + "," + S::Str(z.heizungEinW) + "," +
               csvField(joined(z.geraete, "; ")) + ",\n";
    }
    const std::string file = padRight(z.datei, dateiBreite);
    if (!z.fehler.empty())
        return file + " " + z.fehler + "\n";
    const auto right = [](const std::string& s, std::size_t w) {
        return s.size() < w ? std::string(w - s.size(), ' ') + s : s;
    };
    return file + " " + right(m2Text(z.oberflaecheM2), 10) + " " + right(S::Str(z.verlustW), 8) + " " +
           right(S::Str(z.kuehlungW), 9) + " " + right(S::Str(z.heizungAusW), 11) + " " +
           right(S::Str(z.heizungEinW), 10) + "  " +
           (z.geraete.empty() ? std::string("-") : joined(z.geraete, "; ")) + "\n";
}

} // namespace zek
