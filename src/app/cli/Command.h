#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace zek::cli {

// Exit codes of zek-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInput = 1;  // an input file could not be read or an output not written
inline constexpr int kExitUsage = 2;  // wrong call
inline constexpr int kExitNoData = 3; // language texts or device table missing

class Invocation;

// "--name VALUE" (or "--name=VALUE"), or a flag without a value.
struct Option {
    const char* name;
    const char* value; // the value's name in the help, nullptr for a flag
    const char* help;
};

// Options that several commands share.
extern const Option kDataDirOption;
extern const Option kLangOption;
extern const Option kStrictOption;
extern const Option kEncodingOption;

struct Command {
    const char* name;
    const char* summary;
    const char* operands;    // as the usage line shows them: "PROJECT", "IN OUT.Z20"
    const char* description; // the paragraph of the help, lines ending in "\n"
    std::vector<Option> options;
    // Runs the command on its parsed arguments; returns the exit code.
    std::function<int(Invocation&)> run;
};

// Each command file registers itself with a static CommandRegistration.
void registerCommand(Command command);
const std::vector<Command>& commands();
const Command* findCommand(const QString& name);

// "zek-cli NAME OPERANDS [--option VALUE]..." with every option of the command.
std::string usageLine(const Command& command);
// The usage line, the description, every option and the exit codes.
std::string commandHelp(const Command& command);
// The commands with their summaries and the exit codes.
std::string programHelp();

struct CommandRegistration {
    explicit CommandRegistration(Command command) { registerCommand(std::move(command)); }
};

} // namespace zek::cli
