#include "Report.h"

#include "ReportLabels.h"

#include "core/Losses.h"
#include "core/TextSource.h"
#include "devices/Balance.h"
#include "devices/DeviceTable.h"

#include <array>
#include <charconv>

namespace zek {
namespace {

// Ratings of the circuit breaker rows in A.
constexpr std::array<int, kLeistungsschalterSlots> kSchalterA = {63,   125,  160,  250,  400,  630, 1000,
                                                                 1250, 1600, 2000, 2500, 3150, 4000};
constexpr const char* kGradC = "\xB0"
                               "C";
constexpr const char* kQuadratmeter = " m\xB2";

// "%.3g" with the decimal comma the program uses throughout.
std::string kWertText(double k) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, k, std::chars_format::general, 3);
    std::string s = res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("0");
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s;
}

class ErgebnisBuilder {
public:
    ErgebnisBuilder(TZEKCollection& out, const ReportContext& ctx) : o(out), c(ctx), p(ctx.project) {}

    std::string_view T(std::uint32_t n) const { return c.texts.LangTextView(n); }
    std::string_view L(std::uint32_t n) const { return ReportLabel(c.texts, n); }

    void kopf() {
        o.Ins(T(1006112));
        o.Ins("");
        o.Ins("");
        o.Ins(T(1006004));
        labelled(1006005, p.Person.Firma.str());
        labelled(1006006, p.Person.Abteilung.str());
        labelled(1006007, p.Person.Name.str());
        labelled(1006008, p.Person.Str.str());
        labelled(1006009, p.Person.Ort.str());
        o.Ins("");
        o.Ins(T(1006010));
        labelled(1006011, p.Projekt.Firma.str());
        labelled(1006012, p.Projekt.Name.str());
        labelled(1006013, p.Projekt.Projekt.str());
        o.Ins(Zeile(T(1006014), DatumText(c.heute)));
        o.Ins("");
        if (!c.projectFileName.empty()) {
            o.Ins(Zeile(T(1006015), c.projectFileName));
            o.Ins("");
        }
    }

    void schrank(const BilanzWerte& b) {
        using S = TZEKCollection;
        o.Ins(Zeile(T(1006016), S::Str4(p.Anschluss.Spannung), " V"));
        o.Ins(Zeile(T(1006017), S::Str4(p.Anschluss.Strom), " A"));
        o.Ins("");
        o.Ins(T(1006018));
        const auto mass = [&](std::uint32_t label, long long value) {
            o.Ins(Zeile("    ", T(label), ": ", S::Str4(value), T(1006019)));
        };
        mass(1006096, p.Schaltschrank.Breite);
        mass(1006097, p.Schaltschrank.Hoehe);
        mass(1006098, p.Schaltschrank.Tiefe);

        const auto& s = p.Schaltschrank;
        // Unknown positions or standings (only a hand-edited file holds one) print nothing.
        const std::string_view position =
            s.Gehaeuseart <= 2 ? T(1006026 + s.Gehaeuseart) : std::string_view();
        const std::string_view stand = s.Aufstellart <= 1 ? T(1006029 + s.Aufstellart) : std::string_view();
        // Any material outside the table is shown with the k value the calculation used.
        if (s.Material <= Edelstahl)
            o.Ins(Zeile("    ", position, T(1006031), T(1006022 + s.Material), " - ", stand));
        else
            o.Ins(Zeile("    ", position, " (", kWertText(s.Waermedurchgangszahl), "W/m\xB2K) - ", stand));
        o.Ins("");
        o.Ins(Zeile(T(1006032), S::StrX4(b.Oberflaeche / 1000000.0), kQuadratmeter));
        o.Ins("");
        const auto temp = [&](std::uint32_t label, long long value) {
            o.Ins(Zeile(T(label), S::Str4(value), kGradC));
        };
        temp(1006033, p.Temperatur.MaxInnen);
        temp(1006034, p.Temperatur.MinInnen);
        temp(1006035, p.Temperatur.MaxAussen);
        temp(1006036, p.Temperatur.MinAussen);
        temp(1006037, p.Temperatur.Wasser);
        o.Ins("");
        o.Ins("");
    }

    void verluste() {
        using S = TZEKCollection;
        switch (p.Verlustleistung.Bekannt) {
        case VerlustBekannt:
            return; // the known value stands in the balance below
        case VerlustGemessen:
            o.Ins(T(1006038));
            o.Ins(Zeile(T(1006110), S::Str4(p.Verlustleistung.InnenTemperatur), kGradC));
            o.Ins(Zeile(T(1006111), S::Str4(p.Verlustleistung.AussenTemperatur), kGradC));
            return;
        default:
            // "nicht bekannt", and any unknown mode, which the loss estimates the same way
            komponenten();
        }
    }

