#include "IoTestSupport.h"

#include "io/SettingsFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zek;
using namespace zek::test;

namespace {

const MapTexts kTexts({{1005080, "Cannot write %s"}});

class SettingsFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(SettingsFileTest, missing_file_gives_the_read_defaults_and_reset_the_factory_values) {
    Settings settings;
    ReadSettings(settings, path("ZEK.INI"));
    EXPECT_EQ(settings.data(), ReadDefaultSettings());
    EXPECT_FALSE(settings.IsSettingsModified());

    settings.ResetSettings();
    EXPECT_EQ(settings.data().Drucker.LinkerRand, 20);
    EXPECT_EQ(settings.data().Drucker.Index, 0);
    EXPECT_TRUE(settings.IsSettingsModified()); // the program will ask at its end
}

TEST_F(SettingsFileTest, defaults_file_value_survives_the_first_save_and_every_field_round_trips) {
    writeBytes(path("ZEK.DEF"), "[Gleichzeitigkeit]\r\nLeistungsteil=70\r\n[Firmenadresse]\r\nTelefon=" +
                                    QByteArray(30, '7') + "\r\n[Drucker]\r\nIndex=x\r\n");
    EXPECT_EQ(settingsStartPath(m_dir.path()), path("ZEK.DEF"));
    Settings settings;
    ReadSettings(settings, settingsStartPath(m_dir.path()));
    EXPECT_EQ(settings.data().Gleichzeitigkeit.Leistungsteil, 70);
    EXPECT_EQ(settings.data().Gleichzeitigkeit.Steuerungsteil, 60);               // read default
    EXPECT_EQ(settings.data().Firmenadresse.Telefon.str(), std::string(20, '7')); // cut to 20
    EXPECT_EQ(settings.data().Drucker.Index, -1);                                 // no number: read default

    SettingsData& s = settings.data();
    s.Fax = {21, 22, 23, 24, 2};
    s.Schaltschrank = {800, 1800, 400, 2, 1, 2};
    s.Firmenadresse.Str = "Stra\xDF"
                          "e 1";
    s.Optionen = {"zkfra", "/home/planer/Projekte"};
    s.Copyright[4] = "\x80 5";
    ASSERT_TRUE(WriteSettings(settings, settingsWritePath(m_dir.path()), kTexts).ok());
    EXPECT_FALSE(settings.IsSettingsModified());
    EXPECT_EQ(settingsStartPath(m_dir.path()), path("ZEK.INI")); // from now on it takes precedence
    Settings again;
    ReadSettings(again, settingsStartPath(m_dir.path()));
    EXPECT_EQ(again.data(), s);
}

TEST_F(SettingsFileTest, write_updates_keys_in_place_and_keeps_the_rest) {
    writeBytes(path("ZEK.INI"), "; Kommentar\n[Eigenes]\nWert=1\n[schaltschrank]\nBREITE=1\nUnbekannt=2\n");
    Settings settings;
    ASSERT_TRUE(WriteSettings(settings, path("ZEK.INI"), kTexts).ok());
    const QByteArray bytes = fileBytes(path("ZEK.INI"));
    EXPECT_TRUE(bytes.startsWith("; Kommentar\n[Eigenes]\nWert=1\n[schaltschrank]\nBREITE=600\nUnbekannt=2\n"
                                 "Hoehe=2000\r\nTiefe=600\r\nMaterial=0\r\nArt=0\r\nAufstellung=0\r\n\r\n"
                                 "[Gleichzeitigkeit]\r\nLeistungsteil=80\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n04=\r\n05=\r\n"));
}

TEST_F(SettingsFileTest, unwritable_file_is_left_alone_and_settings_stay_modified) {
    const QByteArray before = "[Schaltschrank]\r\nBreite=1\r\n";
    writeBytes(path("ZEK.INI"), before);
    Settings settings;
    settings.data().Schaltschrank.Breite = 999;
    for (const bool readOnly : {true, false}) {
        ::chmod(QFile::encodeName(path("ZEK.INI")).constData(), readOnly ? 0444 : 0644);
        FileSizeLimit limit(readOnly ? RLIM_INFINITY : 16);
        const IoResult r = WriteSettings(settings, path("ZEK.INI"), kTexts);
        EXPECT_EQ(r.status, IoStatus::WriteFailed);
        EXPECT_EQ(r.message, "Cannot write " + path("ZEK.INI").toStdString());
        EXPECT_EQ(fileBytes(path("ZEK.INI")), before);
        EXPECT_TRUE(settings.IsSettingsModified());
    }
}

TEST_F(SettingsFileTest, program_folder_that_cannot_be_written_sends_the_settings_to_the_user) {
    // The configuration folder of this test; the old value comes back at the end.
    struct EnvGuard {
        QByteArray old = qgetenv("XDG_CONFIG_HOME");
        bool had = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        ~EnvGuard() { had ? qputenv("XDG_CONFIG_HOME", old) : qunsetenv("XDG_CONFIG_HOME"); }
    } guard;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("config")));
    const QString program = path("no-such-program-folder");
    const QString user = path("config/zek/ZEK.INI");
    EXPECT_EQ(settingsWritePath(program), user);
    EXPECT_EQ(settingsStartPath(program), program + "/ZEK.DEF");

    Settings settings;
    settings.data().Optionen.Sprache = "zkeng";
    ASSERT_TRUE(WriteSettings(settings, settingsWritePath(program), kTexts).ok()); // creates the folder
    EXPECT_EQ(settingsStartPath(program), user);
    Settings again;
    ReadSettings(again, settingsIniReadPath(program));
    EXPECT_EQ(again.data().Optionen.Sprache.str(), "zkeng");
}

TEST_F(SettingsFileTest, shipped_defaults_suit_a_fresh_installation) {
    Settings settings;
    ReadSettings(settings, ZEK_SOURCE_DIR "/data/ZEK.DEF");
    const SettingsData& s = settings.data();
    EXPECT_TRUE(s.Optionen.Sprache.empty()); // the first start asks for a language
    EXPECT_EQ(s.Schaltschrank, (DefaultCabinet{600, 2000, 600, 0, 0, 0}));
    EXPECT_EQ(s.Gleichzeitigkeit, (DefaultSimultaneity{80, 60}));
}

} // namespace
