#pragma once

#include "report/Diagramm.h"
#include "report/chart/DiagrammTexte.h"

#include <QFont>
#include <QRectF>
#include <QStringList>
#include <utility>

class QPainter;
class QPaintDevice;

namespace zek {

// An axis from `von` to `bis` with ticks every `schritt`, all of them round numbers.
struct Achse {
    double von = 0.0, bis = 1.0, schritt = 1.0;
    bool operator==(const Achse&) const = default;
};

// The smallest axis with a round step (1, 2 or 5 times a power of ten) that holds
// min..max in about `teile` steps; an empty or unusable span still gives an axis.
Achse RundeAchse(double min, double max, int teile = 6);

// The font and text of a diagram title in `breite` on `geraet`: a title wider than its
// diagram (a narrow view, a long translation) is set smaller, down to the size of the
// labels, and only then shortened with an ellipsis, so that it never ends mid-word.
std::pair<QFont, QString> Titelsatz(const QFont& basis, const QString& titel, double breite,
                                    QPaintDevice* geraet);

// Each diagram draws into `rahmen` of any paint device (window, PDF, SVG, image), with
// the painter's font as its base size; it keeps inside the frame. Curves differ in dash
// pattern and marker as well as colour, so that a black-and-white print stays readable.
void ZeichneReservediagramm(QPainter& painter, const QRectF& rahmen, const Reservediagramm& d,
                            const DiagrammTexte& texte);
void ZeichneInnentemperaturdiagramm(QPainter& painter, const QRectF& rahmen, const Innentemperaturdiagramm& d,
                                    const DiagrammTexte& texte);

// Both diagrams side by side under the title lines (none for a window that has a caption).
void ZeichneDiagramme(QPainter& painter, const QRectF& rahmen, const Diagramme& d, const DiagrammTexte& texte,
                      const QStringList& titelzeilen);

// What the diagrams tell, one line each as their legends word it: every device with its
// limit temperature, and the loss the bare cabinet carries. For a screen reader, which
// cannot read a picture.
QStringList DiagrammKernaussagen(const Diagramme& d, const DiagrammTexte& texte);

} // namespace zek
