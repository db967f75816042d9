#include "SettingsFile.h"

#include "FileAccess.h"
#include "IoTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <string>
#include <unistd.h>

namespace zek {
namespace {

// The keys of the settings file in the order of writing.
template <class S, class V> void visitSettings(S& s, V& v) {
    v.section("Schaltschrank");
    v.number("Breite", s.Schaltschrank.Breite);
    v.number("Hoehe", s.Schaltschrank.Hoehe);
    v.number("Tiefe", s.Schaltschrank.Tiefe);
    v.number("Material", s.Schaltschrank.Material);
    v.number("Art", s.Schaltschrank.Art);
    v.number("Aufstellung", s.Schaltschrank.Aufstellung);

    v.section("Gleichzeitigkeit");
    v.number("Leistungsteil", s.Gleichzeitigkeit.Leistungsteil);
    v.number("Steuerungsteil", s.Gleichzeitigkeit.Steuerungsteil);

    v.section("Firmenadresse");
    v.text("Name", s.Firmenadresse.Name);
    v.text("Str", s.Firmenadresse.Str);
    v.text("Ort", s.Firmenadresse.Ort);
    v.text("Telefon", s.Firmenadresse.Telefon);
    v.text("Fax", s.Firmenadresse.Fax);

    v.section("Optionen");
    v.text("Sprache", s.Optionen.Sprache);
    v.text("Pfadangabe", s.Optionen.Pfadangabe);

    for (auto [name, block] : {std::pair{"Drucker", &s.Drucker}, std::pair{"Fax", &s.Fax}}) {
        v.section(name);
        v.number("ObererRand", block->ObererRand);
        v.number("LinkerRand", block->LinkerRand);
        v.number("UntererRand", block->UntererRand);
        v.number("RechterRand", block->RechterRand);
        v.number("Index", block->Index);
    }

    v.section("Copyright");
    static const char* const kLines[5] = {"01", "02", "03", "04", "05"};
    for (std::size_t i = 0; i < s.Copyright.size(); ++i)
        v.text(kLines[i], s.Copyright[i]);
}

class Reader {
public:
    explicit Reader(const Profile& profile) : m_profile(profile) {}
    void section(std::string_view name) { m_section = name; }
    // The field arrives holding its read default; unsigned fields keep the low 16 bits.
    void number(std::string_view key, std::uint16_t& value) {
        value = static_cast<std::uint16_t>(m_profile.readInt(m_section, key, value));
    }
    void number(std::string_view key, std::int32_t& value) {
        value = m_profile.readInt(m_section, key, value);
    }
    template <std::size_t N> void text(std::string_view key, FixedText<N>& value) {
        value = m_profile.readString(m_section, key, value.str());
    }

private:
    const Profile& m_profile;
    std::string_view m_section;
};

class Writer {
public:
    explicit Writer(Profile& profile) : m_profile(profile) {}
    void section(std::string_view name) { m_section = name; }
    void number(std::string_view key, std::uint16_t value) {
        m_profile.setValue(m_section, key, std::to_string(value));
    }
    void number(std::string_view key, std::int32_t value) {
        m_profile.setValue(m_section, key, std::to_string(value));
    }
    template <std::size_t N> void text(std::string_view key, const FixedText<N>& value) {
        m_profile.setValue(m_section, key, value.str());
    }

private:
    Profile& m_profile;
    std::string_view m_section;
};

bool folderWritable(const QString& dir) {
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

QString userSettingsPath() {
    // One folder for the desktop program and the command line alike.
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + "/.config";
    return QDir(base).filePath(QStringLiteral("zek/") + kSettingsFileName);
}

} // namespace

SettingsData ReadSettingsProfile(const Profile& profile) {
    SettingsData s = ReadDefaultSettings();
    Reader reader(profile);
    visitSettings(s, reader);
    return s;
}

void ReadSettings(Settings& settings, const QString& fileName) {
    const auto bytes = readFileBytes(fileName);
    const Profile profile =
        bytes ? Profile(std::string_view(bytes->constData(), std::size_t(bytes->size()))) : Profile();
    settings.data() = ReadSettingsProfile(profile);
    settings.MarkSettingsSaved();
}

IoResult WriteSettings(Settings& settings, const QString& fileName, const TextSource& texts) {
    const IoResult failed{IoStatus::WriteFailed, 0, ioTextWithFile(texts, kTextCannotWrite, fileName)};

    Profile profile;
    const QFileInfo info(fileName);
    if (info.exists()) {
        // A write-protected settings file stays as it is, as the profile functions leave it.
        if (isReadOnlyFile(fileName))
            return failed;
        const auto bytes = readFileBytes(fileName);
        if (!bytes)
            return failed;
        profile = Profile(std::string_view(bytes->constData(), std::size_t(bytes->size())));
    } else if (!QDir().mkpath(info.absolutePath())) {
        return failed;
    }

    Writer writer(profile);
    visitSettings(settings.data(), writer);
    const std::string out = profile.bytes();
    int code = 0;
    const IoStatus status =
        writeFileAtomically(fileName, QByteArray(out.data(), qsizetype(out.size())), nullptr, &code);
    if (status != IoStatus::Ok) {
        IoResult r = failed;
        r.status = status == IoStatus::CheckFailed ? status : IoStatus::WriteFailed;
        r.ioCode = code;
        return r;
    }
    settings.MarkSettingsSaved();
    return {};
}

QString settingsWritePath(const QString& programDir) {
    if (folderWritable(programDir))
        return QDir(programDir).filePath(kSettingsFileName);
    return userSettingsPath();
}

QString settingsIniReadPath(const QString& programDir) {
    const QString first = settingsWritePath(programDir);
    const QString beside = QDir(programDir).filePath(kSettingsFileName);
    const QString other = first == beside ? userSettingsPath() : beside;
    for (const QString& candidate : {first, other})
        if (QFileInfo(candidate).isFile())
            return candidate;
    return first;
}

QString settingsStartPath(const QString& programDir) {
    const QString ini = settingsIniReadPath(programDir);
    return QFileInfo(ini).isFile() ? ini : QDir(programDir).filePath(kDefaultsFileName);
}

} // namespace zek