    void komponenten() {
        using S = TZEKCollection;
        const Teilverluste tv = BerechneTeilverluste(p);
        o.Ins(T(1006038));
        o.Strich();
        o.Ins(Zeile("   ", T(1006115), S::Str4(p.Gleichzeitigkeit.Leistungsteil), " %"));
        o.Ins(Zeile("   ", T(1006116), S::Str4(p.Gleichzeitigkeit.Steuerungsteil), " %"));
        // A label is put together only for a row that is printed.
        const auto row = [&](long long count, const auto& pattern, int position) {
            if (count != 0)
                o.InsW(count, pattern(), tv.at(position), c.texts);
        };
        for (int i = 0; i < kLeistungsschalterSlots; ++i)
            row(
                p.Leistungsschalter[i], [&] { return Zeile(T(1006039), S::Str4(kSchalterA[i]), " A"); },
                pos::Leistungsschalter + i);
        for (int i = 0; i < kSicherungenRows; ++i) {
            const auto& r = p.Sicherungen[i];
            row(
                r.Anzahl,
                [&] { return Zeile(L(SicherungsartLabel(r.Art)), T(1006040), S::Str(r.Strom), " A "); },
                pos::Sicherungen + i);
        }
        for (int i = 0; i < kMotorschutzSlots; ++i)
            row(
                p.Motorschutz[i], [&] { return L(label::Motorschutz + i); }, pos::Motorschutz + i);
        for (int i = 0; i < kRelaisSlots; ++i)
            row(
                p.Relais[i], [&] { return L(label::Relais + i); }, pos::Relais + i);
        for (int i = 0; i < kLeistungsschuetzeSlots; ++i)
            row(
                p.Leistungsschuetze[i], [&] { return L(label::Schuetze + i); }, pos::Leistungsschuetze + i);
        for (int i = 0; i < kLampenSlots; ++i)
            row(
                p.Lampen[i], [&] { return L(label::Lampen + i); }, pos::Lampen + i);
        for (int i = 0; i < kTransformatorenRows; ++i) {
            const auto& r = p.Transformatoren[i];
            row(
                r.Anzahl, [&] { return Zeile(T(1006041), S::Str4(r.Leistung), T(1006042)); },
                pos::Transformatoren + i);
        }
        for (int i = 0; i < kNetzteileRows; ++i) {
            const auto& r = p.Netzteile[i];
            row(
                r.Anzahl,
                [&] {
                    return Zeile(L(NetzteilartLabel(r.Typ)), T(1006043), S::Str(r.Spannung), "V/",
                                 S::Str(r.Strom), "A");
                },
                pos::Netzteile + i);
        }
        for (int i = 0; i < kFrequenzumrichterRows; ++i) {
            const auto& r = p.Frequenzumrichter[i];
            row(
                r.Anzahl,
                [&] {
                    return Zeile(T(1006044), T(1006045), S::Str4(r.Leistung), T(1006046), "(",
                                 S::Str(r.Wirkungsgrad), "%/", S::Str(r.Ausnutzung), "%)");
                },
                pos::Frequenzumrichter + i);
        }
        for (int i = 0; i < kSteuerungenSlots; ++i)
            row(
                p.Steuerungen[i], [&] { return L(label::Steuerungen + i); }, pos::Steuerungen + i);
        for (int i = 0; i < kSonstigeRows; ++i) {
            const auto& r = p.Sonstige[i];
            if (r.Anzahl == 0)
                continue;
            // The designation is the user's own text: it is appended after the singular
            // and plural are resolved, so braces typed into it stay as they are.
            const long long n = r.Anzahl;
            const std::string text = Zeile(S::EZMZ(L(label::SonstigeGeraete), n),
                                           std::string_view(r.Bezeichnung.str()).substr(0, 30),
                                           S::EZMZ(Zeile(T(1006047), S::Str(r.Leistung), T(1006048)), n));
            o.InsWText(n, text, tv.at(pos::Sonstige + i), c.texts);
        }
        o.Summenstrich();
    }

