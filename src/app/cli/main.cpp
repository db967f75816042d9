#include "Command.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <memory>
#ifdef ZEK_CLI_PDF
#include <QGuiApplication>
#endif

namespace zek::cli {

static std::vector<Command>& registry() {
    static std::vector<Command> all;
    return all;
}

void registerCommand(Command command) {
    registry().push_back(std::move(command));
}

const std::vector<Command>& commands() {
    auto& all = registry();
    std::sort(all.begin(), all.end(),
              [](const Command& a, const Command& b) { return qstrcmp(a.name, b.name) < 0; });
    return all;
}

static void printUsage(std::FILE* out) {
    std::fprintf(out, "usage: zek-cli COMMAND [ARGS...]\n\ncommands:\n");
    for (const Command& c : commands())
        std::fprintf(out, "  %-14s %s\n", c.name, c.summary);
    std::fprintf(out, "\n'zek-cli COMMAND --help' describes a command.\n");
}

// Drawing a PDF needs fonts and so a GUI application; the offscreen platform keeps
// zek-cli free of any display. Every other command stays a console program.
static std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
#ifdef ZEK_CLI_PDF
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--pdf") == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace zek::cli

int main(int argc, char** argv) {
    const auto application = zek::cli::makeApplication(argc, argv);
    QCoreApplication& app = *application;
    using namespace zek::cli;
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printUsage(stderr);
        return kExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(stdout);
        return kExitOk;
    }
    for (const Command& c : commands())
        if (name == QLatin1String(c.name))
            return c.run(args);
    std::fprintf(stderr, "zek-cli: unknown command '%s'\n", qPrintable(name));
    printUsage(stderr);
    return kExitUsage;
}
