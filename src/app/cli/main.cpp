#include "Command.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace zek::cli {

static std::vector<Command>& registry() {
    static std::vector<Command> all;
    return all;
}

void registerCommand(Command command) { registry().push_back(std::move(command)); }

const std::vector<Command>& commands() {
    auto& all = registry();
    std::sort(all.begin(), all.end(), [](const Command& a, const Command& b) { return qstrcmp(a.name, b.name) < 0; });
    return all;
}

static void printUsage(std::FILE* out) {
    std::fprintf(out, "usage: zek-cli COMMAND [ARGS...]\n\ncommands:\n");
    for (const Command& c : commands())
        std::fprintf(out, "  %-14s %s\n", c.name, c.summary);
    std::fprintf(out, "\n'zek-cli COMMAND --help' describes a command.\n");
}

} // namespace zek::cli

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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
