#include "i18n/Language.h"

#include "LanguageFixture.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <optional>

using zek::Language;
using zek::test::ProgramFolder;

namespace {

// A table for German: version, language, one text of each kind a test looks at.
std::string germanTable(const std::string& version = "0004", const std::string& meantFor = "zkdeu") {
    return "000070004" + version + "\r\n000070006" + meantFor +
           "\r\n001004009Projekt: \r\n000071566R\xfc"
           "ck\r\n000071578Nach<nl>unten\r\n";
}

// Records the module messages instead of showing them.
struct LoadedLanguage {
    Language language;
    QStringList messages;
    bool ok = false;
    QString error;

    LoadedLanguage(const ProgramFolder& folder, const std::string& code, const QString& programFile = {}) {
        language.setModuleMessageHandler([this](const QString& m) { messages << m; });
        language.setProgramFile(programFile.isEmpty() ? folder.file("zek") : programFile);
        ok = language.LoadLanguage(folder.path(), code, &error);
    }
};

struct SourceCase {
    const char* name;
    std::vector<const char*> archives; // candidates that exist, each holding its own name as text
    bool looseFile;
    bool programFileIsArchive;
    const char* expectedOrigin; // relative to the folder; nullptr: nothing could be read
};

TEST(LanguageLoading, takes_the_first_existing_place_in_the_documented_order) {
    const SourceCase cases[] = {
        {"all archives", {"Xalto.zip", "XlzData/Xalto.zip", "Xalto.xlz"}, true, true, "Xalto.zip"},
        {"second archive", {"XlzData/Xalto.zip", "Xalto.xlz"}, true, true, "XlzData/Xalto.zip"},
        {"third archive", {"Xalto.xlz"}, true, true, "Xalto.xlz"},
        {"loose file", {}, true, true, "Lang_deu.txt"},
        {"program file as archive", {}, false, true, "zek"},
        {"nothing", {}, false, false, nullptr},
    };
    for (const SourceCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        for (const char* archive : c.archives) {
            ASSERT_TRUE(folder.writeArchive(archive, {{"Lang_deu.txt", std::string("001004009") + archive}}));
        }
        if (c.looseFile)
            folder.writeFile("Lang_deu.txt", "001004009Lang_deu.txt");
        if (c.programFileIsArchive) {
            ASSERT_TRUE(folder.writeArchive("zek", {{"Lang_deu.txt", "001004009zek"}}));
        } else {
            folder.writeFile("zek", "\x7f"
                                    "ELF not an archive");
        }
        LoadedLanguage loaded(folder, "zkdeu");
        if (!c.expectedOrigin) {
            EXPECT_FALSE(loaded.ok);
            // The failure is told in the code's language and names every place looked at.
            EXPECT_TRUE(loaded.error.startsWith("Die Sprachtexte konnten nicht gelesen werden."))
                << qPrintable(loaded.error);
            EXPECT_TRUE(loaded.error.contains(folder.file("XlzData/Xalto.zip")));
            EXPECT_TRUE(loaded.error.contains(folder.file("Lang_deu.txt")));
            EXPECT_EQ(loaded.language.lineCount(), 0u);
            continue;
        }
        ASSERT_TRUE(loaded.ok) << qPrintable(loaded.error);
        EXPECT_EQ(loaded.language.textOrigin(), folder.file(c.expectedOrigin));
        EXPECT_EQ(loaded.language.GetLangText(1004009), c.expectedOrigin);
    }
}

struct BadInputCase {
    const char* name;
    std::function<void(const ProgramFolder&)> prepare;
    bool loads;
    std::size_t lines;
};

TEST(LanguageLoading, bad_archives_and_files_never_crash_and_say_what_happened) {
    const std::string big(Language::kMaxTextBytes + 1, 'x');
    const BadInputCase cases[] = {
        {"damaged archive",
         [](const ProgramFolder& f) { f.writeFile("Xalto.zip", "PK\x03\x04 broken beyond repair"); }, false,
         0},
        {"wrong password",
         [](const ProgramFolder& f) {
             f.writeArchive("Xalto.zip", {{"Lang_deu.txt", germanTable()}}, "Falsch");
         },
         false, 0},
        {"damaged archive, program file carries the texts",
         [](const ProgramFolder& f) {
             f.writeFile("Xalto.zip", "garbage");
             f.writeArchive("zek", {{"Lang_deu.txt", germanTable()}});
         },
         true, 5},
        {"entry missing",
         [](const ProgramFolder& f) {
             f.writeArchive("Xalto.zip", {{"Lang_eng.txt", germanTable()}});
         },
         true, 0},
        {"entry name in other case",
         [](const ProgramFolder& f) {
             f.writeArchive("Xalto.zip", {{"LANG_DEU.TXT", germanTable()}});
         },
         true, 5},
        {"empty text file", [](const ProgramFolder& f) { f.writeFile("Lang_deu.txt", ""); }, true, 0},
        {"text file beyond the size limit",
         [](const ProgramFolder& f) {
             f.writeFile("Lang_deu.txt", "001004009Projekt: ");
             QFile(f.file("Lang_deu.txt")).resize(Language::kMaxTextBytes + 1);
         },
         false, 0},
        {"archive entry beyond the size limit",
         [&big](const ProgramFolder& f) {
             f.writeArchive("Xalto.zip", {{"Lang_deu.txt", big}}, "");
         },
         false, 0},
    };
    for (const BadInputCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        c.prepare(folder);
        LoadedLanguage loaded(folder, "zkdeu");
        EXPECT_EQ(loaded.ok, c.loads) << qPrintable(loaded.error);
        EXPECT_EQ(loaded.language.lineCount(), c.lines);
        if (!c.loads) {
            EXPECT_FALSE(loaded.error.isEmpty());
        }
        EXPECT_TRUE(loaded.messages.isEmpty());
    }
}

TEST(LanguageLoading, a_fifty_megabyte_table_loads_and_is_searched) {
    ProgramFolder folder;
    // 50 MB of 100-byte lines: 524 288 lines numbered 100000000.., then the one we look for.
    std::string content;
    content.reserve(50u * 1024u * 1024u + 64u);
    const std::string filler(89, 'x');
    char key[16];
    for (unsigned i = 0; i < 524288u; ++i) {
        std::snprintf(key, sizeof key, "%09u", 100000000u + i);
        content += key + filler + "\r\n";
    }
    content += "001004009Projekt: ";
    folder.writeFile("Lang_deu.txt", content);
    LoadedLanguage loaded(folder, "zkdeu");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.language.lineCount(), 524289u);
    EXPECT_EQ(loaded.language.GetLangText(1004009), "Projekt: ");
    EXPECT_EQ(loaded.language.GetLangText(100000000u + 524287u), filler);
}

