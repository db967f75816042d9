// Any bytes as a project file and as a settings file: reading never fails, the record
// keeps its invariants, an unchanged profile writes back byte for byte, an updated one
// still holds the value it was given, and no text read can break a line of a written file.
#include "core/SettingsData.h"
#include "io/OpenProject.h"
#include "io/ProjectFile.h"
#include "io/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zek::Profile profile(bytes);
    if (profile.bytes() != bytes)
        std::abort();

    zek::ProjectData project = zek::NewProject(zek::FactorySettings());
    zek::ReadProjectProfile(profile, project);
    // Listing the values no page accepts changes nothing of what is read; a file with a
    // NUL byte is never taken for a project.
    zek::ProjectData listed = zek::NewProject(zek::FactorySettings());
    zek::DoubtfulValues doubtful;
    zek::ReadProjectProfile(profile, listed, &doubtful);
    if (!(listed == project))
        std::abort();
    for (const zek::DoubtfulValue& d : doubtful)
        if (d.stored.empty() || d.key.empty())
            std::abort();
    if (bytes.find('\0') != std::string_view::npos && zek::IsProjectFileContent(bytes))
        std::abort();
    if (project.Auswahl.GeraeteCheck.size() != zek::kGeraeteCheckLength)
        std::abort();
    if (project.Schaltschrank.Material < zek::Anderes &&
        project.Schaltschrank.Waermedurchgangszahl != zek::MaterialKWert(project.Schaltschrank.Material))
        std::abort();
    zek::ReadSettingsProfile(profile);

    profile.setValue("Schaltschrank", "Breite", "600");
    if (profile.value("schaltschrank", "BREITE") != "600")
        std::abort();
    // Whatever was read, the written file keeps one line per key.
    const QByteArray written = zek::ProjectFileBytes(project, 1);
    if (written.count('\n') != written.count("\r\n"))
        std::abort();
    return 0;
}
