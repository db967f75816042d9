// zek-cli balance PROJECT [--json] [--data-dir DIR] [--lang CODE]: the thermal balance,
// the candidate devices and the heater searches of a project file.
#include "Command.h"
#include "Common.h"

#include "core/Cp1252.h"
#include "core/Losses.h"
#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "devices/Balance.h"
#include "devices/DeviceTable.h"
#include "i18n/Language.h"
#include "io/IoTexts.h"
#include "io/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <string>

namespace {

using namespace zek::cli;

int usage() {
    std::fprintf(stderr, "usage: zek-cli balance PROJECT.Z20|PROJECT.ZEK [--json] [--data-dir DIR] "
                         "[--lang zkdeu|zkeng|zkfra]\n");
    return kExitUsage;
}

struct Run {
    zek::BilanzWerte bilanz;
    zek::Teilverluste teilverluste;
    zek::Kandidatenliste kandidaten;
    std::vector<zek::Heizungssuche> heizungen;
};

void printJson(const Run& r) {
    const zek::BilanzWerte& b = r.bilanz;
    std::printf("{\"Oberflaeche\": %d, \"Gesamtverlustleistung\": %d, \"WandwaermeMax\": %d, "
                "\"WandwaermeMin\": %d, \"Heizleistung\": %d, \"Kuehlleistung\": %d, \"Luftmenge\": %d, "
                "\"LuftLuftBedarf\": %d, \"WasserBedarf\": %d, \"Teilverluste\": [",
                b.Oberflaeche, b.Gesamtverlustleistung, b.WandwaermeMax, b.WandwaermeMin, b.Heizleistung,
                b.Kuehlleistung, b.Luftmenge, b.LuftLuftBedarf, b.WasserBedarf);
    for (int pos = 1; pos <= zek::kTeilverlusteCount; ++pos)
        std::printf("%s%d", pos > 1 ? ", " : "", r.teilverluste.at(pos));
    std::printf("], \"Kandidaten\": [");
    for (std::size_t i = 0; i < r.kandidaten.size(); ++i) {
        const zek::Kandidat& k = r.kandidaten[i];
        // The code letters are plain ASCII in a sound table; anything else is escaped.
        std::string code;
        for (const char c : k.typcode) {
            if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
                code.push_back(c);
            else {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
                code += escaped;
            }
        }
        std::printf("%s{\"index\": %d, \"typcode\": \"%s\", \"anzahl\": %d, \"leistung\": %d}", i ? ", " : "",
                    k.index, code.c_str(), k.anzahl, k.leistung);
    }
    std::printf("], \"Heizung\": [");
    for (std::size_t i = 0; i < r.heizungen.size(); ++i) {
        const zek::Heizungssuche& h = r.heizungen[i];
        std::printf("%s{\"bedarf\": %d, \"index\": %d, \"anzahl\": %d}", i ? ", " : "", h.bedarf,
                    h.ergebnis.index, h.ergebnis.gefunden() ? h.ergebnis.anzahl : 0);
    }
    std::printf("]}\n");
}

void printText(const Run& r, const zek::DeviceTable& table) {
    const zek::BilanzWerte& b = r.bilanz;
    std::printf("Oberflaeche            %10d mm²\n", b.Oberflaeche);
    std::printf("Gesamtverlustleistung  %10d W\n", b.Gesamtverlustleistung);
    std::printf("WandwaermeMax          %10d W\n", b.WandwaermeMax);
    std::printf("WandwaermeMin          %10d W\n", b.WandwaermeMin);
    std::printf("Heizleistung           %10d W\n", b.Heizleistung);
    std::printf("Kuehlleistung          %10d W\n", b.Kuehlleistung);
    std::printf("Luftmenge              %10d m³/h\n", b.Luftmenge);
    std::printf("LuftLuftBedarf         %10d W\n", b.LuftLuftBedarf);
    std::printf("WasserBedarf           %10d W\n", b.WasserBedarf);
    const auto line = [&table](std::int32_t index) {
        return zek::cp1252ToUtf8(table.ZerlegeZeile(index).Beschreibung);
    };
    std::printf("\nKandidaten\n");
    for (const zek::Kandidat& k : r.kandidaten)
        std::printf("  %-3s %4d × line %d (%d W): %s\n", k.typcode.c_str(), k.anzahl, k.index, k.leistung,
                    line(k.index).c_str());
    std::printf("\nHeizung\n");
    for (const zek::Heizungssuche& h : r.heizungen) {
        if (h.ergebnis.gefunden())
            std::printf("  %d W: %d × line %d: %s\n", h.bedarf, h.ergebnis.anzahl, h.ergebnis.index,
                        line(h.ergebnis.index).c_str());
        else
            std::printf("  %d W: none\n", h.bedarf);
    }
}

int runBalance(const QStringList& args) {
    ParsedArgs parsed;
    QString error;
    if (!parseArgs(args, kDataOptions, {"--json"}, parsed, error)) {
        std::fprintf(stderr, "zek-cli balance: %s\n", qPrintable(error));
        return usage();
    }
    if (parsed.has("--help")) {
        std::printf(
            "Computes the thermal balance of a project (\".Z20\", or \".ZEK\" of version 1.1),\n"
            "searches the device table of language CODE (default: the settings' language, else\n"
            "zkdeu) for candidate devices and heaters, and prints the figures; --json prints\n"
            "them as one JSON object. Data files are read from DIR (default: the folder of zek-cli).\n");
        return kExitOk;
    }
    const bool json = parsed.has("--json");
    const QString projectFile = parsed.files.size() == 1 ? parsed.files.front() : QString();
    const QString suffix = QFileInfo(projectFile).suffix().toLower();
    if (projectFile.isEmpty() || (suffix != "z20" && suffix != "zek"))
        return usage();
    const QString dataDir = zek::cli::dataDir(parsed);

    zek::Settings settings;
    readDataSettings(settings, dataDir);
    const QString code = languageCode(parsed, settings.data());
    if (!validLanguageCode(code))
        return usage();

    zek::DeviceTable table;
    const QString tablePath = QDir(dataDir).filePath(code + ".TYP");
    if (!table.LiesTypDatei(tablePath)) {
        std::fprintf(stderr, "zek-cli balance: cannot read the device table %s\n", qPrintable(tablePath));
        return kExitNoData;
    }

    // The import's messages come in the user's language when its texts are there.
    zek::Language language;
    language.setModuleMessageHandler([](const QString&) {});
    const bool texts = language.LoadLanguage(dataDir, code.toStdString()) && language.lineCount() > 0;
    const zek::NoTexts none;
    zek::Project project(settings.data());
    if (!readProject(project, settings.data(), texts ? static_cast<const zek::TextSource&>(language) : none,
                     projectFile, error)) {
        std::fprintf(stderr, "zek-cli balance: %s\n", error.toUtf8().constData());
        return kExitInput;
    }

    const zek::ProjectData& p = project.data();
    Run run;
    run.bilanz = zek::Bilanz(p);
    run.teilverluste = zek::BerechneTeilverluste(p);
    run.kandidaten = zek::SucheKandidaten(table, p, run.bilanz);
    run.heizungen = zek::SucheHeizungen(table, run.bilanz);
    if (json)
        printJson(run);
    else
        printText(run, table);
    return kExitOk;
}

const CommandRegistration reg{
    {"balance", "thermal balance, candidate devices and heaters of a project", runBalance}};

} // namespace
