#include "ui/DesktopServices.h"

#include "core/Cp1252.h"
#include "i18n/Help.h"
#include "report/Diagramm.h"
#include "report/Report.h"
#include "report/Selection.h"
#include "report/ZekCollection.h"
#include "report/chart/DiagrammDateien.h"
#include "ui/AppContext.h"
#include "ui/FormContext.h"
#include "ui/Interaction.h"
#include "ui/help/HelpViewer.h"
#include "ui/pages/DefaultsDialogs.h"
#include "ui/pages/OptionsDialogs.h"
#include "ui/pages/PageFactory.h"
#include "ui/pages/SelectionDialog.h"
#include "ui/result/DiagrammDlg.h"
#include "ui/result/ErgebnisDlg.h"
#include "ui/result/PrinterSystem.h"
#include "ui/result/ResultCommands.h"

#include <QApplication>
#include <QDate>
#include <QPointer>
#include <memory>

namespace zek {

namespace {

// What the services keep between calls: the context handed to forms, the printers and
// the one help window.
struct DesktopState {
    std::unique_ptr<FormContext> form;
    SystemPrinters printers;
    QPointer<HelpViewer> helpViewer;
};

Datum heute() {
    const QDate today = QDate::currentDate();
    return {today.day(), today.month(), today.year()};
}

// The diagrams of the project as a printed page shows them: the devices of the stored
// selection, the texts of the language shown, the project's title lines with today's date.
void mitDiagrammseite(const AppContext& app, const std::function<void(const Diagrammseite&)>& use) {
    const Diagramme diagramme = ErstelleDiagramme(app.project.data(), app.devices);
    const DiagrammTexte texte = LadeDiagrammTexte(app.language);
    use({diagramme, texte,
         DiagrammTitelzeilen(app.project.data(), app.language, app.projectFileName, heute())});
}

// The device selection dialog asks which of the candidates found go into the report; it
// offers its cancel button only when the report is built for printing.
std::optional<std::vector<std::string>> buildReport(AppContext& app, FormContext& form, QWidget* parent,
                                                    bool fax, bool cancelAllowed) {
    DialogDeviceSelector selector(form, parent);
    ReportContext ctx{app.project.data(), app.settings.data(),           app.language, app.devices,
                      selector,           toCp1252(app.projectFileName), heute()};
    TZEKCollection lines;
    bool abbruch = cancelAllowed;
    if (fax)
        lines.ErstelleAnfrage(ctx, abbruch);
    else
        lines.ErstelleErgebnis(ctx, abbruch);
    if (abbruch)
        return std::nullopt;
    return lines.lines();
}

} // namespace

ShellServices MakeDesktopServices(AppContext& app, UserInteraction& ui, std::function<QWidget*()> window) {
    auto state = std::make_shared<DesktopState>();
    ShellServices s;
    // The form context in the state holds this help; a weak reference keeps the two
    // from holding each other alive.
    const std::weak_ptr<DesktopState> weakState = state;
    s.help = [&app, window, weakState](int command, int data) {
        const AppHelpHandler handler(
            app.programDir(), app.settings, [&app, window, weakState](const HelpRequest& r) {
                const auto shared = weakState.lock();
                if (!shared)
                    return;
                if (!shared->helpViewer) {
                    shared->helpViewer = new HelpViewer(&app.language, window());
                    shared->helpViewer->setWindowFlag(Qt::Window);
                    shared->helpViewer->setAttribute(Qt::WA_DeleteOnClose);
                    shared->helpViewer->resize(640, 520);
                }
                // Help asked for from a modal dialog must be usable
                // beside it; otherwise the help window is modeless.
                QWidget* modal = QApplication::activeModalWidget();
                const bool overModal = modal && modal != shared->helpViewer;
                HelpViewer* viewer = shared->helpViewer;
                if (overModal != (viewer->windowModality() == Qt::ApplicationModal)) {
                    viewer->hide();
                    viewer->setWindowModality(overModal ? Qt::ApplicationModal : Qt::NonModal);
                }
                viewer->showRequest(r);
            });
        handler(command, static_cast<std::uint32_t>(data));
    };
    auto help = s.help;
    state->form = std::make_unique<FormContext>(
        FormContext{app.project, app.settings, app.language, ui, [help](int number) { help(1, number); }});

    s.createPage = [state](int kind, QWidget* parent) { return CreatePage(kind, *state->form, parent); };
    s.buildReport = [&app, state, window](bool fax, bool cancelAllowed) {
        return buildReport(app, *state->form, window(), fax, cancelAllowed);
    };
    s.createResultView = [state](const std::vector<std::string>& lines, bool, QWidget* parent) -> QWidget* {
        return CreateErgebnisView(*state->form, lines, parent);
    };
    s.print = [&app, &ui, state](const std::vector<std::string>& lines, bool fax) {
        const PrinterBlock& block = fax ? app.settings.data().Fax : app.settings.data().Drucker;
        DruckeZeilen(lines, block, app.projectFileName, state->printers, ui, app.language);
    };
    s.savePdf = [&app, &ui](const std::vector<std::string>& lines, bool fax) {
        const PrinterBlock& block = fax ? app.settings.data().Fax : app.settings.data().Drucker;
        SpeichereAlsPdf(lines, block, app.projectFileName, ui, app.language);
    };
    s.createDiagramView = [&app, state](QWidget* parent) -> QWidget* {
        return new TDiagrammDlg(*state->form, ErstelleDiagramme(app.project.data(), app.devices), parent);
    };
    s.printDiagram = [&app, &ui, state] {
        mitDiagrammseite(app, [&](const Diagrammseite& seite) {
            DruckeDiagramm(seite, app.settings.data().Drucker, app.projectFileName, state->printers, ui,
                           app.language);
        });
    };
    s.saveDiagramPdf = [&app, &ui] {
        mitDiagrammseite(app, [&](const Diagrammseite& seite) {
            SpeichereDiagrammAlsPdf(seite, app.settings.data().Drucker, app.projectFileName, ui,
                                    app.language);
        });
    };
    s.editOptions = [state, window](bool firstStart) { EditOptions(*state->form, window(), firstStart); };
    s.runDialog = [&app, state, window](const QString& which) {
        FormContext& form = *state->form;
        if (which == QLatin1String("cabinet"))
            EditDefaultCabinet(form, window());
        else if (which == QLatin1String("simultaneity"))
            EditDefaultSimultaneity(form, window());
        else if (which == QLatin1String("address"))
            EditFirmAddress(form, window());
        else if (which == QLatin1String("printer"))
            ZeigeDruckerDlg(form, state->printers, window());
        else if (which == QLatin1String("about"))
            ShowAbout(app.settings.data(), window());
    };
    s.languageChanged = [state] {
        if (state->helpViewer)
            state->helpViewer->retranslate();
    };
    s.printerCount = [state] { return static_cast<int>(state->printers.printerNames().size()); };
    s.selectPrinter = [state](int index) { state->printers.setCurrentIndex(index); };
    return s;
}

} // namespace zek
