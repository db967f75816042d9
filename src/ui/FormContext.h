#pragma once

#include <functional>

namespace zek {

class Project;
class Settings;
class Language;
class UserInteraction;

// What a page or dialog may reach: the records it edits, the texts of the current
// language, the question and error boxes, and the help.
struct FormContext {
    Project& project;
    Settings& settings;
    Language& language;
    UserInteraction& interaction;
    // Asks for help on a context number; empty where no help is wired (tests).
    std::function<void(int helpContext)> help;
};

} // namespace zek
