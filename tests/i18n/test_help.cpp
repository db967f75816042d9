#include "core/SettingsData.h"
#include "i18n/Help.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <set>
#include <vector>

using namespace zek;

TEST(Help, context_map_rules) {
    // 12070 shares the main window's topic; 12045 and 13050 are the last forms of the table;
    // 10000 maps to 0, the general topic 19000. Unknown numbers keep theirs below 19000 and
    // become the general topic from 19000 to 19999. Outside 10000..19999 a number with bit 15
    // set loses it and every bit above ("and 32767"). Contents and help on help keep their data.
    const struct {
        int command;
        std::uint32_t data, mapped;
    } cases[] = {{kHelpContext, 12070, 37},     {kHelpContext, 12045, 61},    {kHelpContext, 13050, 92},
                 {kHelpContext, 11055, 111},    {kHelpContext, 10000, 19000}, {kHelpContext, 12345, 12345},
                 {kHelpContext, 19000, 19000},  {kHelpContext, 19999, 19000}, {kHelpContext, 9999, 9999},
                 {kHelpContext, 20000, 20000},  {kHelpContext, 65535, 32767}, {kHelpContext, 0x18000u, 0},
                 {kHelpContents, 12070, 12070}, {kHelpOnHelp, 11064, 11064}};
    for (const auto& c : cases)
        EXPECT_EQ(MapHelpRequest("/opt/zek", "zkdeu", c.command, c.data),
                  (HelpRequest{"/opt/zek/zek_deu.hlp", c.command, c.mapped}))
            << "command " << c.command << " data " << c.data;
}

TEST(Help, file_name_follows_the_language_code) {
    EXPECT_EQ(HelpFileName("/opt/zek/", "zkengxyz"), "/opt/zek/zek_eng.hlp");
    // After a reset of the settings, until a language is chosen.
    EXPECT_EQ(HelpFileName("/opt/zek/", ""), "/opt/zek/zek_.hlp");
    // A hand-edited code never leaves the folder.
    EXPECT_EQ(HelpFileName("/opt/zek/", "zk/.."), "/opt/zek/zek__...hlp");
}

TEST(Help, handler_rebuilds_the_file_name_on_every_request) {
    Settings settings;
    settings.data().Optionen.Sprache = "zkeng";
    std::vector<HelpRequest> shown;
    const AppHelpHandler handler("/p", settings, [&](const HelpRequest& r) { shown.push_back(r); });
    EXPECT_TRUE(handler(kHelpContext, 12085));
    settings.data().Optionen.Sprache = "zkfra";
    EXPECT_TRUE(handler(kHelpContents, 0));
    EXPECT_EQ(shown, (std::vector<HelpRequest>{{"/p/zek_eng.hlp", kHelpContext, 40},
                                               {"/p/zek_fra.hlp", kHelpContents, 0}}));
    // Without a viewer the request is still reported as handled.
    EXPECT_TRUE(AppHelpHandler("/p", settings, {})(kHelpContext, 1));
}

TEST(Help, every_context_has_a_topic_in_every_language) {
    // The map is searched for the first equal key: a second one would never be reached.
    const auto& map = HelpContextMap();
    EXPECT_EQ(map.back().key, kHelpMapEnd);
    std::set<std::uint16_t> keys;
    // The items added since (save as PDF, the diagrams and their view) keep their numbers.
    std::set<std::uint32_t> contexts = {kHelpGeneralContext, 11025, 11026, 12016};
    for (std::size_t i = 0; i + 1 < map.size(); ++i) {
        EXPECT_TRUE(keys.insert(map[i].key).second) << "key " << map[i].key << " twice";
        contexts.insert(map[i].context);
    }
    EXPECT_EQ(keys.size(), 67u);

    QSet<QString> first;
    for (const char* language : {"deu", "eng", "fra"}) {
        SCOPED_TRACE(language);
        QFile file(QStringLiteral(ZEK_SOURCE_DIR "/data/help/zek_%1.hlp").arg(language));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_FALSE(html.contains(QChar::ReplacementCharacter)) << "not UTF-8";
        const QSet<QString> anchors = HelpAnchors(html);
        for (std::uint32_t context : contexts)
            EXPECT_TRUE(anchors.contains(HelpAnchor(context))) << "lacks " << context;
        EXPECT_TRUE(anchors.contains(kHelpContentsAnchor));
        EXPECT_TRUE(anchors.contains(kHelpOnHelpAnchor));
        // Every link inside the document leads to a topic of the same document.
        static const QRegularExpression link(R"re(href\s*=\s*"#([^"]*)")re");
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(anchors.contains(target)) << "links to missing #" << target.toStdString();
        }
        // The three files offer the same topics.
        if (first.isEmpty())
            first = anchors;
        EXPECT_EQ(anchors, first);
    }
}

TEST(Help, anchors_are_found_in_both_spellings) {
    EXPECT_EQ(
        HelpAnchors(R"(<h2><a name="40"></a>x</h2><p id='41'>y</p><A HREF="#42" NAME="43">z</A><a name="">)"),
        (QSet<QString>{"40", "41", "43"}));
}
