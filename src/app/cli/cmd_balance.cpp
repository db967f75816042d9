// zek-cli balance PROJECT [--json]: the thermal balance, the candidate devices and the
// heater searches of a project. The JSON is described by docs/balance.schema.json.
#include "Command.h"
#include "Common.h"

#include "core/Cp1252.h"
#include "core/Losses.h"
#include "devices/Balance.h"
#include "report/Diagramm.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

using namespace zek;
using namespace zek::cli;

struct Run {
    BilanzWerte bilanz;
    Teilverluste teilverluste;
    Kandidatenliste kandidaten;
    std::vector<Heizungssuche> heizungen;
    Diagramme diagramme; // of every candidate, for its limit temperature
};

[[gnu::format(printf, 2, 3)]] void appendf(std::string& out, const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    out.append(buffer, std::size_t(std::clamp(n, 0, int(sizeof buffer) - 1)));
}

// A JSON string of UTF-8 text: quotes, backslashes and control characters escaped.
std::string jsonString(const std::string& utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\')
            out += {'\\', c};
        else if (static_cast<unsigned char>(c) < 0x20)
            appendf(out, "\\u%04x", unsigned(c));
        else
            out += c;
    }
    return out + "\"";
}

// The article designation of a device line, without the blanks that fill its columns.
std::string artikel(const DeviceTable& table, std::int32_t index) {
    std::string a = table.isLine(index) ? table.ZerlegeZeile(index).Artikel : std::string();
    while (!a.empty() && a.back() == ' ')
        a.pop_back();
    return cp1252ToUtf8(a);
}

// A whole number, or null for none.
std::string jsonZahl(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : "null";
}

