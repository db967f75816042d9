// What zek-cli computes and converts, against the library's own results and the schema
// of balance --json.
#include "Cli.h"

#include "../report/DiagrammBeispiel.h"
#include "devices/Balance.h"
#include "io/IoTexts.h"
#include "io/LegacyImport.h"
#include "io/ProjectFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <climits>

namespace zek::test {
namespace {

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

TEST_F(CliTest, balance_json_of_every_example_and_of_a_heater_not_found_follows_the_schema) {
    QFile file(ZEK_SOURCE_DIR "/docs/balance.schema.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject schema = QJsonDocument::fromJson(file.readAll()).object();
    ASSERT_FALSE(schema.isEmpty());

    // 9999 mm cube of aluminium at 60 °C inside, -50 °C outside: megawatts that 20
    // heaters of the table cannot give.
    ProjectData p = NewProject(FactorySettings());
    p.Schaltschrank = {9999, 9999, 9999, Aluminium, 20.0, Einzelschrank, Freistehend};
    p.Temperatur = {60, 60, 0, -50, 0};
    writeBytes(path("kalt.Z20"), ProjectFileBytes(p, 1));
    QStringList projects = QDir(kExamples).entryList({"*.Z20", "*.ZEK"});
    for (QString& name : projects)
        name = kExamples + "/" + name;
    projects << path("kalt.Z20");
    for (const QString& project : projects)
        for (const char* lang : {"zkdeu", "zkeng", "zkfra"}) {
            const Outcome o = cli({"balance", project, "--json", "--lang", lang});
            ASSERT_EQ(o.code, 0);
            const QJsonDocument document = QJsonDocument::fromJson(o.out);
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

TEST_F(CliTest, balance_json_of_the_worked_example_carries_the_balance_and_the_candidates) {
    const ProjectData p = diagrammProjekt();
    writeBytes(path("beispiel.z20"), ProjectFileBytes(p, 1)); // the extension in any case
    const Outcome o = cli({"balance", "beispiel.z20", "--json"});
    ASSERT_EQ(o.code, 0);
    const QJsonObject json = QJsonDocument::fromJson(o.out).object();
    const BilanzWerte b = Bilanz(p);
    const std::pair<const char*, std::int32_t> values[] = {
        {"Gesamtverlustleistung", b.Gesamtverlustleistung},
        {"WandwaermeMax", b.WandwaermeMax},
        {"WandwaermeMin", b.WandwaermeMin},
        {"Kuehlleistung", b.Kuehlleistung},
        {"Luftmenge", b.Luftmenge},
        {"LuftLuftBedarf", b.LuftLuftBedarf},
        {"WasserBedarf", b.WasserBedarf},
        {"TragbareVerlustleistung", 129}}; // 25.8 W/K · (35 - 30) K carried without a climate device
    for (const auto& [key, value] : values)
        EXPECT_EQ(json[key].toInt(), value) << key;

    DeviceTable table;
    ASSERT_TRUE(table.LiesTypDatei(kBin + "/zkdeu.TYP"));
    Kandidatenliste fromJson;
    int limits = 0;
    for (const QJsonValue c : json["Kandidaten"].toArray()) {
        const QString code = c["typcode"].toString();
        fromJson.push_back(
            {c["index"].toInt(), c["anzahl"].toInt(), c["leistung"].toInt(), code.toStdString()});
        // The article designation: columns 1-15 of the device line without the filling blanks.
        EXPECT_EQ(
            c["artikel"].toString().toStdString() + " ",
            table.ZerlegeZeile(c["index"].toInt()).Artikel.substr(0, c["artikel"].toString().size() + 1));
        // Limit temperatures, Q(Ta) = 800 + 25.8 · (Ta - 35): water/air 1000 W at 25 K gives
        // 1000 / 25 · (35 - 15) = 800 W in any hall, Q(35) = 800 W, Q(36) = 826 W; air/air
        // 3500 W at 25 K gives 700 W ≥ Q(30) = 671 W, 560 W < Q(31) = 697 W.
        if (code == "WA-" || code == "TS-") {
            EXPECT_EQ(c["grenztemperatur"].toInt(), code == "WA-" ? 35 : 30) << code.toStdString();
            ++limits;
        }
    }
    EXPECT_EQ(fromJson, SucheKandidaten(table, p, b));
    EXPECT_EQ(limits, 2);
    // Off: 25.8 · 5 = 129 W; running: 129 - 800 < 0, not searched.
    EXPECT_EQ(json["Heizung"].toArray().size(), 1);
    EXPECT_EQ(json["Heizung"][0]["bedarf"].toInt(), 129);
}

TEST_F(CliTest, convert_turns_a_legacy_project_into_the_project_file_the_import_gives) {
    const QString legacy = ZEK_TEST_DATA_DIR "/broken/legacy/exact_1220.ZEK";
    QFile::copy(legacy, path("old.zek")); // the extension in any letter case
    ASSERT_EQ(cli({"convert", "old.zek", "new.Z20"}).code, 0);
    Project expected(FactorySettings()), converted(FactorySettings());
    ASSERT_TRUE(ImportLegacyProject(expected, legacy, NoTexts()).ok());
    ASSERT_TRUE(ReadProjectFile(converted, FactorySettings(), path("new.Z20")));
    EXPECT_EQ(converted.data(), expected.data());

    // A project file converts into the same content.
    ASSERT_EQ(cli({"convert", "new.Z20", "again.Z20", "--data-dir", m_dir.path()}).code, 0);
    const QByteArray a = read("new.Z20"), b = read("again.Z20");
    EXPECT_EQ(a.left(a.indexOf("[Test]")), b.left(b.indexOf("[Test]")));
}

} // namespace
} // namespace zek::test
