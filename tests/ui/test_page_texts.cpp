#include "FormChecks.h"
#include "PageFixture.h"
#include "core/Cp1252.h"
#include "ui/base/TranslateForm.h"
#include "ui/pages/PageFactory.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>
#include <vector>

using namespace zek;
using namespace zek::test;

namespace {

// Every page and dialog, built on one fixture.
std::vector<std::unique_ptr<TLanguageForm>> AllForms(PageFixture& f) {
    f.project.data().Verlustleistung.Bekannt = VerlustNichtBekannt;
    std::vector<std::unique_ptr<TLanguageForm>> forms;
    for (int i = 0; i < kDataPageCount; ++i)
        forms.emplace_back(CreatePage(i, f.ctx, nullptr));
    for (auto& dialog : AllDialogs(f.ctx, f.project.data().Auswahl))
        forms.push_back(std::move(dialog));
    return forms;
}

// All texts of one language as the build merges them: number -> text.
std::map<std::uint32_t, QString> readLanguage(const QString& lang) {
    std::map<std::uint32_t, QString> texts;
    const QDir dir(QStringLiteral(ZEK_SOURCE_DIR "/data/lang/") + lang);
    for (const QString& name : dir.entryList({"*.txt"}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QString l = QString(line).remove(QLatin1Char('\r'));
            if (l.size() < 9 || l.startsWith(QLatin1Char('#')))
                continue;
            bool ok = false;
            const std::uint32_t n = l.left(9).toUInt(&ok);
            if (ok)
                texts[n] = l.mid(9);
        }
    }
    return texts;
}

QString designText(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return {};
}

QString line(std::uint32_t n, const QString& text) {
    return QStringLiteral("%1%2").arg(n, 9, 10, QLatin1Char('0')).arg(QString(text).replace("\n", "<nl>"));
}

// Writes the merged table of a language as the loose text file beside a program and loads
// it, as the program does when no archive is there.
bool loadFromSources(Language& language, const QString& dir, const QString& lang) {
    QByteArray table;
    for (const auto& [n, text] : readLanguage(lang))
        table += QByteArray::fromStdString(toCp1252(line(n, text))) + "\r\n";
    QFile file(dir + "/Lang_" + lang + ".txt");
    if (!file.open(QIODevice::WriteOnly) || file.write(table) != table.size())
        return false;
    file.close();
    return language.LoadLanguage(dir, ("zk" + lang).toStdString());
}

// Applies the texts as with a language module loaded: the forms' own refills first, then
// the texts by tag.
void translateAsWithModule(TLanguageForm* form, const Language& language) {
    form->TranslateForm();
    TranslateForm(form, form->helpNumber(), language, true, language.keyNames());
}

} // namespace

class TestPageTexts : public QObject {
    Q_OBJECT
private slots:
    // The German texts are the forms' own; English and French have one for each of them,
    // and with a module loaded every tagged text and every refilled item is the language's.
    void every_caption_and_tagged_control_has_its_texts_and_shows_them_translated() {
        for (const QString lang : {"deu", "eng", "fra"}) {
            const auto texts = readLanguage(lang);
            PageFixture f;
            QStringList missing;
            const auto check = [&](std::uint32_t n, const QString& design) {
                const auto it = texts.find(n);
                if (it == texts.end() || it->second.isEmpty() ||
                    (lang == QLatin1String("deu") && it->second != QString(design).replace("\n", "<nl>")))
                    missing << line(n, design);
            };
            for (const auto& form : AllForms(f)) {
                const std::uint32_t base = 10000u * std::uint32_t(form->helpNumber());
                check(base, form->windowTitle());
                for (QWidget* w : form->findChildren<QWidget*>())
                    if (const int tag = w->property(kTagProperty).toInt(); tag > 0)
                        check(base + 10u * std::uint32_t(tag), designText(w));
            }
            missing.removeDuplicates();
            QVERIFY2(missing.isEmpty(), qPrintable(missing.join("\n")));
            if (lang == QLatin1String("deu"))
                continue;

            QTemporaryDir dir;
            QVERIFY(loadFromSources(f.language, dir.path(), lang));
            for (const auto& form : AllForms(f)) {
                translateAsWithModule(form.get(), f.language);
                const std::uint32_t base = 10000u * std::uint32_t(form->helpNumber());
                QCOMPARE(form->windowTitle(), texts.at(base));
                for (QWidget* w : form->findChildren<QWidget*>())
                    if (const int tag = w->property(kTagProperty).toInt(); tag > 0)
                        QVERIFY2(designText(w) ==
                                     QString(texts.at(base + 10u * std::uint32_t(tag))).replace("<nl>", "\n"),
                                 qPrintable(form->objectName() + ": " + designText(w)));
            }
            // Items refilled from code texts: the cabinet's row position, the loss modes, the
            // power-supply kinds.
            const std::pair<int, std::pair<const char*, std::uint32_t>> items[] = {
                {3, {"Einzel_1", 1009011}}, {6, {"Gesamtverlust_2", 1003005}}};
            for (const auto& [page, item] : items) {
                std::unique_ptr<TMDIChild> form(CreatePage(page, f.ctx, nullptr));
                QCOMPARE(find<QAbstractButton>(form.get(), item.first)->text(), texts.at(item.second));
            }
            std::unique_ptr<TMDIChild> supplies(CreatePage(14, f.ctx, nullptr));
            QCOMPARE(find<QListWidget>(supplies.get(), "ArtListBox1")->item(2)->text(), texts.at(1011003));
        }
    }
};

QTEST_MAIN(TestPageTexts)
#include "test_page_texts.moc"
