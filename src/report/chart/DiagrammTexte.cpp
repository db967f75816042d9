#include "report/chart/DiagrammTexte.h"

#include "core/Cp1252.h"
#include "core/TextSource.h"
#include "report/print/Drucke.h"

namespace zek {
namespace {

QString text(const TextSource& texts, std::uint32_t number) {
    return fromCp1252(texts.GetLangText(number));
}

// The report's labels carry blanks that align their values in a column; a title line
// joins label and value directly.
QString teil(const TextSource& texts, std::uint32_t label, const QString& value) {
    return value.isEmpty() ? QString() : text(texts, label).trimmed() + QLatin1Char(' ') + value;
}

QString zeile(const QStringList& teile) {
    QStringList gefuellt;
    for (const QString& t : teile)
        if (!t.isEmpty())
            gefuellt << t;
    return gefuellt.join(QStringLiteral("    "));
}

} // namespace

DiagrammTexte LadeDiagrammTexte(const TextSource& texts) {
    namespace d = txt::diagramm;
    const auto t = [&texts](std::uint32_t n) { return text(texts, n); };
    return {t(d::ReserveTitel),   t(d::AchseUmgebung), t(d::AchseKuehlleistung),
            t(d::Bedarf),         t(d::Auslegung),     t(d::Grenztemperatur),
            t(d::Keine),          t(d::InnenTitel),    t(d::AchseVerlust),
            t(d::AchseInnen),     t(d::InnenKurve),    t(d::Zulaessig),
            t(d::Projektverlust), t(d::Tragbar),       t(d::KeineGeraete),
            t(d::KeineWaende)};
}

QStringList DiagrammTitelzeilen(const ProjectData& p, const TextSource& texts, const QString& projectFileName,
                                const Datum& heute) {
    QStringList lines{text(texts, txt::diagramm::Seitentitel)};
    // Customer, contact and project as the report's project block names them.
    const QString projekt = zeile({teil(texts, 1006011, fromCp1252(p.Projekt.Firma)),
                                   teil(texts, 1006012, fromCp1252(p.Projekt.Name)),
                                   teil(texts, 1006013, fromCp1252(p.Projekt.Projekt))});
    if (!projekt.isEmpty())
        lines << projekt;
    lines << zeile({teil(texts, 1006014, fromCp1252(DatumText(heute))),
                    teil(texts, 1006015, Namensteil(projectFileName))});
    return lines;
}

} // namespace zek