TEST(LanguageLoading, unsafe_or_unknown_codes_are_refused) {
    ProgramFolder folder;
    folder.writeFile("Lang_deu.txt", germanTable());
    for (const char* code : {"", "zk", "zk/..", "../de", "zkdeuu", "zk de"}) {
        LoadedLanguage loaded(folder, code);
        EXPECT_FALSE(loaded.ok) << code;
        EXPECT_FALSE(loaded.error.isEmpty());
    }
}

TEST(LanguageLoading, unload_forgets_table_code_and_module) {
    ProgramFolder folder;
    folder.writeFile("Lang_deu.txt", germanTable());
    ASSERT_TRUE(folder.copyModule("zkdeu132.spl", "zkdeu132.spl"));
    LoadedLanguage loaded(folder, "zkdeu");
    ASSERT_TRUE(loaded.language.moduleLoaded());
    loaded.language.UnloadLanguage();
    EXPECT_FALSE(loaded.language.moduleLoaded());
    EXPECT_FALSE(loaded.language.tableLoaded());
    EXPECT_EQ(loaded.language.code(), "");
    EXPECT_EQ(loaded.language.GetLangText(1004009), "");
    EXPECT_EQ(loaded.language.GetLangText(1), "");
    EXPECT_EQ(loaded.language.keyNames(), Language::defaultKeyNames());
}

TEST(ModuleMessage, has_the_four_lines_then_the_quoted_path_and_code) {
    EXPECT_EQ(Language::moduleMessage("/opt/zek/zkdeu132.spl", 4),
              "Kann Sprachmodul nicht laden oder benutzen\r\n"
              "Language module not found or unusable\r\n"
              "Impossible de trouver la langue \r\n"
              "Jezikovne komponente ne more najti\r\n"
              "\"/opt/zek/zkdeu132.spl\" (#4)");
}

TEST(ModuleMessage, empty_table_report_clears_the_path_first) {
    ProgramFolder folder;
    folder.writeArchive("Xalto.zip", {{"Lang_eng.txt", germanTable()}});
    ASSERT_TRUE(folder.copyModule("zkdeu132.spl", "zkdeu132.spl"));
    LoadedLanguage loaded(folder, "zkdeu");
    ASSERT_TRUE(loaded.ok);
    ASSERT_EQ(loaded.language.lineCount(), 0u);
    loaded.messages.clear(); // the empty table also fails the module's version check
    loaded.language.ReportEmptyTable();
    ASSERT_EQ(loaded.messages.size(), 1);
    EXPECT_TRUE(loaded.messages.front().endsWith("\r\n\"\" (#1)"));
}

