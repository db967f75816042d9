#include "core/SettingsData.h"
#include "devices/Balance.h"
#include "io/ProjectFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zek {
namespace {

QString binDir() {
    return QString::fromLocal8Bit(qgetenv("ZEK_BIN_DIR"));
}

struct CliRun {
    int exitCode = -1;
    QByteArray out;
};

CliRun runCli(const QStringList& args) {
    QProcess process;
    process.start(QDir(binDir()).filePath("zek-cli"), QStringList{"balance"} + args);
    CliRun r;
    if (!process.waitForFinished(30000))
        return r;
    r.exitCode = process.exitCode();
    r.out = process.readAllStandardOutput();
    return r;
}

// The worked example: 5.16 m² at k = 5, 800 W known loss, 35 °C inside, 30 °C outside,
// water at 15 °C.
ProjectData example() {
    ProjectData p = NewProject(FactorySettings());
    p.Schaltschrank.Breite = 600;
    p.Schaltschrank.Hoehe = 2000;
    p.Schaltschrank.Tiefe = 600;
    p.Schaltschrank.Gehaeuseart = Einzelschrank;
    p.Schaltschrank.Aufstellart = Freistehend;
    p.Schaltschrank.Material = Anderes;
    p.Schaltschrank.Waermedurchgangszahl = 5.0;
    p.Verlustleistung.Bekannt = VerlustBekannt;
    p.Verlustleistung.WertBekannt = 800;
    p.Temperatur = {35, 10, 30, 5, 15};
    return p;
}

TEST(BalanceCommand, json_of_a_project_file_matches_the_calculation) {
    if (binDir().isEmpty())
        GTEST_SKIP() << "ZEK_BIN_DIR not set";
    QTemporaryDir dir;
    const QString file = dir.filePath("beispiel.z20"); // the extension in any case
    const ProjectData p = example();
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(ProjectFileBytes(p, 1));
    out.close();

    const CliRun r = runCli({file, "--json", "--data-dir", binDir()});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(o["Gesamtverlustleistung"].toInt(), 800);
    EXPECT_EQ(o["WandwaermeMax"].toInt(), -129); // 25.8 W/K · -5 K
    EXPECT_EQ(o["Kuehlleistung"].toInt(), 671);
    EXPECT_EQ(o["Luftmenge"].toInt(), 395);
    EXPECT_EQ(o["LuftLuftBedarf"].toInt(), 3355);
    EXPECT_EQ(o["WasserBedarf"].toInt(), 839);
    EXPECT_EQ(o["Teilverluste"].toArray().size(), 89);

    DeviceTable table;
    ASSERT_TRUE(table.LiesTypDatei(QDir(binDir()).filePath("zkdeu.TYP")));
    const Kandidatenliste expected = SucheKandidaten(table, p, Bilanz(p));
    const QJsonArray k = o["Kandidaten"].toArray();
    ASSERT_EQ(k.size(), qsizetype(expected.size()));
    for (qsizetype i = 0; i < k.size(); ++i) {
        const QJsonObject c = k[i].toObject();
        EXPECT_EQ(c["index"].toInt(), expected[std::size_t(i)].index);
        EXPECT_EQ(c["typcode"].toString().toStdString(), expected[std::size_t(i)].typcode);
        EXPECT_EQ(c["anzahl"].toInt(), expected[std::size_t(i)].anzahl);
        EXPECT_EQ(c["leistung"].toInt(), expected[std::size_t(i)].leistung);
    }
    // Off: 25.8 · 5 = 129 W; running: 129 - 800 < 0, not searched.
    const QJsonArray h = o["Heizung"].toArray();
    ASSERT_EQ(h.size(), 1);
    EXPECT_EQ(h[0].toObject()["bedarf"].toInt(), 129);
    EXPECT_GE(h[0].toObject()["index"].toInt(), 0);
}

TEST(BalanceCommand, bad_calls_end_with_their_exit_codes) {
    if (binDir().isEmpty())
        GTEST_SKIP() << "ZEK_BIN_DIR not set";
    QTemporaryDir dir;
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{dir.filePath("fehlt.Z20"), "--data-dir", binDir()}, 1}, // no such project
        {{dir.filePath("fehlt.ZEK"), "--data-dir", binDir()}, 1},
        {{dir.filePath("projekt.txt")}, 2}, // unknown kind of file
        {{}, 2},
        {{dir.filePath("p.Z20"), "--lang", "../zkdeu"}, 2},     // a code is no path
        {{dir.filePath("p.Z20"), "--data-dir", dir.path()}, 3}, // no device table there
    };
    for (const auto& c : cases)
        EXPECT_EQ(runCli(c.args).exitCode, c.exitCode) << c.args.join(' ').toStdString();
}

} // namespace
} // namespace zek
