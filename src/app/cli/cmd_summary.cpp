// zek-cli summary PROJECT... [--csv]: one row per project with the key figures and the
// devices its report would list, for a planner with a whole plant of cabinets.
#include "Command.h"
#include "Common.h"

#include "core/Cp1252.h"
#include "report/Summary.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

using namespace zek;
using namespace zek::cli;

constexpr const char* kUsage = "zek-cli summary PROJECT... [--csv] [--data-dir DIR] [--lang CODE]";

void writeOut(const std::string& cp1252, bool utf8) {
    const std::string out = utf8 ? cp1252ToUtf8(cp1252) : cp1252;
    std::fwrite(out.data(), 1, out.size(), stdout);
}

int runSummary(const QStringList& args) {
    ParsedArgs a;
    QString error;
    if (!parseArgs(args, kDataOptions + QStringList{"--encoding"}, {"--csv"}, a, error))
        return usageError("summary", error, kUsage);
    if (a.has("--help")) {
        std::printf("usage: %s\n\n"
                    "Prints one row per project (.Z20 or version 1.1 .ZEK): surface, total power loss,\n"
                    "cooling need, heating need with the equipment switched off and running, and the\n"
                    "devices the result report would list with the project's stored selection.\n"
                    "A project that cannot be read gives a row with its error; the others go on.\n\n"
                    "  --csv            comma-separated values with a header line\n"
                    "  --data-dir DIR   folder of the texts, device tables and settings\n"
                    "  --lang CODE      zkdeu, zkeng or zkfra: the device table and the messages\n"
                    "  --encoding E     utf-8 (default) or cp1252\n",
                    kUsage);
        return kExitOk;
    }
    if (a.files.isEmpty())
        return usageError("summary", "at least one PROJECT is needed", kUsage);
    Encoding encoding;
    if (!parseEncoding(a.value("--encoding"), encoding))
        return usageError("summary", "unknown encoding " + a.value("--encoding"), kUsage);
    const bool utf8 = encoding == Encoding::Utf8;
    const bool csv = a.has("--csv");

    Environment env;
    if (const int rc = env.load(a, "summary"); rc != kExitOk)
        return rc;

    // The file column fits the longest name given, so the figures stand in columns.
    std::size_t width = std::string_view("file").size();
    for (const QString& file : a.files)
        width = std::max(width, toCp1252(file).size());
    writeOut(ZusammenfassungKopf(csv, width), utf8);
    int rc = kExitOk;
    Project project(env.settings());
    for (const QString& file : a.files) {
        Zusammenfassung z;
        if (readProject(project, env.settings(), env.language(), file, error)) {
            z = Zusammenfassen(project.data(), env.devices());
        } else {
            z.fehler = toCp1252(error);
            rc = kExitInput;
        }
        z.datei = toCp1252(file);
        writeOut(ZusammenfassungZeile(z, csv, width), utf8);
    }
    std::fflush(stdout);
    return rc;
}

const CommandRegistration reg{
    {"summary", "prints the key figures and devices of many projects, one row each", runSummary}};

} // namespace
