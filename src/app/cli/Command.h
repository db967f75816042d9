#pragma once

#include <QStringList>
#include <functional>

namespace zek::cli {

// Exit codes of zek-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInput = 1;  // an input file could not be read or an output not written
inline constexpr int kExitUsage = 2;  // wrong call
inline constexpr int kExitNoData = 3; // language texts or device table missing

struct Command {
    const char* name;
    const char* summary;
    // Arguments after the command name; returns the exit code.
    std::function<int(const QStringList& args)> run;
};

// Each command file registers itself with a static CommandRegistration.
void registerCommand(Command command);
const std::vector<Command>& commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command) { registerCommand(std::move(command)); }
};

} // namespace zek::cli
