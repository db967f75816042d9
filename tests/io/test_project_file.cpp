#include "IoTestSupport.h"
#include "ProjectSamples.h"

#include "io/FileAccess.h"
#include "io/Profile.h"
#include "io/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zek;
using namespace zek::test;

namespace {

const MapTexts kTexts({{1005008, "RO"}, {1005009, "Overwrite?"}, {1005080, "Cannot write %s"}});
const auto kYes = [](const std::string&) { return true; };

class ProjectFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(name); }
    ProjectData read(const QString& file) {
        Project p(FactorySettings());
        ReadProjectFile(p, FactorySettings(), file);
        EXPECT_FALSE(p.IsProjectModified());
        return p.data();
    }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir m_dir;
};

TEST_F(ProjectFileTest, full_project_round_trips_and_matches_the_golden_file) {
    Project project(FactorySettings());
    project.data() = fullProject();
    ASSERT_TRUE(WriteProjectFile(project, path("full.Z20"), kTexts, kYes).ok());
    EXPECT_FALSE(project.IsProjectModified());
    EXPECT_EQ(read(path("full.Z20")), fullProject());

    // Compared whole; a difference names its first line.
    const QList<QByteArray> golden = fileBytes(ZEK_TEST_DATA_DIR "/io/full_project.Z20").split('\n');
    const QList<QByteArray> lines = ProjectFileBytes(fullProject(), 4711).split('\n');
    for (qsizetype i = 0; i < std::min(golden.size(), lines.size()); ++i)
        ASSERT_EQ(lines[i].toStdString(), golden[i].toStdString()) << "line " << i + 1;
    EXPECT_EQ(lines.size(), golden.size());
}

TEST_F(ProjectFileTest, k_value_is_written_in_tenths_rounded_half_to_even) {
    for (const auto& [k, written] : {std::pair{7.25, "=72\r\n"},  // 72.5 -> 72, the even neighbour
                                     std::pair{0.75, "=8\r\n"},   // 7.5 -> 8
                                     std::pair{0.3, "=3\r\n"}}) { // 3.0000000000000004 -> 3
        ProjectData p = NewProject(FactorySettings());
        p.Schaltschrank.Material = Anderes;
        p.Schaltschrank.Waermedurchgangszahl = k;
        EXPECT_TRUE(ProjectFileBytes(p, 1).contains(QByteArray("\r\nW\xE4rmedurchgangszahl") + written)) << k;
    }
}