std::string json(const Run& r, const DeviceTable& table) {
    const BilanzWerte& b = r.bilanz;
    std::string out;
    appendf(out,
            "{\"Oberflaeche\": %d, \"Gesamtverlustleistung\": %d, \"WandwaermeMax\": %d, "
            "\"WandwaermeMin\": %d, \"Heizleistung\": %d, \"Kuehlleistung\": %d, \"Luftmenge\": %d, "
            "\"LuftLuftBedarf\": %d, \"WasserBedarf\": %d, \"Teilverluste\": [",
            b.Oberflaeche, b.Gesamtverlustleistung, b.WandwaermeMax, b.WandwaermeMin, b.Heizleistung,
            b.Kuehlleistung, b.Luftmenge, b.LuftLuftBedarf, b.WasserBedarf);
    for (int pos = 1; pos <= kTeilverlusteCount; ++pos)
        appendf(out, "%s%d", pos > 1 ? ", " : "", r.teilverluste.at(pos));
    out += "], \"Kandidaten\": [";
    for (std::size_t i = 0; i < r.kandidaten.size(); ++i) {
        const Kandidat& k = r.kandidaten[i];
        // The code letters are plain ASCII in a sound table; anything else is escaped.
        std::string code;
        for (const char c : k.typcode) {
            if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
                code.push_back(c);
            else
                appendf(code, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
        }
        appendf(out, "%s{\"index\": %d, \"typcode\": \"%s\", \"anzahl\": %d, \"leistung\": %d, \"artikel\": ",
                i ? ", " : "", k.index, code.c_str(), k.anzahl, k.leistung);
        out += jsonString(artikel(table, k.index));
        const std::vector<Geraetekurve>& kurven = r.diagramme.reserve.geraete;
        const Geraetekurve* kurve = i < kurven.size() ? &kurven[i] : nullptr;
        out += ", \"grenztemperatur\": " + jsonZahl(kurve ? kurve->grenztemperatur : std::nullopt) +
               ", \"grenzeOffen\": " + (kurve && kurve->grenzeOffen ? "true" : "false") + "}";
    }
    out += "], \"Heizung\": [";
    for (std::size_t i = 0; i < r.heizungen.size(); ++i) {
        const Heizungssuche& h = r.heizungen[i];
        appendf(out, "%s{\"bedarf\": %d, \"index\": %d, \"anzahl\": %d, \"artikel\": ", i ? ", " : "",
                h.bedarf, h.ergebnis.index, h.ergebnis.gefunden() ? h.ergebnis.anzahl : 0);
        out += jsonString(artikel(table, h.ergebnis.index)) + "}";
    }
    return out +
           "], \"TragbareVerlustleistung\": " + jsonZahl(r.diagramme.innentemperatur.tragbarerVerlustW) +
           "}\n";
}

std::string text(const Run& r, const DeviceTable& table) {
    const BilanzWerte& b = r.bilanz;
    std::string out;
    appendf(out, "Oberflaeche            %10d mm²\n", b.Oberflaeche);
    appendf(out, "Gesamtverlustleistung  %10d W\n", b.Gesamtverlustleistung);
    appendf(out, "WandwaermeMax          %10d W\n", b.WandwaermeMax);
    appendf(out, "WandwaermeMin          %10d W\n", b.WandwaermeMin);
    appendf(out, "Heizleistung           %10d W\n", b.Heizleistung);
    appendf(out, "Kuehlleistung          %10d W\n", b.Kuehlleistung);
    appendf(out, "Luftmenge              %10d m³/h\n", b.Luftmenge);
    appendf(out, "LuftLuftBedarf         %10d W\n", b.LuftLuftBedarf);
    appendf(out, "WasserBedarf           %10d W\n", b.WasserBedarf);
    const auto line = [&table](std::int32_t index) {
        return cp1252ToUtf8(table.ZerlegeZeile(index).Beschreibung);
    };
    out += "\nKandidaten\n";
    for (const Kandidat& k : r.kandidaten)
        appendf(out, "  %-3s %4d × line %d (%d W): %s\n", k.typcode.c_str(), k.anzahl, k.index, k.leistung,
                line(k.index).c_str());
    out += "\nHeizung\n";
    for (const Heizungssuche& h : r.heizungen) {
        if (h.ergebnis.gefunden())
            appendf(out, "  %d W: %d × line %d: %s\n", h.bedarf, h.ergebnis.anzahl, h.ergebnis.index,
                    line(h.ergebnis.index).c_str());
        else
            appendf(out, "  %d W: none\n", h.bedarf);
    }
    return out;
}

int runBalance(Invocation& call) {
    if (call.files().size() != 1)
        return call.usageError(call.text(kTextOneProject));
    if (const int rc = call.loadData(); rc != kExitOk)
        return rc;
    Project project(call.settings());
    if (const int rc = call.readProject(project, call.files().front()); rc != kExitOk)
        return rc;

    const ProjectData& p = project.data();
    Run run;
    run.bilanz = Bilanz(p);
    run.teilverluste = BerechneTeilverluste(p);
    run.kandidaten = SucheKandidaten(call.devices(), p, run.bilanz);
    run.heizungen = SucheHeizungen(call.devices(), run.bilanz);
    if (!call.has("--json")) {
        call.write(text(run, call.devices()));
        return kExitOk;
    }
    run.diagramme = ErstelleDiagramme(p, call.devices(), 0xFFFF);
    call.write(json(run, call.devices()));
    return kExitOk;
}

const CommandRegistration reg{{
    "balance",
    "print the thermal balance, candidate devices and heaters of a project",
    "PROJECT",
    "Computes the thermal balance of PROJECT (.Z20, version 1.1 .ZEK, or a file of another\n"
    "name that holds either), searches the device table of the language for candidate\n"
    "devices and heaters, and prints the figures. --json prints them as one JSON object,\n"
    "described key by key by docs/balance.schema.json, with each candidate's limit\n"
    "temperature and the loss the cabinet carries without a climate device.\n",
    {
        {"--json", nullptr, "one JSON object instead of the table"},
        kDataDirOption,
        kLangOption,
        kStrictOption,
    },
    runBalance,
}};

} // namespace
