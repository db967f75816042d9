// Writes the pictures of the diagrams that the documentation shows: two example projects
// in German and English.
//
//   chart_pictures OUT_DIR
#include "ExampleData.h"

#include "report/chart/DiagrammDateien.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: chart_pictures OUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    for (const char* code : {"zkdeu", "zkeng"}) {
        zek::bench::ShippedData data(QStringLiteral(ZEK_BENCH_BIN_DIR), code);
        for (const char* example : {"kunststoff_wandgehaeuse", "stahl_reihenschrank"}) {
            const QString project = QString::fromLatin1(example) + QStringLiteral(".Z20");
            const zek::ProjectData p = data.example(project);
            if (!data.ok) {
                std::fprintf(stderr, "chart_pictures: cannot read the data for %s in %s\n", example, code);
                ++failures;
                continue;
            }
            const zek::Diagramme diagramme = zek::ErstelleDiagramme(p, data.devices);
            const zek::DiagrammTexte texte = zek::LadeDiagrammTexte(data.language);
            const zek::Diagrammseite seite{
                diagramme, texte, zek::DiagrammTitelzeilen(p, data.language, project, {1, 12, 2026})};
            const QString name = QStringLiteral("diagrams-%1-%2.png").arg(example, QString(code).mid(2));
            const QString error = zek::SchreibeDiagrammPng(out.filePath(name), seite, data.language);
            if (!error.isEmpty()) {
                std::fprintf(stderr, "chart_pictures: %s\n", qPrintable(error));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
