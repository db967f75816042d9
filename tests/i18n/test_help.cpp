#include "core/SettingsData.h"
#include "i18n/Help.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <set>
#include <vector>

using namespace zek;

TEST(Help, context_map_rules) {
    struct Case {
        int command;
        std::uint32_t data;
        std::uint32_t mapped;
    };
    const Case cases[] = {
        {kHelpContext, 12070, 37},    // person page shares the main window's topic
        {kHelpContext, 12000, 37},    // main window
        {kHelpContext, 12045, 61},    // last form of the table before the file dialogs
        {kHelpContext, 13050, 92},    // last pair of the table
        {kHelpContext, 11055, 111},   // menu item of the heaters
        {kHelpContext, 10000, 19000}, // maps to 0, which becomes the general topic
        {kHelpContext, 11064, 19000},
        {kHelpContext, 12345, 12345}, // unknown below 19000: unchanged
        {kHelpContext, 19000, 19000}, // from 19000 on unknown gives 0, then the general topic
        {kHelpContext, 19999, 19000},
        {kHelpContext, 110, 110}, // product information passes through
        {kHelpContext, 9999, 9999},
        {kHelpContext, 20000, 20000},
        {kHelpContext, 0x8000u | 107u, 107}, // bit 15 is cleared
        {kHelpContext, 65535, 32767},
        {kHelpContext, 0x18000u, 0}, // "and 32767" clears the higher bits as well
        {kHelpContents, 0, 0},       // contents and help on help keep their data
        {kHelpContents, 12070, 12070},
        {kHelpOnHelp, 0, 0},
        {kHelpOnHelp, 11064, 11064},
    };
    for (const Case& c : cases) {
        const HelpRequest r = MapHelpRequest("/opt/zek", "zkdeu", c.command, c.data);
        EXPECT_EQ(r.command, c.command);
        EXPECT_EQ(r.data, c.mapped) << "command " << c.command << " data " << c.data;
        EXPECT_EQ(r.file, "/opt/zek/zek_deu.hlp");
    }
}

TEST(Help, file_name_follows_the_language_code) {
    struct Case {
        std::string code;
        QString file;
    };
    const Case cases[] = {
        {"zkdeu", "/opt/zek/zek_deu.hlp"},
        {"zkfra", "/opt/zek/zek_fra.hlp"},
        {"", "/opt/zek/zek_.hlp"}, // after a reset of the settings, until a language is chosen
        {"zk", "/opt/zek/zek_.hlp"},
        {"zkd", "/opt/zek/zek_d.hlp"},
        {"zkengxyz", "/opt/zek/zek_eng.hlp"},
        {"zk/..", "/opt/zek/zek__...hlp"}, // a hand-edited code never leaves the folder
    };
    for (const Case& c : cases)
        EXPECT_EQ(HelpFileName("/opt/zek/", c.code), c.file) << c.code;
}

TEST(Help, handler_rebuilds_the_file_name_on_every_request) {
    Settings settings;
    settings.data().Optionen.Sprache = "zkeng";
    std::vector<HelpRequest> shown;
    const AppHelpHandler handler("/p", settings, [&](const HelpRequest& r) { shown.push_back(r); });

    EXPECT_TRUE(handler(kHelpContext, 12085));
    settings.data().Optionen.Sprache = "zkfra";
    EXPECT_TRUE(handler(kHelpContents, 0));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (HelpRequest{"/p/zek_eng.hlp", kHelpContext, 40}));
    EXPECT_EQ(shown[1], (HelpRequest{"/p/zek_fra.hlp", kHelpContents, 0}));

    // Without a viewer the request is still reported as handled.
    EXPECT_TRUE(AppHelpHandler("/p", settings, {})(kHelpContext, 1));
}

TEST(Help, map_has_its_67_pairs_and_the_end_key) {
    const auto& map = HelpContextMap();
    EXPECT_EQ(map.back().key, kHelpMapEnd);
    std::set<std::uint16_t> keys;
    for (std::size_t i = 0; i + 1 < map.size(); ++i)
        EXPECT_TRUE(keys.insert(map[i].key).second) << "key " << map[i].key << " twice";
    EXPECT_EQ(keys.size(), 67u);
}

namespace {

QString readHelpFile(const QString& language) {
    QFile f(QStringLiteral(ZEK_SOURCE_DIR "/data/help/zek_%1.hlp").arg(language));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(Help, every_context_has_a_topic_in_every_language) {
    std::set<std::uint32_t> contexts = {kHelpGeneralContext};
    for (const HelpContextPair& pair : HelpContextMap())
        if (pair.key != kHelpMapEnd)
            contexts.insert(pair.context);

    QSet<QString> first;
    for (const QString language : {"deu", "eng", "fra"}) {
        const QString html = readHelpFile(language);
        ASSERT_FALSE(html.isEmpty()) << "zek_" << language.toStdString() << ".hlp";
        EXPECT_FALSE(html.contains(QChar::ReplacementCharacter)) << "not UTF-8: " << language.toStdString();
        const QSet<QString> anchors = HelpAnchors(html);
        for (std::uint32_t context : contexts)
            EXPECT_TRUE(anchors.contains(HelpAnchor(context)))
                << language.toStdString() << " lacks " << context;
        EXPECT_TRUE(anchors.contains(kHelpContentsAnchor)) << language.toStdString();
        EXPECT_TRUE(anchors.contains(kHelpOnHelpAnchor)) << language.toStdString();

        // Every link inside the document leads to a topic of the same document.
        static const QRegularExpression link(R"re(href\s*=\s*"#([^"]*)")re");
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(anchors.contains(target))
                << language.toStdString() << " links to missing #" << target.toStdString();
        }
        // The three files offer the same topics.
        if (first.isEmpty())
            first = anchors;
        else
            EXPECT_EQ(anchors, first) << language.toStdString();
    }
}

TEST(Help, anchors_are_found_in_both_spellings) {
    const QSet<QString> anchors =
        HelpAnchors(R"(<h2><a name="40"></a>x</h2><p id='41'>y</p><A HREF="#42" NAME="43">z</A><a name="">)");
    EXPECT_EQ(anchors, (QSet<QString>{"40", "41", "43"}));
}
