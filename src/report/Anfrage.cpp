#include "Report.h"

#include "ReportLabels.h"

#include "core/TextSource.h"
#include "devices/Balance.h"
#include "devices/DeviceTable.h"

namespace zek {

namespace {
// The date stands at the right of the letter, from column 52 on.
constexpr std::size_t kDatumEinzug = 51;
} // namespace

void TZEKCollection::ErstelleAnfrage(const ReportContext& ctx, bool& abbruch) {
    ProjectData& p = ctx.project;
    const auto T = [&ctx](std::uint32_t n) { return ctx.texts.LangTextView(n); };
    const BilanzWerte b = Bilanz(p);

    // Every address line is written, empty or not, so the letter keeps its layout.
    for (const auto* field :
         {&p.Person.Firma, &p.Person.Abteilung, &p.Person.Name, &p.Person.Str, &p.Person.Ort})
        Ins(field->str());
    for (int i = 0; i < 4; ++i)
        Ins("");
    const FirmAddress& an = ctx.settings.Firmenadresse;
    Ins(an.Name.str());
    Ins(an.Str.str());
    Ins(an.Ort.str());
    Ins("");
    Ins(an.Telefon.empty() ? std::string() : Zeile(T(1006081), an.Telefon.str()));
    Ins(an.Fax.empty() ? std::string() : Zeile(T(1006082), an.Fax.str()));
    Ins("");
    Ins("");
    Ins(Zeile(T(1006087), p.Projekt.Projekt.str()));
    Ins(Zeile(std::string(kDatumEinzug, ' '), T(1006088), DatumText(ctx.heute)));
    for (int i = 0; i < 4; ++i)
        Ins("");
    Ins(T(1006089));
    Strich();
    Ins("");
    Ins("");

    // A heater that is not found leaves no line in the letter.
    for (const Heizungssuche& h : SucheHeizungen(ctx.devices, b)) {
        if (!h.ergebnis.gefunden())
            continue;
        const bool aus = h.fall == Heizungssuche::Fall::Ausgeschaltet;
        InsTyp("", "", h.ergebnis.index, h.ergebnis.anzahl, T(aus ? 1006090 : 1006091), ctx.devices,
               ctx.texts);
        Ins("");
    }
    Ins("");

    const Kandidatenliste k = SucheKandidaten(ctx.devices, p, b);
    // An inquiry without devices is still a valid letter: it is shown and may be printed.
    if (k.empty()) {
        abbruch = false;
    } else {
        const long long found = static_cast<long long>(k.size());
        bool first = true;
        for (const Kandidat* kd : GewaehlteKandidaten(ctx.selector, k, p.Auswahl, abbruch)) {
            const std::string heading =
                EZMZ(first ? ReportLabel(ctx.texts, label::ErsteKuehlung) : T(1006092), found);
            first = false;
            InsTyp(heading, "", kd->index, kd->anzahl, T(1006093), ctx.devices, ctx.texts);
            Ins("");
        }
        Strich();
        Ins("");
    }

    Ins("");
    Ins("");
    Ins("");
    Ins(T(1006095));
}

} // namespace zek
