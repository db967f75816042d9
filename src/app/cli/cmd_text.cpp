// zek-cli text NUMBER: prints one language text, so the shipped texts can be checked
// without the desktop program.
#include "Command.h"
#include "Common.h"

#include "core/Cp1252.h"

namespace {

using namespace zek::cli;

int runText(Invocation& call) {
    bool ok = call.files().size() == 1;
    const qulonglong value = ok ? call.files().front().toULongLong(&ok) : 0;
    if (!ok || value > 999'999'999u)
        return call.usageError(call.text(kTextOneTextNumber));
    if (const int rc = call.loadData(false); rc != kExitOk)
        return rc;
    const auto number = static_cast<std::uint32_t>(value);
    const zek::Language& language = call.language();
    // The module answers below 70000 and has no empty texts; the table may hold empty ones.
    std::optional<std::string> text = language.findText(number);
    if (number < zek::Language::kFirstTableNumber) {
        text = language.GetLangText(number);
        if (text->empty())
            text.reset();
    }
    if (!text) {
        call.message(
            call.text(kTextNoSuchText).arg(QString::number(value), QString::fromStdString(call.code())));
        return kExitNoData;
    }
    call.write((zek::fromCp1252(*text).replace("\r\n", "\n") + "\n").toUtf8().toStdString());
    return kExitOk;
}

const CommandRegistration reg{{
    "text",
    "print a language text by number",
    "NUMBER",
    "Prints the language text of NUMBER in the language of the run, read from the data\n"
    "folder. Numbers below 70000 come from the language module.\n",
    {kDataDirOption, kLangOption},
    runText,
}};

} // namespace
