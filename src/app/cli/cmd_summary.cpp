// zek-cli summary PROJECT... [--csv]: one row per project with the key figures and the
// devices its report would list, for a planner with a whole plant of cabinets.
#include "Command.h"
#include "Common.h"

#include "core/Cp1252.h"
#include "report/Summary.h"

#include <algorithm>
#include <string_view>

namespace {

using namespace zek;
using namespace zek::cli;

int runSummary(Invocation& call) {
    if (call.files().isEmpty())
        return call.usageError(call.text(kTextSomeProjects));
    Encoding encoding;
    if (!parseEncoding(call.value("--encoding"), encoding))
        return call.usageError(call.text(kTextUnknownEncoding).arg(call.value("--encoding")));
    const bool csv = call.has("--csv");
    if (const int rc = call.loadData(); rc != kExitOk)
        return rc;
    const auto write = [&call, encoding](const std::string& cp1252) {
        call.write(encoding == Encoding::Utf8 ? cp1252ToUtf8(cp1252) : cp1252);
    };

    // The file column fits the longest name given, so the figures stand in columns.
    std::size_t width = std::string_view("file").size();
    for (const QString& file : call.files())
        width = std::max(width, toCp1252(file).size());
    write(ZusammenfassungKopf(csv, width));
    int rc = kExitOk;
    Project project(call.settings());
    for (const QString& file : call.files()) {
        Zusammenfassung z;
        QString error;
        if (call.readProject(project, file, &error) == kExitOk) {
            z = Zusammenfassen(project.data(), call.devices());
        } else {
            z.fehler = toCp1252(error);
            rc = kExitInput;
        }
        z.datei = toCp1252(file);
        write(ZusammenfassungZeile(z, csv, width));
    }
    return rc;
}

const CommandRegistration reg{{
    "summary",
    "print the key figures and devices of many projects, one row each",
    "PROJECT...",
    "Prints one row per project (.Z20, version 1.1 .ZEK, or a file of another name that\n"
    "holds either): surface, total power loss, cooling need, heating need with the\n"
    "equipment switched off and running, and the devices the result report would list\n"
    "with the project's stored selection. A project that cannot be read gives a row\n"
    "with its error and a message on standard error; the others go on.\n",
    {
        {"--csv", nullptr, "comma-separated values with a header line"},
        kDataDirOption,
        kLangOption,
        kEncodingOption,
        kStrictOption,
    },
    runSummary,
}};

} // namespace
