#include "IoTestSupport.h"

#include "io/LegacyImport.h"

#include "core/SettingsData.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using namespace zek;
using namespace zek::test;

namespace {

// A version 1.1 record, written field by field at the offsets of the format.
class LegacyRecord {
public:
    LegacyRecord() : m_bytes(kLegacyRecordSize, '\0') {}
    LegacyRecord& u16At(std::size_t at, std::uint16_t v) {
        m_bytes[at] = char(v & 0xFF);
        m_bytes[at + 1] = char(v >> 8);
        return *this;
    }
    LegacyRecord& i32At(std::size_t at, std::int32_t v) {
        const auto bits = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            m_bytes[at + i] = char((bits >> (8 * i)) & 0xFF);
        return *this;
    }
    LegacyRecord& textAt(std::size_t at, const std::string& dos, int lengthByte = -1) {
        m_bytes[at] = char(lengthByte < 0 ? int(dos.size()) : lengthByte);
        std::memcpy(&m_bytes[at + 1], dos.data(), dos.size());
        return *this;
    }
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

ProjectData imported(const LegacyRecord& record) {
    ProjectData p = NewProject(FactorySettings());
    EXPECT_TRUE(ImportLegacyRecord(record.bytes(), p));
    return p;
}

TEST(LegacyImport, every_field_comes_from_its_offset) {
    LegacyRecord r;
    const char* texts[] = {"Firma", "Abteilung", "Name", "Str", "Ort", "Kunde", "Kontakt", "Projekt"};
    for (int i = 0; i < 8; ++i)
        r.textAt(std::size_t(51 * i), texts[i]);
    r.u16At(408, 400).u16At(410, 63).u16At(412, 1200).u16At(414, 2200).u16At(416, 500).u16At(418, 1);
    r.u16At(420, 2).u16At(422, 1).i32At(424, 35).i32At(428, 5).i32At(432, 45).i32At(436, -15);
    r.u16At(440, 18).u16At(442, 0xFFFF).u16At(444, 75).u16At(446, 55).u16At(448, 0).u16At(450, 1500);
    for (int i = 0; i < 13; ++i)
        r.u16At(452 + 2 * i, std::uint16_t(100 + i));
    for (int i = 0; i < 10; ++i)
        r.u16At(478 + 6 * i, std::uint16_t(200 + i))
            .u16At(480 + 6 * i, std::uint16_t(16 + i))
            .u16At(482 + 6 * i, 2);
    r.u16At(538, 301).u16At(540, 302);
    for (int i = 0; i < 4; ++i)
        r.u16At(542 + 2 * i, std::uint16_t(401 + i)).u16At(574 + 2 * i, std::uint16_t(601 + i));
    for (int i = 0; i < 12; ++i)
        r.u16At(550 + 2 * i, std::uint16_t(500 + i));
    for (int i = 0; i < 12; ++i)
        r.u16At(582 + 4 * i, std::uint16_t(700 + i)).u16At(584 + 4 * i, std::uint16_t(1000 + i));
    for (int i = 0; i < 10; ++i) {
        const std::size_t at = 630 + 8 * i;
        r.u16At(at, std::uint16_t(800 + i))
            .u16At(at + 2, std::uint16_t(24 + i))
            .u16At(at + 4, std::uint16_t(5 + i));
        r.u16At(at + 6, 3);
    }
    for (int i = 0; i < 8; ++i) {
        const std::size_t at = 710 + 30 * i;
        r.u16At(at, std::uint16_t(900 + i))
            .u16At(at + 2, std::uint16_t(11 + i))
            .u16At(at + 4, std::uint16_t(90 + i));
        r.u16At(at + 6, std::uint16_t(70 + i)).textAt(at + 8, "FU" + std::to_string(i + 1));
    }
    for (int i = 0; i < 4; ++i)
        r.u16At(950 + 2 * i, std::uint16_t(951 + i));
    for (int i = 0; i < 10; ++i) {
        const std::size_t at = 958 + 26 * i;
        r.u16At(at, std::uint16_t(960 + i)).textAt(at + 2, "S" + std::to_string(i + 1));
        r.u16At(at + 24, std::uint16_t(3000 + i));
    }
    r.u16At(1218, 0x5A5A);

    const ProjectData p = imported(r);
    EXPECT_EQ(p.Person, (PersonGroup{"Firma", "Abteilung", "Name", "Str", "Ort"}));
    EXPECT_EQ(p.Projekt, (ProjektGroup{"Kunde", "Kontakt", "Projekt"}));
    EXPECT_EQ(p.Anschluss, (AnschlussGroup{400, 63}));
    EXPECT_EQ(p.Schaltschrank,
              (SchaltschrankGroup{1200, 2200, 500, Kunststoff, 3.5, Mittelschrank, Wandanbau}));
    EXPECT_EQ(p.Temperatur, (TemperaturGroup{35, 5, 45, -15, 18}));
    EXPECT_EQ(p.Gleichzeitigkeit, (GleichzeitigkeitGroup{75, 55}));
    // The measured temperatures had no place in version 1.1: they keep the reset value 1.
    EXPECT_EQ(p.Verlustleistung, (VerlustleistungGroup{VerlustBekannt, 1500, 1, 1}));
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(p.Leistungsschalter[i], 100 + i);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(p.Sicherungen[i], (SicherungZeile{u16(200 + i), u16(16 + i), 2}));
    EXPECT_EQ(p.Motorschutz, (std::array<u16, 2>{301, 302}));
    EXPECT_EQ(p.Relais, (std::array<u16, 4>{401, 402, 403, 404}));
    EXPECT_EQ(p.Lampen, (std::array<u16, 4>{601, 602, 603, 604}));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(p.Leistungsschuetze[i], 500 + i);
        EXPECT_EQ(p.Transformatoren[i], (TransformatorZeile{u16(700 + i), u16(1000 + i)}));
    }
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(p.Netzteile[i], (NetzteilZeile{u16(800 + i), u16(24 + i), u16(5 + i), 3}));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(p.Frequenzumrichter[i],
                  (FrequenzumrichterZeile{u16(900 + i), u16(11 + i), u16(90 + i), u16(70 + i),
                                          FixedText<20>("FU" + std::to_string(i + 1))}));
    EXPECT_EQ(p.Steuerungen, (std::array<u16, 4>{951, 952, 953, 954}));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(p.Sonstige[i],
                  (SonstigeZeile{u16(960 + i), FixedText<20>("S" + std::to_string(i + 1)), u16(3000 + i)}));
    EXPECT_EQ(p.Auswahl.Geraete, 0x5A5A);
    EXPECT_EQ(p.Auswahl.GeraeteCheck, NewProject(FactorySettings()).Auswahl.GeraeteCheck);
}

TEST(LegacyImport, out_of_range_numbers_are_clamped) {
    struct Case {
        const char* name;
        LegacyRecord record;
        std::function<void(const ProjectData&)> expect;
    };
    const Case cases[] = {
        {"loss mode 1 is not known", LegacyRecord().u16At(448, 1),
         [](const ProjectData& p) { EXPECT_EQ(p.Verlustleistung.Bekannt, VerlustNichtBekannt); }},
        {"loss mode 7 is not known", LegacyRecord().u16At(448, 7),
         [](const ProjectData& p) { EXPECT_EQ(p.Verlustleistung.Bekannt, VerlustNichtBekannt); }},
        {"ambient temperatures", LegacyRecord().i32At(436, -30).i32At(432, 80),
         [](const ProjectData& p) {
             EXPECT_EQ(p.Temperatur.MinAussen, -20);
             EXPECT_EQ(p.Temperatur.MaxAussen, 75);
         }},
        {"material 5 is stainless steel", LegacyRecord().u16At(418, 5),
         [](const ProjectData& p) {
             EXPECT_EQ(p.Schaltschrank.Material, Edelstahl);
             EXPECT_DOUBLE_EQ(p.Schaltschrank.Waermedurchgangszahl, 4.0);
         }},
        {"fuse kind 0 and supply kind 9", LegacyRecord().u16At(482, 0).u16At(636, 9),
         [](const ProjectData& p) {
             EXPECT_EQ(p.Sicherungen[0].Art, 1);
             EXPECT_EQ(p.Netzteile[0].Typ, 3);
         }},
        {"every number at zero", LegacyRecord(),
         [](const ProjectData& p) {
             EXPECT_EQ(p.Verlustleistung.Bekannt, VerlustBekannt);
             EXPECT_EQ(p.Temperatur.MinAussen, 0);
             EXPECT_EQ(p.Sicherungen[9].Art, 1);
             EXPECT_EQ(p.Netzteile[9].Typ, 1);
             EXPECT_EQ(p.Frequenzumrichter[7].Wirkungsgrad, 0);
             EXPECT_EQ(p.Auswahl.Geraete, 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.expect(imported(c.record));
    }
}

TEST(LegacyImport, extreme_numbers_land_on_the_bounds) {
    LegacyRecord high;
    LegacyRecord low;
    for (std::size_t at = 408; at < kLegacyRecordSize; at += 2) {
        high.u16At(at, 0xFFFF);
        low.u16At(at, 0);
    }
    for (std::size_t at = 424; at < 440; at += 4) {
        high.i32At(at, std::numeric_limits<std::int32_t>::max());
        low.i32At(at, std::numeric_limits<std::int32_t>::min());
    }
    const ProjectData h = imported(high);
    EXPECT_EQ(h.Anschluss, (AnschlussGroup{9999, 9999}));
    EXPECT_EQ(h.Schaltschrank,
              (SchaltschrankGroup{9999, 9999, 9999, Edelstahl, 4.0, Mittelschrank, Wandanbau}));
    EXPECT_EQ(h.Temperatur, (TemperaturGroup{60, 60, 75, 60, 60}));
    EXPECT_EQ(h.Gleichzeitigkeit, (GleichzeitigkeitGroup{100, 100}));
    EXPECT_EQ(h.Verlustleistung.Bekannt, VerlustNichtBekannt);
    EXPECT_EQ(h.Verlustleistung.WertBekannt, 65535); // taken as stored
    EXPECT_EQ(h.Sicherungen[4], (SicherungZeile{999, 9999, 3}));
    EXPECT_EQ(h.Netzteile[4], (NetzteilZeile{999, 999, 999, 3}));
    EXPECT_EQ(h.Frequenzumrichter[3].Wirkungsgrad, 100);
    EXPECT_EQ(h.Frequenzumrichter[3].Ausnutzung, 100);
    EXPECT_EQ(h.Sonstige[9].Leistung, 9999);
    EXPECT_EQ(h.Leistungsschuetze[11], 9999);
    EXPECT_EQ(h.Auswahl.Geraete, 65535);

    const ProjectData l = imported(low);
    EXPECT_EQ(l.Temperatur, (TemperaturGroup{0, 0, 0, -20, 0}));
    EXPECT_EQ(l.Schaltschrank.Material, Stahlblech);
}

TEST(LegacyImport, texts_convert_from_dos_and_stop_at_their_width) {
    const ProjectData p = imported(LegacyRecord()
                                       .textAt(153, "Stra\xE1"
                                                    "e 1")                // E1 is "ß" in code page 850
                                       .textAt(0, "\x84\x94\x81 \x8E", 5) // äöü Ä
                                       .textAt(51, std::string(50, 'A'), 255)
                                       .textAt(710 + 8, std::string(20, 'B'), 200)
                                       .textAt(958 + 2, "x\ty", 3)
                                       .textAt(204, "\xB3x")); // a box drawing line has no Windows-1252 form
    EXPECT_EQ(p.Person.Str.str(), "Stra\xDF"
                                  "e 1");
    EXPECT_EQ(p.Person.Firma.str(), "\xE4\xF6\xFC \xC4");
    EXPECT_EQ(p.Person.Abteilung.str(), std::string(50, 'A'));
    EXPECT_EQ(p.Frequenzumrichter[0].Bezeichnung.str(), std::string(20, 'B'));
    EXPECT_EQ(p.Sonstige[0].Bezeichnung.str(), "x y"); // a tab can be no part of a field
    EXPECT_EQ(p.Person.Ort.str(), "?x");
}

class LegacyFiles : public ::testing::Test {
protected:
    const MapTexts m_texts{{{1005081, "Cannot read %s"}, {1005082, "Too short: %s"}}};
};

TEST_F(LegacyFiles, broken_files_give_a_message_and_leave_the_project_untouched) {
    struct Case {
        const char* file;
        IoStatus status;
        const char* message;
    };
    const Case cases[] = {
        {"empty.ZEK", IoStatus::TooShort, "Too short: "},
        {"one_byte.ZEK", IoStatus::TooShort, "Too short: "},
        {"short_1000.ZEK", IoStatus::TooShort, "Too short: "},
        {"short_1219.ZEK", IoStatus::TooShort, "Too short: "},
        {"exact_1220.ZEK", IoStatus::Ok, ""},
        {"long_1300.ZEK", IoStatus::Ok, ""},
        {"all_ff.ZEK", IoStatus::Ok, ""},
        {"missing.ZEK", IoStatus::ReadFailed, "Cannot read "},
        {".", IoStatus::ReadFailed, "Cannot read "}, // a folder
    };
    const QDir dir(ZEK_TEST_DATA_DIR "/broken/legacy");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Project project(FactorySettings());
        project.data().Person.Name = "before";
        const ProjectData before = project.data();
        const QString file = dir.filePath(c.file);
        const IoResult r = ImportLegacyProject(project, file, m_texts);
        EXPECT_EQ(r.status, c.status);
        if (r.ok()) {
            EXPECT_FALSE(project.IsProjectModified());
        } else {
            EXPECT_EQ(r.message, c.message + QDir::toNativeSeparators(file).toStdString());
            EXPECT_EQ(project.data(), before);
            EXPECT_TRUE(project.IsProjectModified());
        }
    }
}

TEST_F(LegacyFiles, only_the_first_record_of_a_longer_file_counts) {
    Project a(FactorySettings());
    Project b(FactorySettings());
    ASSERT_TRUE(ImportLegacyProject(a, ZEK_TEST_DATA_DIR "/broken/legacy/exact_1220.ZEK", m_texts).ok());
    ASSERT_TRUE(ImportLegacyProject(b, ZEK_TEST_DATA_DIR "/broken/legacy/long_1300.ZEK", m_texts).ok());
    EXPECT_EQ(a.data(), b.data());
    EXPECT_EQ(a.data().Person.Str.str(), "Stra\xDF"
                                         "e 7");
    EXPECT_EQ(a.data().Verlustleistung.Bekannt, VerlustNichtBekannt);
}

} // namespace