TEST_F(ProjectFileTest, stored_values_read_as_described) {
    const std::string fresh = NewProject(FactorySettings()).Auswahl.GeraeteCheck;
    int n = 0;
    const auto inline_ = [&](const std::string& text) {
        const QString file = m_dir.filePath(QString("t%1.Z20").arg(++n));
        writeBytes(file, QByteArray::fromStdString(text));
        return file;
    };
    const auto broken = [](const char* name) { return QString(ZEK_TEST_DATA_DIR "/broken/profile/") + name; };
    const auto supply230 = [](const ProjectData& p) { EXPECT_EQ(p.Anschluss, (AnschlussGroup{230, 16})); };
    const struct {
        QString file;
        std::function<void(const ProjectData&)> expect;
    } cases[] = {
        {inline_("[Schaltschrank]\r\nMaterial=4\r\nW\xE4rmedurchgangszahl=72\r\n"),
         [](auto& p) { EXPECT_DOUBLE_EQ(p.Schaltschrank.Waermedurchgangszahl, 7.2); }},
        {inline_("[Schaltschrank]\r\nMaterial=2\r\nW\xE4rmedurchgangszahl=99\r\n"),
         [](auto& p) {
             EXPECT_EQ(p.Schaltschrank, (SchaltschrankGroup{0, 0, 0, 2, 20.0, 0, 0}));
         }},
        {inline_("[Schaltschrank]\r\nMaterial=7\r\nW\xE4rmedurchgangszahl=99\r\n"),
         [](auto& p) {
             EXPECT_EQ(p.Schaltschrank, (SchaltschrankGroup{0, 0, 0, 4, 9.9, 0, 0}));
         }},
        {inline_("[Frequenzumrichter]\r\nAnzahlNr1=2\r\n[Auswahl]\r\nGeraete=x\r\n"),
         [&](auto& p) {
             // Missing keys give 0, not the reset values 95, 80 and 1; the selection keeps its own.
             EXPECT_EQ(p.Frequenzumrichter[0], (FrequenzumrichterZeile{2, 0, 0, 0, ""}));
             EXPECT_EQ(p.Sicherungen[0].Art, 0);
             EXPECT_EQ(p.Auswahl, (AuswahlGroup{fresh, 65535}));
         }},
        {inline_("[Auswahl]\r\nGeraeteCheck=0000000000\r\nGeraete=$FF\r\n"),
         [](auto& p) {
             EXPECT_EQ(p.Auswahl, (AuswahlGroup{"0000000000" + std::string(46, '1'), 255}));
         }},
        {inline_("[Auswahl]\r\nGeraeteCheck=" + std::string(80, '0') + "\r\n"),
         [](auto& p) { EXPECT_EQ(p.Auswahl.GeraeteCheck, std::string(56, '0')); }},
        // 70000 - 65536 = 4464; -1 sets all 16 bits; a water temperature of -20 is stored as 65516.
        {inline_(
             "[Anschluss]\r\nSpannung=70000\r\nStrom=-1\r\n[Temperatur]\r\nMinAussen=-20\r\nWasser=-20\r\n"),
         [](auto& p) {
             EXPECT_EQ(p.Anschluss, (AnschlussGroup{4464, 65535}));
             EXPECT_EQ(p.Temperatur.MinAussen, -20);
             EXPECT_EQ(p.Temperatur.Wasser, 65516);
         }},
        {inline_("[Person]\r\nFirma=" + std::string(70, 'F') +
                 "\r\n[sonstige]\r\nbezeichnunglnr10=  \"x\"  \r\n"),
         [](auto& p) {
             EXPECT_EQ(p.Person.Firma.str(), std::string(50, 'F'));
             EXPECT_EQ(p.Sonstige[9].Bezeichnung.str(), "x");
         }},
        {broken("no_sections.Z20"), [](auto& p) { EXPECT_TRUE(p.Person.Firma.empty()); }},
        {broken("keys_before_section.Z20"),
         [](auto& p) {
             EXPECT_EQ(p.Schaltschrank, (SchaltschrankGroup{0, 7, 0, 0, 5.5, 0, 0}));
         }},
        {broken("lf_only.Z20"), supply230},
        {broken("cr_only.Z20"), supply230},
        {broken("duplicate_sections.Z20"), supply230},
        {broken("nul_bytes.Z20"), [](auto& p) { EXPECT_EQ(p.Person.Name.str(), "Me"); }},
        {broken("numbers.Z20"),
         [](auto& p) {
             EXPECT_EQ(p.Anschluss, (AnschlussGroup{5, 12}));
             // Overflow, "$" and "0x" without digits are no numbers.
             EXPECT_EQ(p.Schaltschrank, (SchaltschrankGroup{0, 0, 0, 0, 5.5, 0, 0}));
             EXPECT_EQ(p.Temperatur, (TemperaturGroup{-16, 0, 0, -7, 31}));
         }},
        {broken("long_line.Z20"),
         [](auto& p) {
             EXPECT_EQ(p.Person, (PersonGroup{FixedText<50>(std::string(50, 'x')), "", "after", "", ""}));
         }},
        {broken("binary_junk.Z20"),
         [](auto& p) { EXPECT_EQ(p.Auswahl.GeraeteCheck.size(), kGeraeteCheckLength); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        c.expect(read(c.file));
    }
}

TEST_F(ProjectFileTest, missing_file_reads_as_new_project_and_a_save_creates_it) {
    Project project(FactorySettings());
    project.data().Anschluss.Spannung = 230;
    EXPECT_FALSE(ReadProjectFile(project, FactorySettings(), path("none.Z20")));
    EXPECT_EQ(project.data(), NewProject(FactorySettings()));
    EXPECT_FALSE(project.IsProjectModified());
    ASSERT_TRUE(WriteProjectFile(project, path("none.Z20"), kTexts, kYes).ok());
    EXPECT_EQ(read(path("none.Z20")), project.data());
    // Empty texts, and the selection of a new project: 65535 as such, not as -1.
    const QByteArray bytes = fileBytes(path("none.Z20"));
    EXPECT_TRUE(bytes.startsWith("[Person]\r\nFirma=\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n[Auswahl]\r\nGeraeteCheck=---------1111"));
    EXPECT_TRUE(bytes.contains("\r\nGeraete=65535\r\n\r\n[Test]\r\nTest="));
}

TEST_F(ProjectFileTest, read_only_file_is_kept_on_no_and_rewritten_read_only_on_yes) {
    const QString file = path("ro.Z20");
    writeBytes(file, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
    Project project(FactorySettings());
    project.data().Person.Name = "new";

    std::string asked;
    const IoResult no = WriteProjectFile(project, file, kTexts, [&](const std::string& q) {
        asked = q;
        return false;
    });
    EXPECT_EQ(no.status, IoStatus::Declined);
    EXPECT_EQ(asked, "RO\r\nOverwrite?");
    EXPECT_EQ(fileBytes(file), "old");
    EXPECT_TRUE(isReadOnlyFile(file));
    EXPECT_TRUE(project.IsProjectModified());

    EXPECT_TRUE(WriteProjectFile(project, file, kTexts, kYes).ok());
    EXPECT_EQ(read(file).Person.Name.str(), "new");
    EXPECT_TRUE(isReadOnlyFile(file));
    EXPECT_FALSE(project.IsProjectModified());
}

TEST_F(ProjectFileTest, values_no_page_would_give_are_listed_with_the_value_used) {
    const struct {
        std::string text;
        DoubtfulValues doubtful;
    } cases[] = {
        // The last value of each range, and empty or missing values, are what a page gives.
        {"[Schaltschrank]\r\nBreite=9999\r\nHoehe=\r\nMaterial=4\r\nW\xE4rmedurchgangszahl=0\r\n"
         "[Temperatur]\r\nMinAussen=-50\r\nMaxAussen=75\r\n[Sicherungen]\r\nArtNr1=3\r\n"
         "[Auswahl]\r\nGeraete=65535\r\n[Person]\r\nFirma=" +
             std::string(50, 'F'),
         {}},
        // -400 keeps its low 16 bits: 65536 - 400 = 65136.
        {"[Schaltschrank]\r\nBreite=10000\r\nTiefe=-400\r\nMaterial=5\r\nW\xE4rmedurchgangszahl=-1\r\n",
         {{"Schaltschrank", "Breite", "10000", "10000"},
          {"Schaltschrank", "Tiefe", "-400", "65136"},
          {"Schaltschrank", "Material", "5", "4"},
          {"Schaltschrank", "W\xE4rmedurchgangszahl", "-1", "-1"}}},
        {"[Temperatur]\r\nMinAussen=-51\r\nMaxAussen=76\r\n[Sicherungen]\r\nArtNr1=0\r\n"
         "[Verlustleistung]\r\nWertBekannt=99999999999999999999\r\nBekannt=zwei\r\n",
         {{"Temperatur", "MaxAussen", "76", "76"},
          {"Temperatur", "MinAussen", "-51", "-51"},
          {"Verlustleistung", "Bekannt", "zwei", "0"},
          {"Verlustleistung", "WertBekannt", "99999999999999999999", "0"},
          {"Sicherungen", "ArtNr1", "0", "0"}}},
        {"[Auswahl]\r\nGeraete=65536\r\n[Person]\r\nFirma=" + std::string(51, 'F'),
         {{"Person", "Firma", std::string(51, 'F'), std::string(50, 'F')},
          {"Auswahl", "Geraete", "65536", "0"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ProjectData p = NewProject(FactorySettings());
        DoubtfulValues doubtful;
        ReadProjectProfile(Profile(c.text), p, &doubtful);
        EXPECT_EQ(doubtful, c.doubtful);
    }
}

TEST_F(ProjectFileTest, a_failed_or_unreadable_write_leaves_the_old_file_intact_and_the_project_modified) {
    const QString file = path("keep.Z20");
    Project project(FactorySettings());
    ASSERT_TRUE(WriteProjectFile(project, file, kTexts, kYes).ok());
    const QByteArray before = fileBytes(file);

    project.data() = fullProject(); // about 6 KB, more than the limit lets through
    IoResult r;
    {
        FileSizeLimit limit(2048);
        r = WriteProjectFile(project, file, kTexts, kYes);
    }
    EXPECT_EQ(r.status, IoStatus::WriteFailed);
    EXPECT_EQ(r.message, "Cannot write " + file.toStdString());
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_TRUE(project.IsProjectModified());
    EXPECT_EQ(files(), QStringList{"keep.Z20"}); // no half-written file left behind

    // A file that does not read back never replaces the old one.
    EXPECT_EQ(writeFileAtomically(
                  file, "new", [](const QByteArray&) { return false; }, nullptr),
              IoStatus::CheckFailed);
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_EQ(files(), QStringList{"keep.Z20"});
    // A FIFO (or a device) is never replaced by a regular file.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    EXPECT_EQ(writeFileAtomically(path("fifo"), "new", nullptr, nullptr), IoStatus::WriteFailed);
    EXPECT_TRUE(QFileInfo(path("fifo")).exists() && !QFileInfo(path("fifo")).isFile());
}

TEST_F(ProjectFileTest, rewrite_keeps_permissions_and_links) {
    writeBytes(path("real.Z20"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("real.Z20")).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(path("real.Z20"), path("link.Z20")));

    Project project(FactorySettings());
    ASSERT_TRUE(WriteProjectFile(project, path("link.Z20"), kTexts, kYes).ok());
    EXPECT_TRUE(QFileInfo(path("link.Z20")).isSymLink());
    EXPECT_TRUE(fileBytes(path("real.Z20")).startsWith("[Person]"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path("real.Z20")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

} // namespace
