#include "i18n/Language.h"

#include "LanguageFixture.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <optional>

using zek::Language;
using zek::test::ProgramFolder;

namespace {

std::string germanTable(const std::string& version = "0004", const std::string& meantFor = "zkdeu") {
    return "000070004" + version + "\r\n000070006" + meantFor +
           "\r\n001004009Projekt: \r\n000071578Nach<nl>unten\r\n";
}

// Loads from a folder and records the module messages instead of showing them.
struct Loaded {
    Language language;
    QStringList messages;
    bool ok = false;
    QString error;
    Loaded(const ProgramFolder& folder, const std::string& code) {
        language.setModuleMessageHandler([this](const QString& m) { messages << m; });
        language.setProgramFile(folder.file("zek"));
        ok = language.LoadLanguage(folder.path(), code, &error);
    }
};

TEST(LanguageLoading, takes_the_first_existing_place_in_the_documented_order) {
    // Each place holds its own name as text 1004009; every round removes the first place left.
    const char* const places[] = {"Xalto.zip", "XlzData/Xalto.zip", "Xalto.xlz", "Lang_deu.txt", "zek"};
    for (std::size_t first = 0; first <= std::size(places); ++first) {
        ProgramFolder folder;
        for (std::size_t i = first; i < std::size(places); ++i) {
            const std::string text = std::string("001004009") + places[i];
            if (i == 3)
                folder.writeFile(places[i], text);
            else
                folder.writeArchive(places[i], {{"Lang_deu.txt", text}});
        }
        Loaded loaded(folder, "zkdeu");
        if (first < std::size(places)) {
            EXPECT_TRUE(loaded.ok) << qPrintable(loaded.error);
            EXPECT_EQ(loaded.language.textOrigin(), folder.file(places[first]));
            EXPECT_EQ(loaded.language.GetLangText(1004009), places[first]);
        } else {
            // Told in the code's language, naming every place looked at.
            EXPECT_FALSE(loaded.ok);
            EXPECT_TRUE(loaded.error.startsWith("Die Sprachtexte konnten nicht gelesen werden."));
            EXPECT_TRUE(loaded.error.contains(folder.file("XlzData/Xalto.zip")));
            EXPECT_TRUE(loaded.error.contains(folder.file("Lang_deu.txt")));
        }
    }
}

TEST(LanguageLoading, bad_input_never_crashes_and_has_a_clear_outcome) {
    // 50 MB of 100-byte lines numbered from 100 000 000, the text looked for last.
    std::string fifty;
    for (unsigned i = 0; i < 524288u; ++i)
        fifty += std::to_string(100000000u + i) + std::string(89, 'x') + "\r\n";
    fifty += "001004009Projekt: ";
    using Prepare = std::function<void(const ProgramFolder&)>;
    const auto write = [](const char* name, const std::string& bytes) {
        return Prepare([=](auto& f) { f.writeFile(name, bytes); });
    };
    const auto zip = [](const char* entry, const std::string& bytes, const char* password = "Kornblatt") {
        return Prepare([=](auto& f) { f.writeArchive("Xalto.zip", {{entry, bytes}}, password); });
    };
    const struct {
        const char* name;
        Prepare prepare;
        bool loads;
        std::size_t lines;
        const char* code = "zkdeu";
    } cases[] = {
        {"damaged archive", write("Xalto.zip", "PK\x03\x04 broken"), false, 0},
        {"wrong password", zip("Lang_deu.txt", germanTable(), "Falsch"), false, 0},
        {"damaged archive, program file carries the texts",
         [](auto& f) {
             f.writeFile("Xalto.zip", "garbage");
             f.writeArchive("zek", {{"Lang_deu.txt", germanTable()}});
         },
         true, 4},
        {"entry missing", zip("Lang_eng.txt", germanTable()), true, 0},
        {"entry name in other case", zip("LANG_DEU.TXT", germanTable()), true, 4},
        {"empty text file", write("Lang_deu.txt", ""), true, 0},
        {"50 MB text file", write("Lang_deu.txt", fifty), true, 524289},
        {"text file beyond the size limit",
         [](auto& f) {
             f.writeFile("Lang_deu.txt", germanTable());
             QFile(f.file("Lang_deu.txt")).resize(Language::kMaxTextBytes + 1);
         },
         false, 0},
        {"archive entry beyond the size limit",
         zip("Lang_deu.txt", std::string(Language::kMaxTextBytes + 1, 'x'), ""), false, 0},
        {"code reaching out of the folder", write("Lang_deu.txt", germanTable()), false, 0, "../de"},
        {"code of the wrong length", write("Lang_deu.txt", germanTable()), false, 0, "zkdeuu"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        c.prepare(folder);
        Loaded loaded(folder, c.code);
        EXPECT_EQ(loaded.ok, c.loads) << qPrintable(loaded.error);
        EXPECT_EQ(loaded.error.isEmpty(), c.loads);
        EXPECT_EQ(loaded.language.lineCount(), c.lines);
        EXPECT_EQ(loaded.language.GetLangText(1004009), c.lines ? "Projekt: " : "");
        EXPECT_TRUE(loaded.messages.isEmpty());
    }
}

TEST(LanguageModule, checks_version_and_language_of_the_table_before_keeping_the_module) {
    struct Case {
        const char* name;
        std::string table;
        const char* module; // built module to copy in; nullptr: a text file instead; "": none
        std::optional<int> messageCode;
    };
    const Case cases[] = {
        {"matching module", germanTable(), "zkdeu132.spl", std::nullopt},
        {"version sorting above as text", germanTable("1"), "zkdeu132.spl", std::nullopt},
        {"version too old", germanTable("0003"), "zkdeu132.spl", 4},
        {"no version text", "001004009Projekt: \r\n", "zkdeu132.spl", 4},
        {"table for another language", germanTable("0004", "zkeng"), "zkdeu132.spl", 5},
        {"module for another language", germanTable(), "zkeng132.spl", 5},
        {"language in other case", germanTable("0004", "ZKDEU"), "zkdeu132.spl", std::nullopt},
        {"no language text", germanTable("0004", ""), "zkdeu132.spl", std::nullopt},
        {"file that is not a library", germanTable(), nullptr, 2},
        {"no module: version never checked", germanTable("0003", "zkfra"), "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        folder.writeFile("Lang_deu.txt", c.table);
        if (!c.module)
            folder.writeFile("zkdeu132.spl", "MZ this is no library");
        else if (*c.module)
            folder.copyModule(c.module, "zkdeu132.spl");
        Loaded loaded(folder, "zkdeu");
        const bool kept = c.module && *c.module && !c.messageCode;
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.language.moduleLoaded(), kept);
        EXPECT_EQ(loaded.messages,
                  c.messageCode
                      ? QStringList{Language::moduleMessage(folder.file("zkdeu132.spl"), *c.messageCode)}
                      : QStringList{});
        // Whatever happened to the module, the table stays.
        EXPECT_EQ(loaded.language.GetLangText(1004009), "Projekt: ");
        // Texts below 70000 come from the module; the key names follow the table only
        // while a module is there, and a missing name keeps the built-in one.
        EXPECT_EQ(!loaded.language.GetLangText(1).empty(), kept);
        EXPECT_EQ(loaded.language.keyNames()[12], kept ? "Nach\r\nunten" : "Nach unten");
        EXPECT_EQ(loaded.language.keyNames()[1], "Tab");
        loaded.language.UnloadLanguage();
        EXPECT_FALSE(loaded.language.moduleLoaded());
        EXPECT_EQ(loaded.language.GetLangText(1004009), "");
        EXPECT_EQ(loaded.language.keyNames(), Language::defaultKeyNames());
    }
}

TEST(LanguageModule, is_looked_for_in_the_language_folders_first) {
    // Every round removes the first place left; with none the path still names the last.
    const char* const places[] = {"KompLang/XLgzkeng/zkeng132.spl", "XLgzkeng/zkeng132.spl", "zkeng132.spl"};
    for (std::size_t first = 0; first <= std::size(places); ++first) {
        ProgramFolder folder;
        folder.writeArchive("Xalto.zip",
                            {{"Lang_eng.txt", "0000700040004\r\n000070006zkeng\r\n000071566Bksp\r\n"}});
        for (std::size_t i = first; i < std::size(places); ++i)
            folder.copyModule("zkeng132.spl", places[i]);
        Loaded loaded(folder, "zkeng");
        const bool found = first < std::size(places);
        EXPECT_EQ(loaded.language.modulePath(), folder.file(places[found ? first : 2]));
        EXPECT_EQ(loaded.language.GetLangText(2), found ? "zkeng" : "");
        EXPECT_EQ(loaded.language.keyNames()[0], found ? "Bksp" : "R\374ck");
    }
}

TEST(ModuleMessage, has_the_four_lines_then_the_quoted_path_and_code) {
    EXPECT_EQ(Language::moduleMessage("/opt/zek/zkdeu132.spl", 4),
              "Kann Sprachmodul nicht laden oder benutzen\r\n"
              "Language module not found or unusable\r\n"
              "Impossible de trouver la langue \r\n"
              "Jezikovne komponente ne more najti\r\n"
              "\"/opt/zek/zkdeu132.spl\" (#4)");
    // An empty table is reported with code 1 after the module path is cleared.
    ProgramFolder folder;
    folder.writeFile("Lang_deu.txt", "");
    Loaded loaded(folder, "zkdeu");
    loaded.language.ReportEmptyTable();
    ASSERT_EQ(loaded.messages.size(), 1);
    EXPECT_TRUE(loaded.messages.front().endsWith("\r\n\"\" (#1)"));
}

} // namespace
