#include "../io/IoTestSupport.h"

#include "core/SettingsData.h"
#include "devices/Balance.h"
#include "io/ProjectFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace zek {
namespace {

const QString kBin = qEnvironmentVariable("ZEK_BIN_DIR");

// The exit code (-1 after a crash or time-out) and standard output of `zek-cli balance`.
std::pair<int, QByteArray> runCli(const QStringList& args) {
    QProcess process;
    process.start(kBin + "/zek-cli", QStringList{"balance"} + args);
    const bool ended = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput()};
}

TEST(BalanceCommand, exit_codes_and_the_json_of_the_worked_example) {
    if (kBin.isEmpty())
        GTEST_SKIP() << "ZEK_BIN_DIR not set";
    QTemporaryDir dir;
    const std::pair<QStringList, int> cases[] = {
        {{dir.filePath("fehlt.Z20"), "--data-dir", kBin}, 1}, // no such project
        {{dir.filePath("fehlt.ZEK"), "--data-dir", kBin}, 1},
        {{dir.filePath("projekt.txt"), "--data-dir", kBin}, 1}, // read by its content: missing
        {{}, 2},
        {{dir.filePath("p.Z20"), "--lang", "../zkdeu"}, 2},     // a code is no path
        {{dir.filePath("p.Z20"), "--data-dir", dir.path()}, 3}, // no device table there
    };
    for (const auto& [args, exitCode] : cases)
        EXPECT_EQ(runCli(args).first, exitCode) << args.join(' ').toStdString();

    // The worked example: 5.16 m² at k = 5, 800 W known loss, 35 °C inside, 30 °C outside,
    // water at 15 °C.
    ProjectData p = NewProject(FactorySettings());
    p.Schaltschrank = {600, 2000, 600, Anderes, 5.0, Einzelschrank, Freistehend};
    p.Verlustleistung = {VerlustBekannt, 800, 0, 0};
    p.Temperatur = {35, 10, 30, 5, 15};
    test::writeBytes(dir.filePath("beispiel.z20"), ProjectFileBytes(p, 1)); // the extension in any case

    const auto [exitCode, json] = runCli({dir.filePath("beispiel.z20"), "--json", "--data-dir", kBin});
    ASSERT_EQ(exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    // 25.8 W/K · -5 K through the walls, as in the worked example of the calculation.
    const std::pair<const char*, int> values[] = {{"Gesamtverlustleistung", 800}, {"WandwaermeMax", -129},
                                                  {"Kuehlleistung", 671},         {"Luftmenge", 395},
                                                  {"LuftLuftBedarf", 3355},       {"WasserBedarf", 839}};
    for (const auto& [key, value] : values)
        EXPECT_EQ(o[key].toInt(), value) << key;

    DeviceTable table;
    ASSERT_TRUE(table.LiesTypDatei(kBin + "/zkdeu.TYP"));
    Kandidatenliste fromJson;
    for (const QJsonValue c : o["Kandidaten"].toArray())
        fromJson.push_back({c["index"].toInt(), c["anzahl"].toInt(), c["leistung"].toInt(),
                            c["typcode"].toString().toStdString()});
    EXPECT_EQ(fromJson, SucheKandidaten(table, p, Bilanz(p)));
    // Off: 25.8 · 5 = 129 W; running: 129 - 800 < 0, not searched.
    EXPECT_EQ(o["Heizung"].toArray().size(), 1);
    EXPECT_EQ(o["Heizung"][0]["bedarf"].toInt(), 129);
}

} // namespace
} // namespace zek
