#include "ui/ProjectCommands.h"

#include "core/Cp1252.h"
#include "io/IoTexts.h"
#include "io/LegacyImport.h"
#include "io/OpenProject.h"
#include "io/ProjectFile.h"
#include "io/SettingsFile.h"
#include "ui/AppContext.h"
#include "ui/DoubtfulValues.h"
#include "ui/Interaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zek {

namespace {
const QString kZ20Filter = QStringLiteral("ZEK 2.0|*.Z20");
const QString kZekFilter = QStringLiteral("ZEK 1.1|*.ZEK");
const QString kDeleteFilter = QStringLiteral("ZEK |*.ZEK;*.Z20");
} // namespace

QString withDefaultExtension(const QString& fileName, const QString& extension) {
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + "." + extension;
}

ProjectCommands::ProjectCommands(AppContext& app, UserInteraction& ui, ProjectHost& host)
    : m_app(app), m_ui(ui), m_host(host) {}

QString ProjectCommands::text(std::uint32_t number) const {
    // Line breaks of the text table are CR LF; the screen wants LF only.
    return fromCp1252(m_app.language.GetLangText(number)).replace("\r\n", "\n");
}

bool ProjectCommands::QuerySaveProject(bool askUnchanged) {
    m_host.storeCurrentPage();
    if (m_app.project.IsProjectModified()) {
        const int answer =
            m_ui.question(text(1004003) + "\n" + text(1004004), MsgType::Warning, mbYesNoCancel, 0);
        if (answer == mrYes)
            return SaveProject();
        return answer == mrNo;
    }
    if (askUnchanged)
        return m_ui.question(text(1004005), MsgType::Warning, mbYesNo, 0) == mrYes;
    return true;
}

bool ProjectCommands::ReplaceProject(bool askUnchanged) {
    if (m_app.projectOpen) {
        if (!QuerySaveProject(askUnchanged))
            return false;
        m_host.releaseCurrentPage();
    }
    m_app.project.ResetProject(m_app.settings.data());
    m_app.projectFileName.clear();
    m_legacyName = false;
    return true;
}

void ProjectCommands::New() {
    if (!ReplaceProject(true))
        return;
    m_host.fillDataKindList(false);
    m_host.enterDataEntry();
    m_host.setStatusText(text(1004015));
}

void ProjectCommands::Open(const QString& fileName) {
    if (!ReplaceProject(false))
        return;
    if (OpenProjectFile(fileName))
        m_host.enterDataEntry();
}

bool ProjectCommands::OpenProjectFile(const QString& fileName) {
    const QString name =
        fileName.isEmpty() ? m_ui.openFileName(text(1004002), m_startDirectory, {kZ20Filter}) : fileName;
    bool opened = false;
    if (!name.isEmpty()) {
        m_app.projectFileName = name;
        m_host.setStatusText(text(1004011) + name);
        const QString error = readProject(name);
        if (error.isEmpty()) {
            opened = true;
        } else {
            // A damaged or foreign file leaves a new project, not named after that file,
            // so that a later Save cannot overwrite it with the new project's data.
            m_app.project.ResetProject(m_app.settings.data());
            m_app.projectFileName.clear();
            m_ui.error(error);
        }
        m_host.clearListSelection();
        m_host.releaseCurrentPage();
    }
    m_host.fillDataKindList(m_app.project.data().Verlustleistung.Bekannt < VerlustNichtBekannt);
    return opened;
}

void ProjectCommands::Import(const QString& fileName) {
    if (!ReplaceProject(false))
        return;
    if (ImportProjectFile(fileName))
        m_host.enterDataEntry();
}

bool ProjectCommands::ImportProjectFile(const QString& fileName) {
    const QString name =
        fileName.isEmpty() ? m_ui.openFileName(text(1004017), m_startDirectory, {kZekFilter}) : fileName;
    if (name.isEmpty()) {
        m_host.fillDataKindList(m_app.project.data().Verlustleistung.Bekannt < VerlustNichtBekannt);
        return false;
    }
    m_host.setStatusText(text(1004012) + name);
    const IoResult imported = ImportLegacyProject(m_app.project, name, m_app.language);
    if (!imported.ok()) {
        // The import stops with a cleared record, which the list and the status line show.
        m_app.project.ResetProject(m_app.settings.data());
        m_host.fillDataKindList(m_app.project.data().Verlustleistung.Bekannt < VerlustNichtBekannt);
        m_ui.error(fromCp1252(imported.message));
        return false;
    }
    m_app.projectFileName = name;
    m_legacyName = true;
    m_host.clearListSelection();
    m_host.releaseCurrentPage();
    m_host.fillDataKindList(m_app.project.data().Verlustleistung.Bekannt < VerlustNichtBekannt);
    m_host.setStatusText(text(1004012) + name);
    return true;
}

