#include "Command.h"
#include "Common.h"
#include "PdfExport.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>

namespace zek::cli {

// Qt's own notes (a missing XDG_RUNTIME_DIR, a font replaced) mean nothing to the user of
// a command; only its failures are passed on.
static void qtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "zek-cli: %s\n", text.toUtf8().constData());
}

// Only a PDF makes a GUI application, which its library provides; every other command
// stays a console program that loads nothing of Qt GUI.
static std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, PdfExport& pdf) {
#ifdef ZEK_CLI_PDF
    if (PdfExport::asked(argc, argv) && pdf.load(argc, argv))
        return std::unique_ptr<QCoreApplication>(pdf.makeApplication(argc, argv));
#else
    Q_UNUSED(pdf);
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

static int run(QStringList args, const PdfExport& pdf) {
    if (args.isEmpty()) {
        std::fputs(programHelp().c_str(), stderr);
        return kExitUsage;
    }
    const QString first = args.takeFirst();
    // "help" alone, "--help": the commands; "help COMMAND": that command's help.
    const bool helpFor = first == "help" && !args.isEmpty() && !args.front().startsWith('-');
    if (first == "--help" || first == "-h" || (first == "help" && !helpFor)) {
        Invocation call(nullptr, args);
        call.write(programHelp());
        return call.finish(kExitOk);
    }
    if (first == "--version") {
        Invocation call(nullptr, args);
        call.write("zek-cli " ZEK_VERSION "\n");
        return call.finish(kExitOk);
    }
    const QString name = helpFor ? args.takeFirst() : first;
    const Command* command = findCommand(name);
    Invocation call(command, args);
    call.setPdfExport(&pdf);
    if (!command) {
        call.message(call.text(kTextUnknownCommand).arg(name));
        std::fputs(programHelp().c_str(), stderr);
        return kExitUsage;
    }
    if (helpFor || call.has("--help")) {
        call.write(commandHelp(*command));
        return call.finish(kExitOk);
    }
    if (const QString error = call.parseError(); !error.isEmpty())
        return call.usageError(error);
    return call.finish(command->run(call));
}

} // namespace zek::cli

int main(int argc, char** argv) {
    qInstallMessageHandler(zek::cli::qtMessages);
    // Declared first, so the library stays loaded until the application object is gone.
    zek::cli::PdfExport pdf;
    const auto application = zek::cli::makeApplication(argc, argv, pdf);
    return zek::cli::run(application->arguments().mid(1), pdf);
}
