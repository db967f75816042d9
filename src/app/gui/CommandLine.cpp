#include "CommandLine.h"

#include <cstdio>
#include <cstring>

namespace zek {

const char* const kDesktopHelp =
    "usage: zek [PROJECT] [--grab FILE] [--grab-page N] [--quit-when-shown]\n"
    "\n"
    "Starts the desktop program for the thermal design of electrical control cabinets.\n"
    "PROJECT, a .Z20 project file or a version 1.1 .ZEK file (which is imported), is\n"
    "opened at once.\n"
    "\n"
    "options:\n"
    "  --grab FILE         write a picture of the main window into FILE (PNG) and end\n"
    "  --grab-page N       show the data kind in row N of the list (0 the first) before\n"
    "                      the picture is taken\n"
    "  --quit-when-shown   end as soon as the main window is shown\n"
    "  -h, --help          print this help and end\n"
    "  --version           print the version of zek and end\n";

bool AnswerWithoutWindow(int argc, char** argv, int& exitCode) {
    const char* answer = nullptr;
    for (int i = 1; i < argc && !answer; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            answer = kDesktopHelp;
        else if (std::strcmp(argv[i], "--version") == 0)
            answer = "zek " ZEK_VERSION "\n";
    }
    if (!answer)
        return false;
    const bool written = std::fputs(answer, stdout) >= 0 && std::fflush(stdout) == 0;
    if (!written)
        std::fputs("zek: the output could not be written\n", stderr);
    exitCode = written ? 0 : 1;
    return true;
}

} // namespace zek
