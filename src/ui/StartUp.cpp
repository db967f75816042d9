#include "ui/StartUp.h"

#include "core/Cp1252.h"
#include "io/SettingsFile.h"
#include "ui/AppContext.h"
#include "ui/Interaction.h"
#include "ui/ShellServices.h"

#include <QDir>
#include <QLocale>

namespace zek {

namespace {
QString text(const AppContext& app, std::uint32_t number) {
    return fromCp1252(app.language.GetLangText(number)).replace("\r\n", "\n");
}

// A stored printer position the machine no longer has falls back to the default printer.
void checkPrinter(AppContext& app, UserInteraction& ui, std::int32_t& index, int printers,
                  std::uint32_t message) {
    if (printers - 1 < index) {
        ui.error(text(app, message));
        index = -1;
    }
}
} // namespace

bool LoadLanguageAndDevices(AppContext& app, UserInteraction& ui, bool programEnds) {
    QString error;
    if (!app.language.LoadLanguage(app.programDir(), app.languageCode(), &error)) {
        ui.error(error);
        return false;
    }
    if (app.language.lineCount() == 0) {
        app.language.ReportEmptyTable();
        return false;
    }
    if (!app.devices.LiesTypDatei(app.typPath(app.languageCode()))) {
        // When the program goes on, the message names the file instead of the end.
        const QString typ = QDir::toNativeSeparators(app.typPath(app.languageCode()));
        ui.error(text(app, 1004033) + "\n" + (programEnds ? text(app, 1004036) : typ));
        return false;
    }
    app.qtTexts.follow(app.languageCode());
    return true;
}

bool PrepareStart(AppContext& app, UserInteraction& ui, const ShellServices& services) {
    app.projectOpen = false;
    app.settings.ResetSettings();
    // ZEK.INI, or on a fresh installation the defaults of ZEK.DEF.
    ReadSettings(app.settings, settingsStartPath(app.programDir()));

    // A code none of the three languages has (only a hand-edited file holds one) is
    // asked for again, as on the first start.
    const std::string code = app.languageCode();
    if (code != "zkdeu" && code != "zkeng" && code != "zkfra")
        app.settings.data().Optionen.Sprache.clear();
    if (app.settings.data().Optionen.Sprache.empty() && services.editOptions)
        services.editOptions(true);

    return LoadLanguageAndDevices(app, ui);
}

void CheckPrinters(AppContext& app, UserInteraction& ui, const ShellServices& services) {
    const int printers = services.printerCount ? services.printerCount() : 0;
    checkPrinter(app, ui, app.settings.data().Drucker.Index, printers, 1005098);
    checkPrinter(app, ui, app.settings.data().Fax.Index, printers, 1005099);
    if (services.selectPrinter)
        services.selectPrinter(app.settings.data().Drucker.Index);
}

void ForceDecimalComma() {
    // German number formatting has exactly the comma and the thousands point.
    QLocale numbers(QLocale::German, QLocale::Germany);
    numbers.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(numbers);
}

} // namespace zek
