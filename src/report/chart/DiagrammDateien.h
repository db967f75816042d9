#pragma once

#include "core/SettingsData.h"
#include "report/Diagramm.h"
#include "report/chart/DiagrammTexte.h"
#include "report/print/Drucke.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace zek {

class TextSource;

// Everything a page of diagrams is drawn from.
struct Diagrammseite {
    const Diagramme& diagramme;
    const DiagrammTexte& texte;
    QStringList titelzeilen; // DiagrammTitelzeilen; may be empty
};

// Both diagrams of the page in `flaeche` (0.1 mm), in the font of printed diagrams.
void ZeichneDiagrammseite(QPainter& painter, const QRectF& flaeche, const Diagrammseite& seite);

// Prints both diagrams on one landscape page of a printer or PDF writer, inside the
// margins of the printer block (all four: a picture has a right edge).
DruckErgebnis DruckeDiagramme(const Diagrammseite& seite, const PrinterBlock& block, const QString& jobTitle,
                              QPagedPaintDevice& device, const TextSource& texts);

// The writers replace the file only when the whole picture was written. Each returns an
// empty text on success, else the message in the user's language naming the file.
QString SchreibeDiagrammPdf(const QString& path, const Diagrammseite& seite, const PrinterBlock& block,
                            const QString& jobTitle, const TextSource& texts);
// An A4 landscape picture; SVG keeps every label as text.
QByteArray DiagrammSvg(const Diagrammseite& seite, const QString& titel);
QByteArray DiagrammPng(const Diagrammseite& seite);
QString SchreibeDiagrammSvg(const QString& path, const Diagrammseite& seite, const QString& titel,
                            const TextSource& texts);
QString SchreibeDiagrammPng(const QString& path, const Diagrammseite& seite, const TextSource& texts);

} // namespace zek