struct ModuleCase {
    const char* name;
    std::string table;
    const char* moduleFile; // built module to copy in; nullptr: a text file instead; "": none
    std::optional<int> messageCode;
    bool moduleLoaded;
};

TEST(LanguageModule, checks_version_and_language_of_the_table_before_keeping_the_module) {
    const ModuleCase cases[] = {
        {"matching module", germanTable(), "zkdeu132.spl", std::nullopt, true},
        {"version above the minimum", germanTable("0010"), "zkdeu132.spl", std::nullopt, true},
        {"version sorting above as text", germanTable("1"), "zkdeu132.spl", std::nullopt, true},
        {"version too old", germanTable("0003"), "zkdeu132.spl", 4, false},
        {"no version text", "001004009Projekt: \r\n", "zkdeu132.spl", 4, false},
        {"table for another language", germanTable("0004", "zkeng"), "zkdeu132.spl", 5, false},
        {"language in other case", germanTable("0004", "ZKDEU"), "zkdeu132.spl", std::nullopt, true},
        {"no language text", germanTable("0004", ""), "zkdeu132.spl", std::nullopt, true},
        {"file that is not a library", germanTable(), nullptr, 2, false},
        {"no module: version never checked", germanTable("0003", "zkfra"), "", std::nullopt, false},
    };
    for (const ModuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        folder.writeFile("Lang_deu.txt", c.table);
        if (!c.moduleFile) {
            folder.writeFile("zkdeu132.spl", "MZ this is no library");
        } else if (*c.moduleFile) {
            ASSERT_TRUE(folder.copyModule(c.moduleFile, "zkdeu132.spl"));
        }
        LoadedLanguage loaded(folder, "zkdeu");
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.language.moduleLoaded(), c.moduleLoaded);
        if (c.messageCode) {
            ASSERT_EQ(loaded.messages.size(), 1);
            EXPECT_EQ(loaded.messages.front(),
                      Language::moduleMessage(folder.file("zkdeu132.spl"), *c.messageCode));
        } else {
            EXPECT_TRUE(loaded.messages.isEmpty());
        }
        // Whatever happened to the module, the table stays and answers.
        EXPECT_EQ(loaded.language.GetLangText(1004009), "Projekt: ");
        // Texts below 70000 come from the module only.
        EXPECT_EQ(loaded.language.GetLangText(1), c.moduleLoaded ? "Deutsch" : "");
        // Key names follow the table only while a module is loaded; an empty or missing
        // name keeps the built-in one.
        EXPECT_EQ(loaded.language.keyNames()[12], c.moduleLoaded ? "Nach\r\nunten" : "Nach unten");
        EXPECT_EQ(loaded.language.keyNames()[1], "Tab");
    }
}

TEST(LanguageModule, is_looked_for_in_the_language_folders_first) {
    struct Place {
        std::vector<const char*> present;
        const char* expected;
    };
    const Place places[] = {
        {{"KompLang/XLgzkeng/zkeng132.spl", "XLgzkeng/zkeng132.spl", "zkeng132.spl"},
         "KompLang/XLgzkeng/zkeng132.spl"},
        {{"XLgzkeng/zkeng132.spl", "zkeng132.spl"}, "XLgzkeng/zkeng132.spl"},
        {{"zkeng132.spl"}, "zkeng132.spl"},
        {{}, "zkeng132.spl"},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.expected);
        ProgramFolder folder;
        folder.writeArchive("Xalto.zip",
                            {{"Lang_eng.txt", "0000700040004\r\n000070006zkeng\r\n000071566Bksp\r\n"}});
        for (const char* where : p.present) {
            ASSERT_TRUE(folder.copyModule("zkeng132.spl", where));
        }
        LoadedLanguage loaded(folder, "zkeng");
        EXPECT_EQ(loaded.language.modulePath(), folder.file(p.expected));
        EXPECT_EQ(loaded.language.moduleLoaded(), !p.present.empty());
        EXPECT_EQ(loaded.language.keyNames()[0], p.present.empty() ? "R\xfc"
                                                                     "ck"
                                                                   : "Bksp");
        EXPECT_EQ(loaded.language.GetLangText(2), p.present.empty() ? "" : "zkeng");
    }
}

} // namespace
