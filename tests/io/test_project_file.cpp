#include "IoTestSupport.h"
#include "ProjectSamples.h"

#include "io/FileAccess.h"
#include "io/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zek;
using namespace zek::test;

namespace {

const MapTexts kTexts({{1005008, "RO"},
                       {1005009, "Overwrite?"},
                       {1005090, "Check"},
                       {1005091, "Medium"},
                       {1005080, "Cannot write %s"}});

class ProjectFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(name); }

    // Reads the file into a fresh project and returns the record.
    ProjectData read(const QString& file) {
        Project p(FactorySettings());
        ReadProjectFile(p, FactorySettings(), file);
        EXPECT_FALSE(p.IsProjectModified());
        return p.data();
    }
    ProjectData readText(const std::string& text) {
        const QString file = path("text.Z20");
        writeBytes(file, QByteArray::fromStdString(text));
        return read(file);
    }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_dir;
};

const auto kAlwaysYes = [](const std::string&) { return true; };

TEST_F(ProjectFileTest, full_project_round_trips_field_by_field) {
    Project project(FactorySettings());
    project.data() = fullProject();
    const IoResult r = WriteProjectFile(project, path("full.Z20"), kTexts, kAlwaysYes);
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_FALSE(project.IsProjectModified());
    EXPECT_EQ(read(path("full.Z20")), fullProject());
}

TEST_F(ProjectFileTest, written_bytes_match_the_golden_file) {
    const QByteArray golden = fileBytes(ZEK_TEST_DATA_DIR "/io/full_project.Z20");
    ASSERT_FALSE(golden.isEmpty());
    expectSameLines(ProjectFileBytes(fullProject(), 4711), golden);
}

