#include "Command.h"
#include "Common.h"

#include <QCoreApplication>
#include <cstdio>
#include <memory>
#ifdef ZEK_CLI_PDF
#include <QGuiApplication>
#endif

namespace zek::cli {

// Qt's own notes (a missing XDG_RUNTIME_DIR, a font replaced) mean nothing to the user of
// a command; only its failures are passed on.
static void qtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "zek-cli: %s\n", text.toUtf8().constData());
}

// Drawing a PDF needs fonts and so a GUI application; the offscreen platform keeps
// zek-cli free of any display. Every other command stays a console program.
static std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
#ifdef ZEK_CLI_PDF
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--pdf") == 0 || qstrncmp(argv[i], "--pdf=", 6) == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

static int run(QStringList args) {
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
    const auto application = zek::cli::makeApplication(argc, argv);
    return zek::cli::run(application->arguments().mid(1));
}
