#pragma once

#include <QSet>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace zek {

class Settings;

// Commands of a help request, numbered as the help viewer of the original platform
// numbers them.
inline constexpr int kHelpContext = 1;
inline constexpr int kHelpContents = 3;
inline constexpr int kHelpOnHelp = 4;

// Context that every form help number of 19000 and above, and every form that maps to
// the general topic 0, ends at.
inline constexpr std::uint32_t kHelpGeneralContext = 19000;
// Anchors of the two topics that are not reached by a context number.
inline constexpr const char* kHelpContentsAnchor = "contents";
inline constexpr const char* kHelpOnHelpAnchor = "helponhelp";

struct HelpContextPair {
    std::uint16_t key;     // help number of a form or menu item
    std::uint16_t context; // topic of the help file
};

// The fixed table, searched from the start for the first equal key; it ends with 65535.
inline constexpr std::uint16_t kHelpMapEnd = 65535;
const std::array<HelpContextPair, 68>& HelpContextMap();

// Context of a help number, or notFound when the table has no such key.
std::uint32_t LookupHelpContext(std::uint32_t key, std::uint32_t notFound);

// The help file of a language code: "zek_" + characters 3 to 5 of the code + ".hlp" in
// the program folder; an empty code gives "zek_.hlp".
QString HelpFileName(const QString& programDir, const std::string& languageCode);

// What is to be shown: the file, the command and the context (for commands other than
// context the data as passed).
struct HelpRequest {
    QString file;
    int command = kHelpContext;
    std::uint32_t data = 0;
    bool operator==(const HelpRequest&) const = default;
};

// Maps a request of the application (command, data) to what the viewer shows.
HelpRequest MapHelpRequest(const QString& programDir, const std::string& languageCode, int command,
                           std::uint32_t data);

// The application-wide help hook: every help request of the program passes through it.
// The file name is rebuilt from the settings on every request, so a language change takes
// effect at once.
class AppHelpHandler {
public:
    using Viewer = std::function<void(const HelpRequest&)>;

    AppHelpHandler(QString programDir, const Settings& settings, Viewer viewer);

    // Always reports the request as handled.
    bool operator()(int command, std::uint32_t data) const;

private:
    QString m_programDir;
    const Settings& m_settings;
    Viewer m_viewer;
};

// Anchor names of a help document (<a name="..."> and id="..."), so that the viewer can
// tell a missing topic and tests can check that every context has one.
QSet<QString> HelpAnchors(const QString& html);
// Anchor name of a context number.
QString HelpAnchor(std::uint32_t context);

} // namespace zek
