// zek-cli convert IN OUT.Z20: reads a project file or imports a version 1.1 project and
// writes it as a project file.
#include "Command.h"
#include "Common.h"
#include "Target.h"

#include "core/Cp1252.h"
#include "io/IoTexts.h"
#include "io/ProjectFile.h"

#include <QDir>
#include <cstring>

namespace {

using namespace zek;
using namespace zek::cli;

int runConvert(Invocation& call) {
    if (call.files().size() != 2)
        return call.usageError(call.text(kTextInputAndOutput));
    // The conversion needs no language texts; only the messages speak the language.
    if (const int rc = call.checkLanguage(); rc != kExitOk)
        return rc;
    const QString in = call.files()[0];
    const QString out = call.files()[1];
    if (const int rc = checkTarget(call, out, in); rc != kExitOk)
        return rc;
    // A new project starts from the default cabinet of the settings.
    Project project(call.settings());
    if (const int rc = call.readProject(project, in); rc != kExitOk)
        return rc;

    // Nobody can be asked here, so a write-protected target stays as it is.
    const TextSource& texts = call.language();
    const IoResult r = WriteProjectFile(project, out, texts, [](const std::string&) { return false; });
    switch (r.status) {
    case IoStatus::Ok:
        return kExitOk;
    case IoStatus::Declined:
        call.message(
            fromCp1252(ioText(texts, kTextReadOnlyFile) + " " + toCp1252(QDir::toNativeSeparators(out))));
        return kExitInput;
    case IoStatus::ReplaceFailed:
        call.message(fromCp1252(ioTextWithFile(texts, kTextCannotWrite, out)) + " (" +
                     std::strerror(r.ioCode) + ")");
        return kExitInput;
    default:
        call.message(fromCp1252(r.message).replace("\r\n", "\n"));
        return kExitInput;
    }
}

const CommandRegistration reg{{
    "convert",
    "convert a project (.Z20 or version 1.1 .ZEK) into a project file",
    "IN OUT.Z20",
    "Reads IN (a project file .Z20, a version 1.1 project .ZEK in any letter case, or a\n"
    "file of another name that holds either) and writes it to OUT as a project file.\n"
    "The settings (ZEK.INI, else ZEK.DEF) come from the data folder; a new project\n"
    "starts from their default cabinet. OUT is replaced only once the new file is\n"
    "complete; it must not be IN, nor a FIFO or a device, and a write-protected OUT\n"
    "stays as it is.\n",
    {
        kDataDirOption,
        kLangOption,
        kStrictOption,
    },
    runConvert,
}};

} // namespace
