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
    p.Schaltschrank = {600, 2000, 600, Anderes, 5.0, Einzelschrank, Freistehend};
    p.Verlustleistung = {VerlustBekannt, 800, 0, 0};
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
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(ProjectFileBytes(p, 1)) > 0);
    out.close();

    const CliRun r = runCli({file, "--json", "--data-dir", binDir()});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    // 25.8 W/K · -5 K through the walls, as in the worked example of the calculation.
    const std::pair<const char*, int> values[] = {{"Gesamtverlustleistung", 800}, {"WandwaermeMax", -129},
                                                  {"Kuehlleistung", 671},         {"Luftmenge", 395},
                                                  {"LuftLuftBedarf", 3355},       {"WasserBedarf", 839}};
    for (const auto& [key, value] : values)
        EXPECT_EQ(o[key].toInt(), value) << key;
    EXPECT_EQ(o["Teilverluste"].toArray().size(), 89);

    DeviceTable table;
    ASSERT_TRUE(table.LiesTypDatei(QDir(binDir()).filePath("zkdeu.TYP")));
    Kandidatenliste fromJson;
    for (const QJsonValue v : o["Kandidaten"].toArray()) {
        const QJsonObject c = v.toObject();
        fromJson.push_back({c["index"].toInt(), c["anzahl"].toInt(), c["leistung"].toInt(),
                            c["typcode"].toString().toStdString()});
    }
    EXPECT_EQ(fromJson, SucheKandidaten(table, p, Bilanz(p)));
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
