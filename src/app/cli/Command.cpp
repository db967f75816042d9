#include "Command.h"

#include <algorithm>

namespace zek::cli {

const Option kDataDirOption{"--data-dir", "DIR",
                            "folder of the settings, language texts and device tables\n"
                            "(default: the folder of zek-cli)"};
const Option kLangOption{"--lang", "CODE",
                         "language of the device table and of the messages: zkdeu, zkeng\n"
                         "or zkfra, in any letter case (default: the language of the\n"
                         "settings, else zkdeu)"};
const Option kStrictOption{"--strict", nullptr,
                           "a stored value that no page of the program accepts is an error\n"
                           "(exit code 1), not only a warning"};
const Option kEncodingOption{"--encoding", "E", "utf-8 (default) or cp1252"};

namespace {

std::vector<Command>& registry() {
    static std::vector<Command> all;
    return all;
}

const char* const kExitCodes = "exit codes:\n"
                               "  0  done\n"
                               "  1  an input could not be read or an output not written; with --strict\n"
                               "     also a stored value that no page of the program accepts\n"
                               "  2  wrong use: an unknown command or option, a missing or surplus\n"
                               "     argument, a value of the wrong form, a language not installed\n"
                               "  3  program data missing: the language texts, a text asked for or the\n"
                               "     device table\n";

std::string optionName(const Option& option) {
    return option.value ? std::string(option.name) + " " + option.value : std::string(option.name);
}

// "  NAME VALUE    help", continuation lines of the help indented under its first line.
std::string optionLine(const std::string& name, const char* help) {
    constexpr std::size_t kColumn = 22;
    std::string out = "  " + name;
    out.append(out.size() < kColumn ? kColumn - out.size() : 1, ' ');
    for (const char* c = help; *c; ++c) {
        out += *c;
        if (*c == '\n')
            out.append(kColumn, ' ');
    }
    return out + "\n";
}

} // namespace

void registerCommand(Command command) {
    registry().push_back(std::move(command));
}

const std::vector<Command>& commands() {
    auto& all = registry();
    std::sort(all.begin(), all.end(),
              [](const Command& a, const Command& b) { return qstrcmp(a.name, b.name) < 0; });
    return all;
}

const Command* findCommand(const QString& name) {
    for (const Command& c : commands())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

std::string usageLine(const Command& command) {
    std::string line = std::string("zek-cli ") + command.name + " " + command.operands;
    for (const Option& o : command.options)
        line += " [" + optionName(o) + "]";
    return line;
}

std::string commandHelp(const Command& command) {
    std::string out = "usage: " + usageLine(command) + "\n\n" + command.description + "\noptions:\n";
    for (const Option& o : command.options)
        out += optionLine(optionName(o), o.help);
    out += optionLine("-h, --help", "print this help and end");
    return out + "\n" + kExitCodes;
}

std::string programHelp() {
    std::string out = "usage: zek-cli COMMAND [ARGS...]\n\ncommands:\n";
    for (const Command& c : commands())
        out += optionLine(c.name, c.summary);
    out += optionLine("help COMMAND", "describe a command, as 'zek-cli COMMAND --help' does");
    out += "\noptions:\n" + optionLine("-h, --help", "print this help and end") +
           optionLine("--version", "print the version of zek-cli and end");
    return out + "\n" + kExitCodes;
}

} // namespace zek::cli
