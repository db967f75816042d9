#include "../core/MapTexts.h"
#include "ui/help/HelpViewer.h"

#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace zek;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// A long document, so that a topic far down must be scrolled to.
QByteArray document() {
    const auto paragraphs = [](const QByteArray& word) {
        QByteArray html;
        for (int i = 0; i < 200; ++i)
            html += "<p>" + word + " " + QByteArray::number(i) + "</p>";
        return html;
    };
    return "<html><head><meta charset=\"utf-8\"></head><body><h1><a name=\"contents\"></a>Inhalt</h1>" +
           paragraphs("Absatz") + "<h2><a name=\"helponhelp\"></a>Hilfe verwenden</h2>" + paragraphs("Text") +
           "<h2><a name=\"40\"></a>Schaltschrank</h2><p>Größe in mm</p>" + paragraphs("Ende") +
           "</body></html>";
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void shows_topics_by_command_and_reports_a_missing_file_or_topic() {
        QTemporaryDir dir;
        const QString file = dir.filePath("zek_eng.hlp");
        writeFile(file, document());
        const test::MapTexts texts({{1012005, "No file %s."}, {1012006, "No topic %s in %s."}});
        HelpViewer viewer(&texts);
        viewer.resize(400, 300);
        auto* message = viewer.findChild<QLabel*>("HelpMessage");
        QVERIFY(message);

        QVERIFY(viewer.showRequest({file, kHelpContext, 40}));
        QCOMPARE(viewer.currentAnchor(), QString("40"));
        QVERIFY(viewer.errorText().isEmpty() && viewer.isVisible());
        QVERIFY(viewer.browser()->verticalScrollBar()->value() > 0);
        // The file's own charset decides, so umlauts arrive whole.
        QVERIFY(viewer.browser()->toPlainText().contains(QString::fromUtf8("Größe in mm")));
        QVERIFY(viewer.showRequest({file, kHelpContents, 12345}));
        QCOMPARE(viewer.currentAnchor(), QString(kHelpContentsAnchor));
        QVERIFY(viewer.showRequest({file, kHelpOnHelp, 0}));
        QCOMPARE(viewer.currentAnchor(), QString(kHelpOnHelpAnchor));
        // The contents button of the window works on the file shown.
        viewer.showRequest({file, kHelpContext, 40});
        viewer.findChild<QToolButton*>("HelpContentsBtn")->click();
        QCOMPARE(viewer.currentAnchor(), QString(kHelpContentsAnchor));

        QVERIFY(!viewer.showRequest({file, kHelpContext, 99}));
        QCOMPARE(viewer.errorText(), "No topic 99 in " + QDir::toNativeSeparators(file) + ".");
        QVERIFY(message->isVisible());
        QVERIFY(viewer.currentAnchor().isEmpty());
        const QString missing = dir.filePath("zek_.hlp");
        QVERIFY(!viewer.showRequest({missing, kHelpContents, 0}));
        QCOMPARE(viewer.errorText(), "No file " + QDir::toNativeSeparators(missing) + ".");
        // A folder by the name of the help file is no help file either.
        QVERIFY(QDir(dir.path()).mkdir("zek_fra.hlp"));
        QVERIFY(!viewer.showRequest({dir.filePath("zek_fra.hlp"), kHelpContext, 40}));
        // The next good request clears the message.
        QVERIFY(viewer.showRequest({file, kHelpContext, 40}));
        QVERIFY(viewer.errorText().isEmpty() && !message->isVisible());
        QTest::keyClick(viewer.browser(), Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
    }

    void opens_over_its_window_and_wholly_on_the_screen() {
        QWidget owner;
        owner.resize(300, 200);
        const QRect screen = owner.screen()->availableGeometry();
        // A window in the middle has the help centred over it; one in the lower right corner
        // has it pushed back onto the screen.
        for (const QPoint at :
             {screen.center() - QPoint(150, 100), screen.bottomRight() - QPoint(150, 100)}) {
            owner.move(at);
            owner.show();
            HelpViewer viewer(nullptr, &owner);
            viewer.resize(640, 520);
            viewer.showRequest({QString(), kHelpContents, 0});
            QVERIFY(screen.contains(viewer.frameGeometry()));
            if (screen.contains(owner.frameGeometry()))
                QCOMPARE(viewer.geometry().center(), owner.frameGeometry().center());
        }
    }
};

QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"