TEST_F(ProjectFileTest, new_project_round_trips_and_file_order_is_fixed) {
    Project project(FactorySettings());
    ASSERT_TRUE(WriteProjectFile(project, path("new.Z20"), kTexts, kAlwaysYes).ok());
    EXPECT_EQ(read(path("new.Z20")), project.data());

    const QByteArray bytes = fileBytes(path("new.Z20"));
    EXPECT_TRUE(bytes.startsWith("[Person]\r\nFirma=\r\n"));
    const qsizetype auswahl = bytes.indexOf("\r\n[Auswahl]\r\nGeraeteCheck=---------1111");
    const qsizetype test = bytes.indexOf("\r\n[Test]\r\nTest=");
    EXPECT_GT(auswahl, 0);
    EXPECT_GT(test, auswahl);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n["), 19); // twenty sections, the first at the start
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
}

TEST_F(ProjectFileTest, k_value_is_kept_in_tenths_rounded_half_to_even) {
    const std::pair<double, const char*> cases[] = {
        {7.25, "=72\r\n"}, // 72.5 -> 72, the even neighbour
        {0.75, "=8\r\n"},  // 7.5 -> 8
        {0.3, "=3\r\n"},   // 3.0000000000000004 -> 3
        {5.5, "=55\r\n"},
    };
    for (const auto& [k, written] : cases) {
        ProjectData p = NewProject(FactorySettings());
        p.Schaltschrank.Material = Anderes;
        p.Schaltschrank.Waermedurchgangszahl = k;
        const QByteArray bytes = ProjectFileBytes(p, 1);
        EXPECT_TRUE(bytes.contains(QByteArray("\r\nW\xE4rmedurchgangszahl") + written)) << k;
    }
    // 72 tenths read back as 7.2.
    EXPECT_DOUBLE_EQ(readText("[Schaltschrank]\r\nMaterial=4\r\nW\xE4rmedurchgangszahl=72\r\n")
                         .Schaltschrank.Waermedurchgangszahl,
                     7.2);
}

struct ReadCase {
    const char* name;
    std::string file;
    std::function<void(const ProjectData&)> expect;
};

TEST_F(ProjectFileTest, values_read_as_described) {
    const ProjectData fresh = NewProject(FactorySettings());
    const ReadCase cases[] = {
        {"table material ignores the stored k",
         "[Schaltschrank]\r\nMaterial=2\r\nW\xE4rmedurchgangszahl=99\r\n",
         [](const ProjectData& p) {
             EXPECT_EQ(p.Schaltschrank.Material, Aluminium);
             EXPECT_DOUBLE_EQ(p.Schaltschrank.Waermedurchgangszahl, 20.0);
         }},
        {"other material takes the stored k",
         "[Schaltschrank]\r\nMaterial=7\r\nW\xE4rmedurchgangszahl=99\r\n",
         [](const ProjectData& p) {
             EXPECT_EQ(p.Schaltschrank.Material, Anderes);
             EXPECT_DOUBLE_EQ(p.Schaltschrank.Waermedurchgangszahl, 9.9);
         }},
        {"missing keys give zero, except the selection", "[Frequenzumrichter]\r\nAnzahlNr1=2\r\n",
         [&](const ProjectData& p) {
             EXPECT_EQ(p.Frequenzumrichter[0].Anzahl, 2);
             EXPECT_EQ(p.Frequenzumrichter[0].Wirkungsgrad, 0); // not the reset value 95
             EXPECT_EQ(p.Frequenzumrichter[7].Ausnutzung, 0);   // not the reset value 80
             EXPECT_EQ(p.Sicherungen[0].Art, 0);
             EXPECT_EQ(p.Verlustleistung.Bekannt, 0);
             EXPECT_EQ(p.Auswahl.Geraete, 65535);
             EXPECT_EQ(p.Auswahl.GeraeteCheck, fresh.Auswahl.GeraeteCheck);
         }},
        {"short selection string overlays the first positions",
         "[Auswahl]\r\nGeraeteCheck=0000000000\r\nGeraete=$FF\r\n",
         [](const ProjectData& p) {
             EXPECT_EQ(p.Auswahl.GeraeteCheck, std::string(10, '0') + std::string(46, '1'));
             EXPECT_EQ(p.Auswahl.Geraete, 255);
         }},
        {"long selection string is cut to 56",
         "[Auswahl]\r\nGeraeteCheck=" + std::string(80, '0') + "\r\nGeraete=x\r\n",
         [](const ProjectData& p) {
             EXPECT_EQ(p.Auswahl.GeraeteCheck, std::string(56, '0'));
             EXPECT_EQ(p.Auswahl.Geraete, 65535); // no number: the fallback
         }},
        {"unsigned fields keep the low 16 bits, temperatures are signed",
         "[Anschluss]\r\nSpannung=70000\r\nStrom=-1\r\n[Temperatur]\r\nMinAussen=-20\r\nMaxInnen="
         "0x7FFFFFFF\r\n"
         "Wasser=-20\r\n",
         [](const ProjectData& p) {
             EXPECT_EQ(p.Anschluss.Spannung, 4464); // 70000 - 65536
             EXPECT_EQ(p.Anschluss.Strom, 65535);   // -1 -> all 16 bits
             EXPECT_EQ(p.Temperatur.MinAussen, -20);
             EXPECT_EQ(p.Temperatur.MaxInnen, 2147483647);
             EXPECT_EQ(p.Temperatur.Wasser, 65516); // -20 + 65536
         }},
        {"texts are cut to their field widths",
         "[Person]\r\nFirma=" + std::string(70, 'F') + "\r\n[Sonstige]\r\nBezeichnunglNr3=" +
             std::string(30, 'S') + "\r\n[Frequenzumrichter]\r\nBezeichnungNr8=  \"quoted\"  \r\n",
         [](const ProjectData& p) {
             EXPECT_EQ(p.Person.Firma.str(), std::string(50, 'F'));
             EXPECT_EQ(p.Sonstige[2].Bezeichnung.str(), std::string(20, 'S'));
             EXPECT_EQ(p.Frequenzumrichter[7].Bezeichnung.str(), "quoted");
         }},
        {"names match without regard to case",
         "[schaltschrank]\r\nBREITE=800\r\ngeh\xC4USEART=2\r\n[sonstige]\r\nbezeichnunglnr10=x\r\n",
         [](const ProjectData& p) {
             EXPECT_EQ(p.Schaltschrank.Breite, 800);
             EXPECT_EQ(p.Schaltschrank.Gehaeuseart, 2);
             EXPECT_EQ(p.Sonstige[9].Bezeichnung.str(), "x");
         }},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.expect(readText(c.file));
    }
}

TEST_F(ProjectFileTest, broken_profile_files_read_with_stated_outcomes) {
    const ReadCase cases[] = {
        {"no_sections.Z20",
         {},
         [](const ProjectData& p) {
             EXPECT_TRUE(p.Person.Firma.empty());
             EXPECT_EQ(p.Schaltschrank.Breite, 0);
         }},
        {"keys_before_section.Z20",
         {},
         [](const ProjectData& p) {
             EXPECT_EQ(p.Schaltschrank.Breite, 0);
             EXPECT_EQ(p.Schaltschrank.Hoehe, 7);
         }},
        {"lf_only.Z20",
         {},
         [](const ProjectData& p) {
             EXPECT_EQ(p.Anschluss, (AnschlussGroup{230, 16}));
         }},
        {"cr_only.Z20",
         {},
         [](const ProjectData& p) {
             EXPECT_EQ(p.Anschluss, (AnschlussGroup{230, 16}));
         }},
        {"nul_bytes.Z20",
         {},
         [](const ProjectData& p) {
             EXPECT_EQ(p.Person.Name.str(), "Me");
             EXPECT_EQ(p.Person.Firma.str(), "ok");
         }},
        {"duplicate_sections.Z20",
         {},
         [](const ProjectData& p) {
             EXPECT_EQ(p.Anschluss, (AnschlussGroup{230, 16}));
         }},
        {"numbers.Z20",
         {},
         [](const ProjectData& p) {
             EXPECT_EQ(p.Anschluss, (AnschlussGroup{5, 12}));
             EXPECT_EQ(p.Schaltschrank.Breite, 0); // overflow is no number
             EXPECT_EQ(p.Schaltschrank.Hoehe, 0);  // "$" without digits
             EXPECT_EQ(p.Schaltschrank.Tiefe, 0);  // "0x" without digits
             EXPECT_EQ(p.Temperatur.MinAussen, -7);
             EXPECT_EQ(p.Temperatur.MaxAussen, 0); // "1 2"
             EXPECT_EQ(p.Temperatur.Wasser, 31);   // $1F
             EXPECT_EQ(p.Temperatur.MaxInnen, -16);
         }},
        {"long_line.Z20",
         {},
         [](const ProjectData& p) {
             EXPECT_EQ(p.Person.Firma.str(), std::string(50, 'x'));
             EXPECT_EQ(p.Person.Name.str(), "after");
         }},
        {"binary_junk.Z20",
         {},
         [](const ProjectData& p) { EXPECT_EQ(p.Auswahl.GeraeteCheck.size(), kGeraeteCheckLength); }},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.expect(read(QString(ZEK_TEST_DATA_DIR "/broken/profile/") + c.name));
    }
}

TEST_F(ProjectFileTest, missing_file_reads_as_new_project_and_can_be_saved_under_its_name) {
    Project project(FactorySettings());
    project.data().Anschluss.Spannung = 230;
    EXPECT_FALSE(ReadProjectFile(project, FactorySettings(), path("none.Z20")));
    EXPECT_EQ(project.data(), NewProject(FactorySettings()));
    EXPECT_FALSE(project.IsProjectModified());
    EXPECT_TRUE(WriteProjectFile(project, path("none.Z20"), kTexts, kAlwaysYes).ok());
    EXPECT_TRUE(QFileInfo::exists(path("none.Z20")));
}

TEST_F(ProjectFileTest, read_only_file_is_kept_on_no_and_rewritten_read_only_on_yes) {
    const QString file = path("ro.Z20");
    writeBytes(file, "[Person]\r\nName=old\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
    Project project(FactorySettings());
    project.data().Person.Name = "new";

    std::string asked;
    const IoResult no = WriteProjectFile(project, file, kTexts, [&](const std::string& q) {
        asked = q;
        return false;
    });
    EXPECT_EQ(no.status, IoStatus::Declined);
    EXPECT_TRUE(no.message.empty());
    EXPECT_EQ(asked, "RO\r\nOverwrite?");
    EXPECT_EQ(fileBytes(file), "[Person]\r\nName=old\r\n");
    EXPECT_TRUE(isReadOnlyFile(file));
    EXPECT_TRUE(project.IsProjectModified());

    EXPECT_TRUE(WriteProjectFile(project, file, kTexts, kAlwaysYes).ok());
    EXPECT_EQ(read(file).Person.Name.str(), "new");
    EXPECT_TRUE(isReadOnlyFile(file));
    EXPECT_FALSE(project.IsProjectModified());
}

TEST_F(ProjectFileTest, failed_write_leaves_the_old_file_intact_and_the_project_modified) {
    const QString file = path("keep.Z20");
    Project project(FactorySettings());
    ASSERT_TRUE(WriteProjectFile(project, file, kTexts, kAlwaysYes).ok());
    const QByteArray before = fileBytes(file);

    project.data() = fullProject(); // about 6 KB, more than the limit lets through
    IoResult r;
    {
        FileSizeLimit limit(2048);
        r = WriteProjectFile(project, file, kTexts, kAlwaysYes);
    }
    EXPECT_EQ(r.status, IoStatus::WriteFailed);
    EXPECT_EQ(r.message, "Cannot write " + QDir::toNativeSeparators(file).toStdString());
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_TRUE(project.IsProjectModified());
    EXPECT_EQ(entries(), QStringList{"keep.Z20"}); // no half-written file left behind
}

TEST_F(ProjectFileTest, folder_that_does_not_exist_is_a_write_error) {
    Project project(FactorySettings());
    project.data().Anschluss.Strom = 1;
    const IoResult r = WriteProjectFile(project, path("no/such/dir.Z20"), kTexts, kAlwaysYes);
    EXPECT_EQ(r.status, IoStatus::WriteFailed);
    EXPECT_NE(r.message.find("Cannot write "), std::string::npos);
    EXPECT_TRUE(project.IsProjectModified());
}

TEST_F(ProjectFileTest, unwritable_folder_leaves_the_old_file_intact) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the administrator may write anywhere";
    const QString file = path("locked.Z20");
    writeBytes(file, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0555), 0);
    Project project(FactorySettings());
    const IoResult r = WriteProjectFile(project, file, kTexts, kAlwaysYes);
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
    EXPECT_EQ(r.status, IoStatus::WriteFailed);
    EXPECT_EQ(fileBytes(file), "old");
}

TEST_F(ProjectFileTest, rewrite_keeps_permissions_and_links) {
    const QString real = path("real.Z20");
    const QString link = path("link.Z20");
    writeBytes(real, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(real, link));

    Project project(FactorySettings());
    ASSERT_TRUE(WriteProjectFile(project, link, kTexts, kAlwaysYes).ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(fileBytes(real).startsWith("[Person]"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(ProjectFileTest, file_that_does_not_read_back_never_replaces_the_old_one) {
    const QString file = path("checked.Z20");
    writeBytes(file, "old");
    int code = 0;
    EXPECT_EQ(writeFileAtomically(
                  file, "new", [](const QByteArray&) { return false; }, &code),
              IoStatus::CheckFailed);
    EXPECT_EQ(fileBytes(file), "old");
    EXPECT_EQ(entries(), QStringList{"checked.Z20"});
}

} // namespace