bool ProjectCommands::SaveProject() {
    m_host.storeCurrentPage();
    // A version 1.1 file is never replaced by a file of the current format unless the
    // user picks that name in the save dialog.
    if (m_app.projectFileName.isEmpty() || m_legacyName)
        return SaveProjectAs();
    return writeProject(m_app.projectFileName, 1004008);
}

bool ProjectCommands::SaveProjectAs() {
    m_host.storeCurrentPage();
    QString proposed;
    if (m_legacyName && !m_app.projectFileName.isEmpty()) {
        // Beside the old file, under its name with the extension of the current format.
        const QFileInfo legacy(m_app.projectFileName);
        proposed = legacy.dir().filePath(legacy.completeBaseName() + ".Z20");
    }
    QString title = text(kTextSaveDialogTitle);
    if (title.isEmpty())
        title = QStringLiteral("Projekt speichern");
    QString name = m_ui.saveFileName(title, m_startDirectory, {kZ20Filter}, proposed);
    if (name.isEmpty())
        return false;
    name = withDefaultExtension(name, "Z20");
    m_app.projectFileName = name;
    m_legacyName = false;
    m_host.setStatusText(text(1004009) + name);
    return writeProject(name, 1004010);
}

bool ProjectCommands::writeProject(const QString& name, std::uint32_t replaceFailedText) {
    const IoResult result =
        WriteProjectFile(m_app.project, name, m_app.language, [this](const std::string& question) {
            const QString q = fromCp1252(question).replace("\r\n", "\n");
            return m_ui.question(q, MsgType::Warning, mbYesNo, 0) == mrYes;
        });
    switch (result.status) {
    case IoStatus::Ok:
        return true;
    case IoStatus::Declined:
        return false;
    case IoStatus::ReplaceFailed:
        m_ui.error(text(replaceFailedText) + name + "'");
        return false;
    default:
        m_ui.error(fromCp1252(result.message).replace("\r\n", "\n"));
        return false;
    }
}

QString ProjectCommands::readProject(const QString& name) {
    DoubtfulValues doubtful;
    const IoResult r = OpenProject(m_app.project, m_app.settings.data(), name, m_app.language,
                                   ProjectFormat::ProjectFile, &doubtful);
    if (!r.ok())
        return fromCp1252(r.message).replace("\r\n", "\n");
    if (!doubtful.empty())
        m_ui.question(DoubtfulValuesMessage(name, doubtful, m_app.language), MsgType::Warning, mbOK, 0);
    return {};
}

void ProjectCommands::Delete() {
    const QString name = m_ui.openFileName(text(1004018), m_startDirectory, {kDeleteFilter});
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.remove())
        m_ui.error(text(kTextDeleteFailed) + name + " (" + file.errorString() + ")");
}

void ProjectCommands::OpenGiven(const QString& fileName) {
    if (QFileInfo(fileName).suffix().compare("ZEK", Qt::CaseInsensitive) == 0)
        Import(fileName);
    else
        Open(fileName);
}

bool ProjectCommands::CloseQuery() {
    bool canClose = QuerySaveProject(false);
    if (m_app.settings.IsSettingsModified()) {
        const int answer =
            m_ui.question(text(1004006) + "\n" + text(1004007), MsgType::Warning, mbYesNoCancel, 0);
        if (answer == mrCancel) {
            canClose = false;
        } else if (answer == mrYes) {
            const IoResult written =
                WriteSettings(m_app.settings, settingsWritePath(m_app.programDir()), m_app.language);
            if (!written.ok()) {
                // Ending now would lose the settings the user just asked to keep.
                m_ui.error(fromCp1252(written.message));
                canClose = false;
            }
        }
    }
    return canClose;
}

} // namespace zek
