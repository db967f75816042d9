#include "IoTestSupport.h"

#include "io/SettingsFile.h"

#include <QDir>
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

TEST_F(SettingsFileTest, missing_file_gives_the_read_defaults_not_the_factory_values) {
    Settings settings;
    settings.data().Optionen.Sprache = "zkdeu";
    ReadSettings(settings, path("ZEK.INI"));
    EXPECT_EQ(settings.data(), ReadDefaultSettings());
    EXPECT_EQ(settings.data().Drucker.LinkerRand, 10);
    EXPECT_EQ(settings.data().Fax.Index, -1);
    EXPECT_FALSE(settings.IsSettingsModified());

    // The reset brings the factory values back, which differ: the settings are modified.
    settings.ResetSettings();
    EXPECT_EQ(settings.data().Drucker.LinkerRand, 20);
    EXPECT_EQ(settings.data().Drucker.Index, 0);
    EXPECT_TRUE(settings.IsSettingsModified());
}

TEST_F(SettingsFileTest, defaults_file_value_survives_the_first_save) {
    writeBytes(path("ZEK.DEF"), "[Gleichzeitigkeit]\r\nLeistungsteil=70\r\n");
    EXPECT_EQ(settingsStartPath(m_dir.path()), path("ZEK.DEF"));

    Settings settings;
    ReadSettings(settings, settingsStartPath(m_dir.path()));
    EXPECT_EQ(settings.data().Gleichzeitigkeit.Leistungsteil, 70);
    EXPECT_EQ(settings.data().Gleichzeitigkeit.Steuerungsteil, 60); // read default

    ASSERT_TRUE(WriteSettings(settings, settingsWritePath(m_dir.path()), kTexts).ok());
    EXPECT_EQ(settingsStartPath(m_dir.path()), path("ZEK.INI"));
    Settings again;
    ReadSettings(again, settingsStartPath(m_dir.path()));
    EXPECT_EQ(again.data(), settings.data());
}

TEST_F(SettingsFileTest, every_field_round_trips_and_texts_are_cut) {
    Settings settings;
    SettingsData& s = settings.data();
    s.Drucker = {11, 12, 13, 14, 2};
    s.Fax = {21, 22, 23, 24, -1};
    s.Schaltschrank = {800, 1800, 400, 2, 1, 2};
    s.Gleichzeitigkeit = {90, 40};
    s.Firmenadresse = {"velmar GmbH",
                       "Stra\xDF"
                       "e 1",
                       "12345 Ort", "+49 1", "+49 2"};
    s.Optionen = {"zkfra", "/home/planer/Projekte"};
    s.Copyright = {"a", "b", "c", "d", "\x80 e"};
    ASSERT_TRUE(WriteSettings(settings, path("ZEK.INI"), kTexts).ok());
    EXPECT_FALSE(settings.IsSettingsModified());

    Settings back;
    ReadSettings(back, path("ZEK.INI"));
    EXPECT_EQ(back.data(), s);

    writeBytes(path("long.INI"),
               "[Firmenadresse]\r\nTelefon=" + QByteArray(30, '7') + "\r\n[Drucker]\r\nIndex=x\r\n");
    ReadSettings(back, path("long.INI"));
    EXPECT_EQ(back.data().Firmenadresse.Telefon.str(), std::string(20, '7'));
    EXPECT_EQ(back.data().Drucker.Index, -1); // no number: the read default
}

TEST_F(SettingsFileTest, write_updates_keys_in_place_and_keeps_the_rest) {
    writeBytes(path("ZEK.INI"), "; Kommentar\n"
                                "[Eigenes]\n"
                                "Wert=1\n"
                                "[schaltschrank]\n"
                                "BREITE=1\n"
                                "Unbekannt=2\n");
    Settings settings;
    ASSERT_TRUE(WriteSettings(settings, path("ZEK.INI"), kTexts).ok());
    const std::string bytes = sv(fileBytes(path("ZEK.INI")));
    const std::string head = "; Kommentar\n"
                             "[Eigenes]\n"
                             "Wert=1\n"
                             "[schaltschrank]\n"
                             "BREITE=600\n"
                             "Unbekannt=2\n"
                             "Hoehe=2000\r\n"
                             "Tiefe=600\r\n"
                             "Material=0\r\n";
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_EQ(bytes.find("[Gleichzeitigkeit]"), bytes.find("\r\n\r\n[Gleichzeitigkeit]") + 4);
    const char* order[] = {"[Gleichzeitigkeit]", "[Firmenadresse]", "[Optionen]",
                           "[Drucker]",          "[Fax]",           "[Copyright]"};
    std::size_t last = 0;
    for (const char* section : order) {
        const std::size_t at = bytes.find(section);
        EXPECT_GT(at, last) << section;
        last = at;
    }
    EXPECT_TRUE(bytes.ends_with("05=\r\n"));
}

TEST_F(SettingsFileTest, unwritable_file_is_left_alone_and_settings_stay_modified) {
    writeBytes(path("ZEK.INI"), "[Schaltschrank]\r\nBreite=1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path("ZEK.INI")).constData(), 0444), 0);
    Settings settings;
    settings.data().Schaltschrank.Breite = 999;
    const IoResult r = WriteSettings(settings, path("ZEK.INI"), kTexts);
    EXPECT_EQ(r.status, IoStatus::WriteFailed);
    EXPECT_EQ(r.message, "Cannot write " + path("ZEK.INI").toStdString());
    EXPECT_EQ(fileBytes(path("ZEK.INI")), "[Schaltschrank]\r\nBreite=1\r\n");
    EXPECT_TRUE(settings.IsSettingsModified());

    ::chmod(QFile::encodeName(path("ZEK.INI")).constData(), 0644);
    {
        FileSizeLimit limit(16);
        EXPECT_EQ(WriteSettings(settings, path("ZEK.INI"), kTexts).status, IoStatus::WriteFailed);
    }
    EXPECT_EQ(fileBytes(path("ZEK.INI")), "[Schaltschrank]\r\nBreite=1\r\n");
    EXPECT_TRUE(settings.IsSettingsModified());
}

TEST_F(SettingsFileTest, shipped_defaults_suit_a_fresh_installation) {
    Settings settings;
    ReadSettings(settings, ZEK_SOURCE_DIR "/data/ZEK.DEF");
    const SettingsData& s = settings.data();
    EXPECT_TRUE(s.Optionen.Sprache.empty()); // the first start asks for a language
    EXPECT_EQ(s.Schaltschrank, (DefaultCabinet{600, 2000, 600, 0, 0, 0}));
    EXPECT_EQ(s.Gleichzeitigkeit, (DefaultSimultaneity{80, 60}));
    EXPECT_EQ(s.Drucker.Index, -1);
    EXPECT_EQ(s.Fax.Index, -1);
    EXPECT_NE(s.Firmenadresse.Name.str().find("velmar"), std::string::npos);
    for (const auto& line : s.Copyright)
        EXPECT_FALSE(line.empty());
    EXPECT_NE(s.Copyright[1].str().find("2.2"), std::string::npos);
}

} // namespace
