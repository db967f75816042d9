// The desktop program: start-up order, then the main window's event loop.

#include "CommandLine.h"
#include "ShellStyle.h"

#include "core/Cp1252.h"
#include "ui/AppContext.h"
#include "ui/DesktopInteraction.h"
#include "ui/DesktopServices.h"
#include "ui/MainWindow.h"
#include "ui/Resources.h"
#include "ui/StartUp.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

int main(int argc, char* argv[]) {
    if (int code = 0; zek::AnswerWithoutWindow(argc, argv, code))
        return code;
    QApplication qapp(argc, argv);
    QApplication::setStyle(new zek::ShellStyle);
    // Every form is set in Arial when it is translated; menus and messages are too, so that
    // the main window is laid out once and one font family is looked up before it shows.
    QFont arial = QApplication::font();
    arial.setFamily(QStringLiteral("Arial"));
    QApplication::setFont(arial);
    zek::SetApplicationIdentity(QStringLiteral(ZEK_VERSION));

    // --quit-when-shown ends the program as soon as its main window is on the screen (before
    // the printer check that follows it), so the start-up time can be measured from outside.
    // --grab FILE writes a picture of the main window into FILE and ends (documentation).
    bool quitWhenShown = false;
    QString grabFile;
    int grabPage = -1;
    QString projectFile;
    const QStringList args = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--quit-when-shown"))
            quitWhenShown = true;
        else if (arg == QLatin1String("--grab") && i + 1 < args.size())
            grabFile = args[++i];
        else if (arg == QLatin1String("--grab-page") && i + 1 < args.size())
            grabPage = args[++i].toInt();
        else if (!arg.startsWith(QLatin1String("--")) && projectFile.isEmpty())
            projectFile = arg;
    }

    // Settings and project start at their factory and new-project values here.
    zek::AppContext app(QCoreApplication::applicationDirPath());
    app.language.setModuleMessageHandler([](const QString& message) {
        QMessageBox box(QMessageBox::NoIcon, QString(), message, QMessageBox::Ok);
        box.exec();
    });

    QPointer<zek::TZEKAppForm> window;
    zek::ShellServices services;
    zek::DesktopInteraction ui(app.language, [&services](int number) {
        if (services.help)
            services.help(1, number);
    });
    services = zek::MakeDesktopServices(app, ui, [&window]() -> QWidget* { return window.data(); });

    if (!zek::PrepareStart(app, ui, services))
        return 1;
    zek::ForceDecimalComma();

    zek::TZEKAppForm form(app, ui, services);
    window = &form;
    ui.setParentWidget(&form);
    form.commands().setStartDirectory(zek::fromCp1252(app.settings.data().Optionen.Pfadangabe.str()));
    form.TranslateAll();
    form.show();
    // The printers are asked for once the window is on the screen: the events that show
    // it are queued by now, and a call queued from the first of them runs after them all.
    QTimer::singleShot(0, &form,
                       [&] { QTimer::singleShot(0, &form, [&] { zek::CheckPrinters(app, ui, services); }); });

    if (!projectFile.isEmpty())
        QTimer::singleShot(0, &form, [&form, projectFile] { form.commands().OpenGiven(projectFile); });
    if (!grabFile.isEmpty())
        QTimer::singleShot(300, &form, [&form, grabFile, grabPage] {
            if (grabPage >= 0)
                form.selectDataKindRow(grabPage);
            QApplication::processEvents();
            form.grab().save(grabFile);
            QApplication::exit(form.grab().isNull() ? 1 : 0);
        });
    if (quitWhenShown)
        QTimer::singleShot(0, &qapp, [&qapp] { qapp.exit(0); });
    return QApplication::exec();
}
