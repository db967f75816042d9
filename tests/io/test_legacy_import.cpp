#include "IoTestSupport.h"

#include "core/SettingsData.h"
#include "io/LegacyImport.h"

#include <QDir>
#include <cstring>
#include <gtest/gtest.h>

using namespace zek;
using namespace zek::test;

namespace {

// A version 1.1 record, written field by field at the offsets of the format.
struct Record {
    std::string bytes = std::string(kLegacyRecordSize, '\0');
    Record& u16At(std::size_t at, unsigned v) {
        bytes[at] = char(v & 0xFF);
        bytes[at + 1] = char((v >> 8) & 0xFF);
        return *this;
    }
    Record& i32At(std::size_t at, std::int32_t v) {
        return u16At(at, std::uint32_t(v) & 0xFFFF).u16At(at + 2, std::uint32_t(v) >> 16);
    }
    Record& textAt(std::size_t at, const std::string& dos, int lengthByte = -1) {
        bytes[at] = char(lengthByte < 0 ? int(dos.size()) : lengthByte);
        std::memcpy(&bytes[at + 1], dos.data(), dos.size());
        return *this;
    }
};

ProjectData imported(const Record& record) {
    ProjectData p = NewProject(FactorySettings());
    EXPECT_TRUE(ImportLegacyRecord(record.bytes, p));
    return p;
}

TEST(LegacyImport, every_field_comes_from_its_offset) {
    Record r;
    ProjectData e = NewProject(FactorySettings()); // what the import must give
    const char* texts[] = {"Firma", "Abteilung", "Name", "Str", "Ort", "Kunde", "Kontakt", "Projekt"};
    for (int i = 0; i < 8; ++i)
        r.textAt(std::size_t(51 * i), texts[i]);
    e.Person = {"Firma", "Abteilung", "Name", "Str", "Ort"};
    e.Projekt = {"Kunde", "Kontakt", "Projekt"};
    r.u16At(408, 400).u16At(410, 63).u16At(412, 1200).u16At(414, 2200).u16At(416, 500).u16At(418, 1);
    r.u16At(420, 2).u16At(422, 1).i32At(424, 35).i32At(428, 5).i32At(432, 45).i32At(436, -15);
    r.u16At(440, 18).u16At(442, 0xFFFF).u16At(444, 75).u16At(446, 55).u16At(448, 0).u16At(450, 1500);
    e.Anschluss = {400, 63};
    e.Schaltschrank = {1200, 2200, 500, Kunststoff, 3.5, Mittelschrank, Wandanbau};
    e.Temperatur = {35, 5, 45, -15, 18};
    e.Gleichzeitigkeit = {75, 55};
    e.Verlustleistung = {VerlustBekannt, 1500, 1, 1}; // no measured temperatures in 1.1: reset values
    // Slot groups and rows: a distinct value per field, in file order from offset 452.
    const auto fill = [&](std::size_t at, std::initializer_list<u16*> fields) {
        for (u16* f : fields) {
            *f = u16(at); // the offset itself, below every clamp bound used here
            r.u16At(at, unsigned(at));
            at += 2;
        }
    };
    for (int i = 0; i < 13; ++i)
        fill(452 + 2 * i, {&e.Leistungsschalter[i]});
    for (int i = 0; i < 10; ++i) {
        fill(478 + 6 * i, {&e.Sicherungen[i].Anzahl});
        r.u16At(480 + 6 * i, 16 + i).u16At(482 + 6 * i, 2);
        e.Sicherungen[i].Strom = u16(16 + i);
        e.Sicherungen[i].Art = 2;
    }
    fill(538, {&e.Motorschutz[0], &e.Motorschutz[1], &e.Relais[0], &e.Relais[1], &e.Relais[2], &e.Relais[3]});
    for (int i = 0; i < 12; ++i)
        fill(550 + 2 * i, {&e.Leistungsschuetze[i]});
    fill(574, {&e.Lampen[0], &e.Lampen[1], &e.Lampen[2], &e.Lampen[3]});
    for (int i = 0; i < 12; ++i)
        fill(582 + 4 * i, {&e.Transformatoren[i].Anzahl, &e.Transformatoren[i].Leistung});
    for (int i = 0; i < 10; ++i) {
        fill(630 + 8 * i, {&e.Netzteile[i].Anzahl});
        r.u16At(632 + 8 * i, 24).u16At(634 + 8 * i, 5 + i).u16At(636 + 8 * i, 3);
        e.Netzteile[i] = {e.Netzteile[i].Anzahl, 24, u16(5 + i), 3};
    }
    for (int i = 0; i < 8; ++i) {
        const std::size_t at = 710 + 30 * i;
        r.u16At(at, 900 + i).u16At(at + 2, 11 + i).u16At(at + 4, 90 + i).u16At(at + 6, 70 + i);
        r.textAt(at + 8, "FU" + std::to_string(i + 1));
        e.Frequenzumrichter[i] = {u16(900 + i), u16(11 + i), u16(90 + i), u16(70 + i),
                                  FixedText<20>("FU" + std::to_string(i + 1))};
    }
    fill(950, {&e.Steuerungen[0], &e.Steuerungen[1], &e.Steuerungen[2], &e.Steuerungen[3]});
    for (int i = 0; i < 10; ++i) {
        const std::size_t at = 958 + 26 * i;
        r.u16At(at, 960 + i).textAt(at + 2, "S" + std::to_string(i + 1)).u16At(at + 24, 3000 + i);
        e.Sonstige[i] = {u16(960 + i), FixedText<20>("S" + std::to_string(i + 1)), u16(3000 + i)};
    }
    r.u16At(1218, 0x5A5A);
    e.Auswahl.Geraete = 0x5A5A; // GeraeteCheck keeps its new-project value
    EXPECT_EQ(imported(r), e);
}

TEST(LegacyImport, numbers_are_clamped_into_their_ranges) {
    Record high, low;
    for (std::size_t at = 408; at < kLegacyRecordSize; at += 2) {
        high.u16At(at, 0xFFFF);
        low.u16At(at, 0);
    }
    for (std::size_t at = 424; at < 440; at += 4) {
        high.i32At(at, INT32_MAX);
        low.i32At(at, INT32_MIN);
    }
    // Version 1.1 knew "known" (0) and "not known" (1), no measured loss.
    EXPECT_EQ(imported(Record().u16At(448, 1)).Verlustleistung.Bekannt, 2);
    const ProjectData h = imported(high);
    EXPECT_EQ(h.Anschluss, (AnschlussGroup{9999, 9999}));
    EXPECT_EQ(h.Schaltschrank, (SchaltschrankGroup{9999, 9999, 9999, Edelstahl, 4.0, 2, 1}));
    EXPECT_EQ(h.Temperatur, (TemperaturGroup{60, 60, 75, 60, 60}));
    EXPECT_EQ(h.Gleichzeitigkeit, (GleichzeitigkeitGroup{100, 100}));
    EXPECT_EQ(h.Verlustleistung, (VerlustleistungGroup{2, 65535, 1, 1})); // the total as stored
    EXPECT_EQ(h.Sicherungen[9], (SicherungZeile{999, 9999, 3}));
    EXPECT_EQ(h.Netzteile[9], (NetzteilZeile{999, 999, 999, 3}));
    EXPECT_EQ(h.Frequenzumrichter[7].Ausnutzung, 100);
    EXPECT_EQ(h.Sonstige[9].Leistung, 9999);
    EXPECT_EQ(h.Auswahl.Geraete, 65535);
    const ProjectData l = imported(low);
    EXPECT_EQ(l.Temperatur, (TemperaturGroup{0, 0, 0, -20, 0}));
    EXPECT_EQ(l.Verlustleistung.Bekannt, 0);
    EXPECT_EQ(l.Sicherungen[9].Art, 1);
    EXPECT_EQ(l.Netzteile[9].Typ, 1);
}

TEST(LegacyImport, a_record_is_plausible_while_at_most_half_its_numbers_or_texts_lie_outside) {
    LegacyRecordFit fit;
    ProjectData p = NewProject(FactorySettings());
    const Record r = Record()
                         .u16At(452, 10000)
                         .u16At(454, 9999)
                         .textAt(0, "", 51)
                         .textAt(51, "", 50)
                         .textAt(710 + 8, "", 21);
    ASSERT_TRUE(ImportLegacyRecord(r.bytes, p, &fit));
    // Kinds 0 of the 10 fuse and 10 supply rows lie below 1, and 10000 above 9999: 21 of the
    // 201 numbers; length bytes 51 of 50 and 21 of 20: 2 of the 26 texts.
    EXPECT_EQ(fit.numbers, 201);
    EXPECT_EQ(fit.numbersOutside, 21);
    EXPECT_EQ(fit.texts, 26);
    EXPECT_EQ(fit.textsTooLong, 2);
    const std::pair<LegacyRecordFit, bool> cases[] = {
        {{201, 100, 26, 13}, true}, {{201, 101, 26, 0}, false}, {{201, 0, 26, 14}, false}};
    for (const auto& [f, plausible] : cases)
        EXPECT_EQ(f.plausible(), plausible) << f.numbersOutside << " " << f.textsTooLong;
}

TEST(LegacyImport, texts_convert_from_dos_and_stop_at_their_width) {
    // E1 is "ß" in code page 850, DF in Windows-1252.
    const ProjectData p = imported(Record()
                                       .textAt(153, std::string("Stra\xE1") + "e")
                                       .textAt(0, "\x84\x94\x81\x8E", 3)
                                       .textAt(102, "\xD2\xB5\xD4") // box drawing in code page 437
                                       .textAt(51, std::string(50, 'A'), 255)
                                       .textAt(710 + 8, std::string(20, 'B'), 200)
                                       .textAt(958 + 2, "x\ty") // a tab can be no part of a field
                                       .textAt(204, "\xB3x"));  // box drawing has no Windows-1252 form
    EXPECT_EQ(p.Person, (PersonGroup{"\xE4\xF6\xFC", FixedText<50>(std::string(50, 'A')), "\xCA\xC1\xC8",
                                     FixedText<50>(std::string("Stra\xDF") + "e"), "?x"}));
    EXPECT_EQ(p.Frequenzumrichter[0].Bezeichnung.str(), std::string(20, 'B'));
    EXPECT_EQ(p.Sonstige[0].Bezeichnung.str(), "x y");
}

TEST(LegacyImport, broken_files_give_a_message_and_leave_the_project_untouched) {
    const MapTexts texts({{1005082, "Too short: %s"},
                          {1013000, "Missing: %s"},
                          {1013001, "Folder: %s"},
                          {1013003, "Not 1.1: %s"}});
    const QDir dir(ZEK_TEST_DATA_DIR "/broken/legacy");
    Project reference(FactorySettings());
    ASSERT_TRUE(ImportLegacyProject(reference, dir.filePath("exact_1220.ZEK"), texts).ok());
    EXPECT_EQ(reference.data().Person.Str.str(), std::string("Stra\xDF") + "e 7");
    // clang-format off
    const struct { const char* file; IoStatus status; const char* message; } cases[] = {
        {"empty.ZEK", IoStatus::TooShort, "Too short: "},
        {"one_byte.ZEK", IoStatus::TooShort, "Too short: "},
        {"short_1000.ZEK", IoStatus::TooShort, "Too short: "},
        {"short_1219.ZEK", IoStatus::TooShort, "Too short: "},
        {"long_1300.ZEK", IoStatus::Ok, ""},
        {"all_ff.ZEK", IoStatus::NotAProject, "Not 1.1: "},
        {"random_1220.ZEK", IoStatus::NotAProject, "Not 1.1: "},
        {"missing.ZEK", IoStatus::ReadFailed, "Missing: "},
        {".", IoStatus::ReadFailed, "Folder: "},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Project project(FactorySettings());
        project.data().Person.Name = "before";
        const ProjectData before = project.data();
        const IoResult r = ImportLegacyProject(project, dir.filePath(c.file), texts);
        EXPECT_EQ(r.status, c.status);
        if (r.ok()) {
            EXPECT_FALSE(project.IsProjectModified());
        } else {
            EXPECT_EQ(r.message, c.message + dir.filePath(c.file).toStdString());
            EXPECT_EQ(project.data(), before);
        }
        if (c.file == std::string("long_1300.ZEK")) { // only the first record counts
            EXPECT_EQ(project.data(), reference.data());
        }
    }
}

} // namespace
