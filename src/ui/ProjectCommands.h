#pragma once

#include <QString>
#include <cstdint>

namespace zek {

class AppContext;
class UserInteraction;

// The parts of the main window that the project commands change.
class ProjectHost {
public:
    virtual ~ProjectHost() = default;
    // The page shown, if any, writes its fields into the project record.
    virtual void storeCurrentPage() = 0;
    // The page or view shown is released; none is shown afterwards.
    virtual void releaseCurrentPage() = 0;
    virtual void fillDataKindList(bool hideComponents) = 0;
    virtual void clearListSelection() = 0;
    virtual void setStatusText(const QString& text) = 0;
    // The data-entry state: list shown with nothing selected, project buttons and menus
    // enabled, result views closed over, a project open.
    virtual void enterDataEntry() = 0;
};

// New, Open, Save, Save as, Delete, Import and the close query.
class ProjectCommands {
public:
    ProjectCommands(AppContext& app, UserInteraction& ui, ProjectHost& host);

    // Where the file dialogs start: the project folder of the settings at start-up.
    void setStartDirectory(const QString& dir) { m_startDirectory = dir; }

    void New();
    // Open and Import ask for the file unless one is given.
    void Open(const QString& fileName = {});
    void Save() { SaveProject(); }
    void SaveAs() { SaveProjectAs(); }
    void Delete();
    void Import(const QString& fileName = {});
    // A file named on the command line: a ".ZEK" is imported, anything else opened.
    void OpenGiven(const QString& fileName);
    // The project question, then the settings question; false keeps the program running.
    bool CloseQuery();

    // ok on return; askUnchanged also asks before replacing an unchanged project.
    bool QuerySaveProject(bool askUnchanged);
    bool SaveProject();
    bool SaveProjectAs();
    bool OpenProjectFile(const QString& fileName = {});
    bool ImportProjectFile(const QString& fileName = {});

    // The open project came from a version 1.1 file: Save asks for a new name.
    bool namedAfterLegacyFile() const { return m_legacyName; }

private:
    // Asks about a modified project, releases the page shown and starts from a new
    // project record; false when the user cancelled.
    bool ReplaceProject(bool askUnchanged);
    QString text(std::uint32_t number) const;
    // Writes the project; a file that could not take the place of the old one is named
    // with the given text.
    bool writeProject(const QString& name, std::uint32_t replaceFailedText);
    // An error text, empty when the file was read.
    QString readProject(const QString& name);

    AppContext& m_app;
    UserInteraction& m_ui;
    ProjectHost& m_host;
    QString m_startDirectory;
    bool m_legacyName = false;
};

// Text numbers of messages of the project commands that have no number of their own
// in the text table's older ranges.
inline constexpr std::uint32_t kTextDeleteFailed = 1004040;
inline constexpr std::uint32_t kTextSaveDialogTitle = 1004013;

// Appends the default extension when the name has none ("plan" -> "plan.Z20").
QString withDefaultExtension(const QString& fileName, const QString& extension);

} // namespace zek
