#include "AllForms.h"
#include "core/Cp1252.h"
#include "ui/base/TranslateForm.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>
#include <map>

using namespace zek;
using namespace zek::test;

namespace {

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

} // namespace

class TestPageTexts : public QObject {
    Q_OBJECT
private slots:
    // The German texts are the forms' own; English and French have one for each of them.
    void every_caption_and_tagged_control_has_its_texts_data() {
        QTest::addColumn<QString>("lang");
        QTest::newRow("deu") << "deu";
        QTest::newRow("eng") << "eng";
        QTest::newRow("fra") << "fra";
    }
    void every_caption_and_tagged_control_has_its_texts() {
        QFETCH(QString, lang);
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
            for (QWidget* w : form->findChildren<QWidget*>()) {
                const int tag = w->property(kTagProperty).toInt();
                if (tag > 0)
                    check(base + 10u * std::uint32_t(tag), designText(w));
            }
        }
        missing.removeDuplicates();
        if (!missing.isEmpty())
            qWarning().noquote() << "\n" + missing.join("\n");
        QCOMPARE(missing.size(), 0);
    }

    // With a module loaded, nothing visible stays German but the few words the three
    // languages share.
    void translated_forms_show_no_german_design_text() {
        const auto deu = readLanguage("deu");
        const auto eng = readLanguage("eng");
        std::map<std::uint32_t, std::string> bytes;
        for (const auto& [n, t] : eng)
            bytes[n] = toCp1252(QString(t).replace("<nl>", "\r\n"));
        class Texts : public TextSource {
        public:
            std::map<std::uint32_t, std::string>* m;
            std::string GetLangText(std::uint32_t n) const override {
                const auto it = m->find(n);
                return it == m->end() ? std::string() : it->second;
            }
        } source;
        source.m = &bytes;
        PageFixture f;
        for (const auto& form : AllForms(f)) {
            TranslateForm(form.get(), form->helpNumber(), source, true, DefaultKeyNames());
            for (QWidget* w : form->findChildren<QWidget*>()) {
                const int tag = w->property(kTagProperty).toInt();
                if (tag <= 0)
                    continue;
                const QString shown = designText(w);
                const std::uint32_t n = 10000u * std::uint32_t(form->helpNumber()) + 10u * std::uint32_t(tag);
                QVERIFY2(shown == QString(eng.at(n)).replace("<nl>", "\n"),
                         qPrintable(form->objectName() + ": " + w->objectName() + " " + shown));
            }
        }
        QVERIFY(deu.size() > 0);
    }
};

QTEST_MAIN(TestPageTexts)
#include "test_page_texts.moc"