    void bilanz(const BilanzWerte& b) {
        using S = TZEKCollection;
        o.Ins(Zeile(S::Fill(T(1006049), 56), " ", S::Str6(b.Gesamtverlustleistung), T(1006050)));
        if (b.WandwaermeMax >= 0)
            o.InsSF6S(T(1006051), 56, b.WandwaermeMax, T(1006052));
        else
            o.Ins(Zeile(S::Fill(T(1006053), 55), " -", S::Str6(-static_cast<long long>(b.WandwaermeMax)),
                        T(1006054)));
        o.Summenstrich();
        o.InsSF6S(T(1006055), 56, b.Kuehlleistung, T(1006056));
        o.Summenstrich();
        o.Ins("");
        o.Ins("");
        if (const auto ti = InnentemperaturOhneGeraet(b, p))
            o.InsSF6S(T(1006057), 56, *ti, Zeile(" ", kGradC));
        else
            o.Ins(Zeile(S::Fill(T(1006057), 56), " ", kKeinWert));
        o.Ins("");
        if (b.Luftmenge > 0) {
            o.InsSF6S(T(1006058), 56, b.Luftmenge, " m3/h");
            o.Ins("");
        }
        if (b.WandwaermeMin < 1)
            o.Ins(T(1006061));
        else
            o.InsSF6S(T(1006059), 56, b.WandwaermeMin, T(1006060));
        o.Ins("");
        if (b.Heizleistung < 1)
            o.Ins(T(1006064));
        else
            o.InsSF6S(T(1006062), 56, b.Heizleistung, T(1006063));
        o.Ins("");
        o.Strich();
        o.Ins("");
    }

    void geraete(const BilanzWerte& b, bool& abbruch) {
        using S = TZEKCollection;
        const Kandidatenliste k = SucheKandidaten(c.devices, p, b);
        if (k.empty()) {
            abbruch = false;
            return;
        }
        const long long found = static_cast<long long>(k.size());
        bool first = true;
        for (const Kandidat* gewaehlt : GewaehlteKandidaten(c.selector, k, p.Auswahl, abbruch)) {
            const Kandidat& kd = *gewaehlt;
            const std::string heading = S::EZMZ(T(first ? 1006113 : 1006065), found);
            first = false;
            o.InsTyp(heading, "", kd.index, kd.anzahl, T(1006066), c.devices, c.texts);
            if (kd.leistung > 0) {
                if (!kd.typcode.empty() && kd.typcode[0] == 'W') {
                    o.Ins(S::EZMZ(Zeile(T(1006067), T(1006068)), kd.anzahl));
                    o.Ins(Zeile(S::EZMZ(T(1006114), kd.anzahl), S::Str(kd.leistung), T(1006069)));
                } else {
                    o.Ins(Zeile(S::EZMZ(T(1006070), kd.anzahl), S::Str(kd.leistung), T(1006071)));
                }
            }
            o.Ins("");
        }
        o.Strich();
        o.Ins("");
    }

    void heizungen(const BilanzWerte& b) {
        const auto searches = SucheHeizungen(c.devices, b);
        for (const Heizungssuche& h : searches) {
            const bool aus = h.fall == Heizungssuche::Fall::Ausgeschaltet;
            if (h.ergebnis.gefunden())
                o.InsTyp(T(aus ? 1006072 : 1006075), "", h.ergebnis.index, h.ergebnis.anzahl,
                         T(aus ? 1006073 : 1006076), c.devices, c.texts);
            else
                o.Ins(T(aus ? 1006074 : 1006077));
            o.Ins("");
        }
        if (!searches.empty()) {
            o.Ins("");
            o.Ins(T(1006100));
            o.Ins(T(1006101));
            o.Strich();
        }
    }

    void schluss() {
        o.Ins("");
        o.Ins(T(1006079));
        o.Ins("");
    }

private:
    void labelled(std::uint32_t label, const std::string& value) {
        if (!value.empty())
            o.Ins(Zeile(T(label), value));
    }

    TZEKCollection& o;
    const ReportContext& c;
    ProjectData& p;
};

} // namespace

std::string DatumText(const Datum& d) {
    return std::to_string(d.Tag) + "." + std::to_string(d.Monat) + "." + std::to_string(d.Jahr);
}

void TZEKCollection::ErstelleErgebnis(const ReportContext& ctx, bool& abbruch) {
    ErgebnisBuilder b(*this, ctx);
    m_lines.reserve(m_lines.size() + 256);
    const BilanzWerte bilanz = Bilanz(ctx.project);
    b.kopf();
    b.schrank(bilanz);
    b.verluste();
    b.bilanz(bilanz);
    b.geraete(bilanz, abbruch);
    b.heizungen(bilanz);
    b.schluss();
    SplitLineBreaks();
}

} // namespace zek
