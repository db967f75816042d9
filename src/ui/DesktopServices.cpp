#include "ui/DesktopServices.h"

#include "core/Cp1252.h"
#include "i18n/Help.h"
#include "report/Report.h"
#include "report/Selection.h"
#include "report/ZekCollection.h"
#include "report/print/Drucke.h"
#include "ui/AppContext.h"
#include "ui/Interaction.h"
#include "ui/help/HelpViewer.h"

#include <QButtonGroup>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFont>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

namespace zek {

namespace {

QString lang(const AppContext& app, std::uint32_t number) {
    return fromCp1252(app.language.GetLangText(number)).replace("\r\n", "\n");
}

struct DesktopState {
    QPointer<HelpViewer> helpViewer;
};

std::optional<std::vector<std::string>> buildReport(AppContext& app, UserInteraction& ui, bool fax,
                                                    bool cancelAllowed) {
    StoredTicksSelector selector([&](std::uint32_t number) { ui.error(lang(app, number)); });
    const QDate today = QDate::currentDate();
    ReportContext ctx{app.project.data(),
                      app.settings.data(),
                      app.language,
                      app.devices,
                      selector,
                      toCp1252(app.projectFileName),
                      Datum{today.day(), today.month(), today.year()}};
    (void)cancelAllowed;
    TZEKCollection lines;
    bool abbruch = false;
    if (fax)
        lines.ErstelleAnfrage(ctx, abbruch);
    else
        lines.ErstelleErgebnis(ctx, abbruch);
    if (abbruch)
        return std::nullopt;
    return lines.lines();
}

// The read-only view of a report: fixed-pitch text, the first line (title or sender)
// printed but not shown.
QWidget* resultView(const std::vector<std::string>& lines, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName("ErgebnisMemo");
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(13);
    memo->setFont(courier);
    memo->setVisible(false);
    QStringList shown;
    for (std::size_t i = 1; i < lines.size(); ++i)
        shown << fromCp1252(lines[i]);
    memo->setPlainText(shown.join('\n'));
    return memo;
}

void printLines(AppContext& app, UserInteraction& ui, const std::vector<std::string>& lines, bool fax) {
    const PrinterBlock& block = fax ? app.settings.data().Fax : app.settings.data().Drucker;
    const QString title = DruckJobTitel(app.projectFileName);
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty()) {
        // No printer installed: the lines go into a PDF file the user names.
        const QString pdf = ui.saveFileName(title, QString(), {QStringLiteral("PDF|*.pdf")}, QString());
        if (pdf.isEmpty())
            return;
        const DruckErgebnis r = DruckePdf(lines, block, title, pdf, app.language);
        if (!r.ok)
            ui.error(r.fehler);
        return;
    }
    const bool known = block.Index >= 0 && block.Index < printers.size();
    QPrinter printer(known ? printers.at(block.Index) : QPrinterInfo::defaultPrinter(),
                     QPrinter::HighResolution);
    printer.setDocName(title);
    const DruckErgebnis r = Drucke(lines, block, title, printer, app.language);
    if (!r.ok)
        ui.error(r.fehler);
}

// Until a language is chosen nothing can be read in the user's language: the choice is
// offered in all three.
void editOptions(AppContext& app, bool firstStart, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("GOptionenDlg");
    dialog.setWindowTitle(QStringLiteral("Grundeinstellung Optionen"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* group = new QButtonGroup(&dialog);
    const char* codes[] = {"zkdeu", "zkeng", "zkfra"};
    const char* names[] = {"&Deutsch", "&English", "&Français"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(names[i]), &dialog);
        group->addButton(radio, i);
        layout->addWidget(radio);
        if (app.languageCode() == codes[i] || (i == 0 && app.languageCode().empty()))
            radio->setChecked(true);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbruch"));
    buttons->button(QDialogButtonBox::Cancel)->setEnabled(!firstStart);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() == QDialog::Accepted || firstStart)
        app.settings.data().Optionen.Sprache = codes[std::max(0, group->checkedId())];
}

void about(AppContext& app, QWidget* parent) {
    QStringList lines;
    for (const auto& line : app.settings.data().Copyright)
        lines << fromCp1252(line.str());
    QMessageBox::about(parent, QStringLiteral("Programminformationen"),
                       QStringLiteral("<b>ZEK 2.2</b><br><br>Copyright<br>") + lines.join("<br>"));
}

} // namespace

ShellServices MakeDesktopServices(AppContext& app, UserInteraction& ui, std::function<QWidget*()> window) {
    auto state = std::make_shared<DesktopState>();
    ShellServices s;
    s.createPage = [](int, QWidget*) -> TMDIChild* { return nullptr; };
    s.buildReport = [&app, &ui](bool fax, bool cancelAllowed) {
        return buildReport(app, ui, fax, cancelAllowed);
    };
    s.createResultView = [](const std::vector<std::string>& lines, bool, QWidget* parent) {
        QWidget* view = resultView(lines, parent);
        view->setVisible(true);
        return view;
    };
    s.print = [&app, &ui](const std::vector<std::string>& lines, bool fax) {
        printLines(app, ui, lines, fax);
    };
    s.editOptions = [&app, window](bool firstStart) { editOptions(app, firstStart, window()); };
    s.runDialog = [&app, window](const QString& which) {
        if (which == QLatin1String("about"))
            about(app, window());
    };
    s.help = [&app, window, state](int command, int data) {
        const AppHelpHandler handler(app.programDir(), app.settings,
                                     [&app, window, state](const HelpRequest& r) {
                                         if (!state->helpViewer) {
                                             state->helpViewer = new HelpViewer(&app.language, window());
                                             state->helpViewer->setWindowFlag(Qt::Window);
                                             state->helpViewer->setAttribute(Qt::WA_DeleteOnClose);
                                         }
                                         state->helpViewer->showRequest(r);
                                     });
        handler(command, static_cast<std::uint32_t>(data));
    };
    s.printerCount = [] { return static_cast<int>(QPrinterInfo::availablePrinterNames().size()); };
    return s;
}

} // namespace zek
