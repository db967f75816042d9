#include "Help.h"

#include "core/SettingsData.h"

#include <QDir>
#include <QRegularExpression>

namespace zek {

const std::array<HelpContextPair, 68>& HelpContextMap() {
    static constexpr std::array<HelpContextPair, 68> map = {{
        {10000, 0},   {11000, 3},  {11001, 4},  {11002, 5},   {11003, 6},       {11004, 7},   {11005, 8},
        {11006, 9},   {11008, 2},  {11020, 10}, {11021, 11},  {11022, 12},      {11023, 13},  {11024, 14},
        {11040, 15},  {11041, 16}, {11042, 17}, {11043, 18},  {11044, 19},      {11045, 20},  {11047, 21},
        {11048, 22},  {11049, 23}, {11050, 24}, {11051, 107}, {11052, 108},     {11053, 109}, {11054, 110},
        {11055, 111}, {11060, 25}, {11061, 26}, {11062, 27},  {11063, 28},      {11064, 0},   {11069, 34},
        {12000, 37},  {12070, 37}, {12075, 38}, {12040, 39},  {12085, 40},      {12110, 41},  {12025, 42},
        {12120, 43},  {12055, 44}, {12095, 45}, {12060, 46},  {12080, 47},      {12090, 48},  {12050, 49},
        {12115, 50},  {12065, 51}, {12020, 52}, {12105, 53},  {12100, 54},      {12015, 60},  {12010, 59},
        {12035, 57},  {12030, 58}, {12005, 56}, {12150, 55},  {12140, 62},      {12045, 61},  {13010, 100},
        {13000, 104}, {13030, 35}, {13040, 94}, {13050, 92},  {kHelpMapEnd, 0},
    }};
    return map;
}

std::uint32_t LookupHelpContext(std::uint32_t key, std::uint32_t notFound) {
    for (const HelpContextPair& pair : HelpContextMap()) {
        if (pair.key == kHelpMapEnd)
            break;
        if (pair.key == key)
            return pair.context;
    }
    return notFound;
}

QString HelpFileName(const QString& programDir, const std::string& languageCode) {
    // Characters 3 to 5 of "zkdeu" are "deu".
    const std::string part = languageCode.size() > 2 ? languageCode.substr(2, 3) : std::string();
    QString name = "zek_" + QString::fromLatin1(part.data(), qsizetype(part.size())) + ".hlp";
    // The code comes from a settings file that may have been edited by hand: it must not
    // lead out of the program folder.
    name.replace('/', '_').replace('\\', '_');
    return QDir(programDir).filePath(name);
}

HelpRequest MapHelpRequest(const QString& programDir, const std::string& languageCode, int command,
                           std::uint32_t data) {
    HelpRequest request{HelpFileName(programDir, languageCode), command, data};
    if (command != kHelpContext)
        return request;
    if (data >= 10000 && data <= 19999) {
        // Form and menu numbers below 19000 without an entry keep their number; from 19000
        // on, and where the table points at the general topic 0, the general topic is shown.
        std::uint32_t context = data < 19000 ? LookupHelpContext(data, data) : LookupHelpContext(data, 0);
        if (context == 0)
            context = LookupHelpContext(kHelpGeneralContext, kHelpGeneralContext);
        request.data = context;
    } else if (data & 0x8000u) {
        request.data = data & 32767u;
    }
    return request;
}

AppHelpHandler::AppHelpHandler(QString programDir, const Settings& settings, Viewer viewer)
    : m_programDir(std::move(programDir)), m_settings(settings), m_viewer(std::move(viewer)) {}

bool AppHelpHandler::operator()(int command, std::uint32_t data) const {
    const HelpRequest request =
        MapHelpRequest(m_programDir, m_settings.data().Optionen.Sprache.str(), command, data);
    if (m_viewer)
        m_viewer(request);
    return true;
}

QSet<QString> HelpAnchors(const QString& html) {
    static const QRegularExpression anchor(
        R"re(<a\s[^>]*\bname\s*=\s*["']([^"']*)["']|\bid\s*=\s*["']([^"']*)["'])re",
        QRegularExpression::CaseInsensitiveOption);
    QSet<QString> names;
    for (auto it = anchor.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        names.insert(m.captured(1).isEmpty() ? m.captured(2) : m.captured(1));
    }
    names.remove(QString());
    return names;
}

QString HelpAnchor(std::uint32_t context) {
    return QString::number(context);
}

} // namespace zek
