#pragma once

#include "core/Cp1252.h"
#include "ui/AppContext.h"
#include "ui/FormContext.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"
#include "ui/ScriptedInteraction.h"
#include "ui/ShellServices.h"
#include "ui/StartUp.h"
#include "ui/base/LanguageForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <memory>

namespace zek::test {

// A page with one number field bound to the mains voltage, so that switching, storing
// and reloading can be watched without the real dialogs.
class FakePage : public TMDIChild {
    Q_OBJECT
public:
    FakePage(FormContext& context, int dataKind, int& stores, QWidget* parent)
        : TMDIChild(context, 20000 + dataKind, parent), kind(dataKind), m_stores(stores) {
        setObjectName(QStringLiteral("FakePage%1").arg(dataKind));
        makePage();
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("SpannungEdit"));
        contentLayout()->addWidget(edit);
        CreateButtonPanel(this, dataKind == 0 ? 7 : 15);
        LoadData();
    }
    void LoadData() override { edit->setText(QString::number(context().project.data().Anschluss.Spannung)); }
    void StoreData() override {
        context().project.data().Anschluss.Spannung = static_cast<u16>(edit->text().toUInt());
        ++m_stores;
    }
    void chooseLossMode(int mode) {
        context().project.data().Verlustleistung.Bekannt = static_cast<u16>(mode);
        emit lossModeChanged(mode);
    }

    const int kind;
    QLineEdit* edit;

private:
    int& m_stores;
};

// Restores the default locale that the start-up changes for the whole program.
struct LocaleGuard {
    QLocale saved;
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

// A program folder with the shipped texts and device tables, the settings of the test,
// a scripted user and a main window over it.
struct Shell {
    QTemporaryDir dir;
    std::unique_ptr<AppContext> app;
    ScriptedInteraction ui;
    ShellServices services;
    std::unique_ptr<FormContext> form;
    std::unique_ptr<TZEKAppForm> window;
    int stores = 0;
    int resultBuilds = 0;
    int faxBuilds = 0;
    int optionsRuns = 0;
    QString optionsChoice = QStringLiteral("zkeng");
    std::vector<std::pair<int, int>> helpRequests;
    LocaleGuard locale;

    explicit Shell(const QString& language = QStringLiteral("zkdeu")) {
        InitShellResources();
        const QDir bin(qEnvironmentVariable("ZEK_BIN_DIR"));
        for (const QString& name : bin.entryList({"Xalto.zip", "*.TYP", "*132.spl"}, QDir::Files))
            QFile::copy(bin.filePath(name), QDir(dir.path()).filePath(name));
        if (!language.isEmpty())
            writeFile("ZEK.INI", "[Optionen]\r\nSprache=" + language.toLatin1() + "\r\n");
        app = std::make_unique<AppContext>(dir.path());
        form = std::make_unique<FormContext>(FormContext{app->project, app->settings, app->language, ui,
                                                         [this](int n) { helpRequests.emplace_back(1, n); }});
        services.createPage = [this](int kind, QWidget* parent) -> TMDIChild* {
            return new FakePage(*form, kind, stores, parent);
        };
        services.buildReport = [this](bool fax,
                                      bool cancelAllowed) -> std::optional<std::vector<std::string>> {
            ++(fax ? faxBuilds : resultBuilds);
            cancelOffered.push_back(cancelAllowed);
            if (cancelAllowed && cancelSelection)
                return std::nullopt;
            return std::vector<std::string>{"title", fax ? "inquiry" : "report"};
        };
        services.print = [this](const std::vector<std::string>& lines, bool) {
            printed.push_back(lines.back());
        };
        services.createResultView = [](const std::vector<std::string>& lines, bool, QWidget* parent) {
            auto* view = new QPlainTextEdit(fromCp1252(lines.back()), parent);
            view->setObjectName(QStringLiteral("ResultView"));
            return view;
        };
        services.editOptions = [this](bool firstStart) {
            ++optionsRuns;
            optionsFirstStart = firstStart;
            app->settings.data().Optionen.Sprache = optionsChoice.toStdString();
        };
        services.help = [this](int command, int data) { helpRequests.emplace_back(command, data); };
        services.printerCount = [this] { return printers; };
    }
    ~Shell() {
        // Leave without the close questions: the window goes before the records.
        window.reset();
    }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(QDir(dir.path()).filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    bool start() {
        if (!PrepareStart(*app, ui, services))
            return false;
        ForceDecimalComma();
        window = std::make_unique<TZEKAppForm>(*app, ui, services);
        window->TranslateAll();
        window->show();
        return true;
    }
    QString text(std::uint32_t n) const { return fromCp1252(app->language.GetLangText(n)); }
    template <class T = QAction> T* find(const char* name) const { return window->findChild<T*>(name); }
    FakePage* page() const { return qobject_cast<FakePage*>(window->currentDialog()); }
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    int printers = 0;
    std::vector<bool> cancelOffered; // per report built: could the selection be cancelled
    bool cancelSelection = false;    // the user cancels the selection where allowed
    std::vector<std::string> printed;
    bool optionsFirstStart = false;
};

} // namespace zek::test
