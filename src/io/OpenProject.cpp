#include "OpenProject.h"

#include "FileAccess.h"
#include "IoTexts.h"
#include "LegacyImport.h"
#include "Profile.h"

#include <QFileInfo>

namespace zek {
namespace {

bool isProjectFile(std::string_view bytes, const Profile& profile) {
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    for (const std::string& section : ProjectFileSections())
        if (profile.hasSection(section))
            return true;
    return false;
}

} // namespace

std::optional<ProjectFormat> ProjectFormatOfName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare("Z20", Qt::CaseInsensitive) == 0)
        return ProjectFormat::ProjectFile;
    if (suffix.compare("ZEK", Qt::CaseInsensitive) == 0)
        return ProjectFormat::Legacy;
    return std::nullopt;
}

bool IsProjectFileContent(std::string_view bytes) {
    return isProjectFile(bytes, Profile(bytes));
}

IoResult OpenProject(Project& project, const SettingsData& settings, const QString& fileName,
                     const TextSource& texts, std::optional<ProjectFormat> format, DoubtfulValues* doubtful) {
    project.ResetProject(settings);
    if (format == ProjectFormat::Legacy)
        return ImportLegacyProject(project, fileName, texts);
    int err = 0;
    const auto bytes = readFileBytes(fileName, kMaxProfileFileBytes, &err);
    if (!bytes)
        return {IoStatus::ReadFailed, err, ioReadFailure(texts, fileName, err)};
    const std::string_view content(bytes->constData(), std::size_t(bytes->size()));
    const Profile profile(content);
    if (isProjectFile(content, profile)) {
        ReadProjectProfile(profile, project.data(), doubtful);
        project.MarkProjectSaved();
        return {};
    }
    if (!format && content.size() >= kLegacyRecordSize) {
        const IoResult legacy = ImportLegacyBytes(project, content, fileName, texts);
        if (legacy.ok())
            return legacy;
    }
    return {IoStatus::NotAProject, 0, ioTextWithFile(texts, kTextNotAProject, fileName)};
}

} // namespace zek
