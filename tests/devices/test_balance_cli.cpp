#include "../io/IoTestSupport.h"

#include "core/SettingsData.h"
#include "devices/Balance.h"
#include "io/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <climits>

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

// Holds the JSON to the schema's types, bounds and keys (the keywords the schema uses),
// and every key of the schema to a description.
void expectMatches(const QJsonValue& value, const QJsonObject& schema, const std::string& where) {
    EXPECT_FALSE(schema["description"].toString().isEmpty()) << where << " is described";
    // ["integer", "null"]: a number, or null for none.
    const QJsonArray nullable = schema["type"].toArray();
    if (value.isNull()) {
        EXPECT_TRUE(nullable.contains("null")) << where << " is null";
        return;
    }
    const QString type = nullable.isEmpty() ? schema["type"].toString() : nullable.first().toString();
    if (type == "object") {
        const QJsonObject object = value.toObject(), properties = schema["properties"].toObject();
        ASSERT_TRUE(value.isObject()) << where;
        EXPECT_EQ(schema["required"].toArray().size(), properties.size())
            << where << ": every key always there";
        for (const QJsonValue key : schema["required"].toArray())
            EXPECT_TRUE(object.contains(key.toString())) << where << "." << key.toString().toStdString();
        for (auto it = object.begin(); it != object.end(); ++it) {
            ASSERT_TRUE(properties.contains(it.key()))
                << where << "." << it.key().toStdString() << " undocumented";
            expectMatches(it.value(), properties[it.key()].toObject(), where + "." + it.key().toStdString());
        }
    } else if (type == "array") {
        ASSERT_TRUE(value.isArray()) << where;
        const QJsonArray array = value.toArray();
        EXPECT_GE(array.size(), schema["minItems"].toInt(0)) << where;
        EXPECT_LE(array.size(), schema["maxItems"].toInt(INT_MAX)) << where;
        for (qsizetype i = 0; i < array.size(); ++i)
            expectMatches(array[i], schema["items"].toObject(), where + "[" + std::to_string(i) + "]");
    } else if (type == "integer") {
        ASSERT_TRUE(value.isDouble() && value.toDouble() == value.toInt()) << where;
        EXPECT_GE(value.toInt(), schema["minimum"].toInt(INT_MIN)) << where;
        EXPECT_LE(value.toInt(), schema["maximum"].toInt(INT_MAX)) << where;
    } else if (type == "boolean") {
        EXPECT_TRUE(value.isBool()) << where;
    } else {
        EXPECT_EQ(type, "string") << where;
        EXPECT_TRUE(value.isString()) << where;
    }
}

TEST(BalanceCommand, json_of_every_example_and_of_a_heater_not_found_follows_the_schema) {
    if (kBin.isEmpty())
        GTEST_SKIP() << "ZEK_BIN_DIR not set";
    QFile file(ZEK_SOURCE_DIR "/docs/balance.schema.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject schema = QJsonDocument::fromJson(file.readAll()).object();
    ASSERT_FALSE(schema.isEmpty());

    // 9999 mm cube of aluminium at 60 °C inside, -50 °C outside: megawatts that 20
    // heaters of the table cannot give.
    QTemporaryDir dir;
    ProjectData p = NewProject(FactorySettings());
    p.Schaltschrank = {9999, 9999, 9999, Aluminium, 20.0, Einzelschrank, Freistehend};
    p.Temperatur = {60, 60, 0, -50, 0};
    test::writeBytes(dir.filePath("kalt.Z20"), ProjectFileBytes(p, 1));
    QStringList projects = QDir(ZEK_SOURCE_DIR "/data/examples").entryList({"*.Z20", "*.ZEK"});
    for (QString& name : projects)
        name = ZEK_SOURCE_DIR "/data/examples/" + name;
    projects << dir.filePath("kalt.Z20");
    for (const QString& project : projects)
        for (const char* lang : {"zkdeu", "zkeng", "zkfra"}) {
            const auto [exitCode, json] = runCli({project, "--json", "--lang", lang, "--data-dir", kBin});
            ASSERT_EQ(exitCode, 0);
            const QJsonDocument document = QJsonDocument::fromJson(json);
            expectMatches(document.object(), schema,
                          QFileInfo(project).fileName().toStdString() + " " + lang);
            if (project.endsWith("kalt.Z20")) { // no device found
                EXPECT_EQ(document["Heizung"][0].toObject(),
                          (QJsonObject{{"bedarf", document["WandwaermeMin"]},
                                       {"index", -1},
                                       {"anzahl", 0},
                                       {"artikel", ""}}));
            }
        }
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
    // 25.8 W/K · -5 K through the walls, as in the worked example of the calculation; they
    // carry 129 W of loss without a climate device.
    const std::pair<const char*, int> values[] = {{"Gesamtverlustleistung", 800},  {"WandwaermeMax", -129},
                                                  {"Kuehlleistung", 671},          {"Luftmenge", 395},
                                                  {"LuftLuftBedarf", 3355},        {"WasserBedarf", 839},
                                                  {"TragbareVerlustleistung", 129}};
    for (const auto& [key, value] : values)
        EXPECT_EQ(o[key].toInt(), value) << key;

    DeviceTable table;
    ASSERT_TRUE(table.LiesTypDatei(kBin + "/zkdeu.TYP"));
    Kandidatenliste fromJson;
    for (const QJsonValue c : o["Kandidaten"].toArray()) {
        fromJson.push_back({c["index"].toInt(), c["anzahl"].toInt(), c["leistung"].toInt(),
                            c["typcode"].toString().toStdString()});
        // The article designation: columns 1-15 of the device line without the filling blanks.
        EXPECT_EQ(
            c["artikel"].toString().toStdString() + " ",
            table.ZerlegeZeile(c["index"].toInt()).Artikel.substr(0, c["artikel"].toString().size() + 1));
    }
    EXPECT_EQ(fromJson, SucheKandidaten(table, p, Bilanz(p)));
    // Limit temperatures, Q(Ta) = 800 + 25.8 · (Ta - 35): water/air 1000 W at 25 K gives
    // 1000 / 25 · (35 - 15) = 800 W in any hall, Q(35) = 800 W, Q(36) = 826 W; air/air
    // 3500 W at 25 K gives 700 W ≥ Q(30) = 671 W, 560 W < Q(31) = 697 W.
    int limits = 0;
    for (const QJsonValue c : o["Kandidaten"].toArray()) {
        const QString code = c["typcode"].toString();
        if (code == "WA-" || code == "TS-") {
            EXPECT_EQ(c["grenztemperatur"].toInt(), code == "WA-" ? 35 : 30) << code.toStdString();
            ++limits;
        }
    }
    EXPECT_EQ(limits, 2);
    // Off: 25.8 · 5 = 129 W; running: 129 - 800 < 0, not searched.
    EXPECT_EQ(o["Heizung"].toArray().size(), 1);
    EXPECT_EQ(o["Heizung"][0]["bedarf"].toInt(), 129);
}

} // namespace
} // namespace zek
