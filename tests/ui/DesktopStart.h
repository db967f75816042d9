#pragma once

#include "PageFixture.h"
#include "core/Cp1252.h"
#include "ui/AppContext.h"
#include "ui/DesktopServices.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"
#include "ui/ShellServices.h"
#include "ui/StartUp.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>

namespace zek::test {

// The start of the desktop program as its main() runs it, on the context and services of
// a test; null when the start ends the program.
inline std::unique_ptr<TZEKAppForm> StartDesktop(AppContext& app, UserInteraction& ui,
                                                 const ShellServices& services) {
    if (!PrepareStart(app, ui, services))
        return nullptr;
    ForceDecimalComma();
    auto window = std::make_unique<TZEKAppForm>(app, ui, services);
    window->TranslateAll();
    window->show();
    CheckPrinters(app, ui, services);
    return window;
}

// A program folder of the test's own with the built texts, language modules and device
// tables, settings in the language given (none: the first start), a scripted user and the
// desktop program over them.
struct TestDesktop {
    LocaleGuard locale;
    QTemporaryDir dir;
    ScriptedInteraction ui;
    std::unique_ptr<AppContext> app;
    std::unique_ptr<TZEKAppForm> window;

    explicit TestDesktop(const QString& language = QStringLiteral("zkdeu")) {
        InitShellResources();
        const QDir bin(qEnvironmentVariable("ZEK_BIN_DIR"));
        for (const QString& name : bin.entryList({"Xalto.zip", "*.TYP", "*132.spl"}, QDir::Files))
            QFile::copy(bin.filePath(name), path(name));
        if (!language.isEmpty())
            writeFile("ZEK.INI", "[Optionen]\r\nSprache=" + language.toLatin1() + "\r\n");
    }
    ~TestDesktop() { window.reset(); } // no close questions: the window goes before the records

    // The records of the program, read from the folder as it stands.
    AppContext& load() { return *(app = std::make_unique<AppContext>(dir.path())); }
    ShellServices desktopServices() {
        return MakeDesktopServices(*app, ui, [this] { return window.get(); });
    }
    bool start(const ShellServices& services) {
        window = StartDesktop(*app, ui, services);
        return window != nullptr;
    }

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString text(std::uint32_t n) const { return fromCp1252(app->language.GetLangText(n)); }
    template <class T = QAction> T* find(const char* name) const { return window->findChild<T*>(name); }
    void trigger(const char* action) const { find(action)->trigger(); }
    QListWidget* list() const { return window->dataKindList(); }
    // A click on a row of the data-kind list, as a user makes it.
    void clickRow(int row) const {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
    }
};

} // namespace zek::test
