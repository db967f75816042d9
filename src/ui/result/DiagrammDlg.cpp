#include "ui/result/DiagrammDlg.h"

#include "i18n/Language.h"
#include "report/chart/DiagrammZeichner.h"
#include "ui/FormContext.h"
#include "ui/base/TranslateForm.h"

#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

namespace zek {

namespace {
// The room around the drawing, and the least height of a plot, in pixels.
constexpr int kRand = 10;
constexpr double kPlotMindesthoehe = 220;
} // namespace

DiagrammBild::DiagrammBild(Diagramme diagramme, DiagrammTexte texte, QWidget* parent)
    : QWidget(parent), m_diagramme(std::move(diagramme)), m_texte(std::move(texte)) {
    setObjectName(QStringLiteral("DiagrammBild"));
    setProperty(kTagProperty, -1);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFocusPolicy(Qt::StrongFocus);
}

QSize DiagrammBild::sizeHint() const {
    return minimumSizeHint().expandedTo({1000, 620});
}

QSize DiagrammBild::minimumSizeHint() const {
    // Two plots side by side, each with room for its axes, and below the reserve diagram
    // a legend line for the need, the design point and each device: in less room the
    // labels would crowd each other, so the view scrolls instead.
    const double zeile = fontMetrics().height() * 1.25;
    const double legende = zeile * double(2 + m_diagramme.reserve.geraete.size());
    return {760, 2 * kRand + int(std::ceil(kPlotMindesthoehe + zeile * 5 + legende))};
}

void DiagrammBild::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    painter.setPen(Qt::black);
    ZeichneDiagramme(painter, QRectF(rect().adjusted(kRand, kRand, -kRand, -kRand)), m_diagramme, m_texte,
                     {});
}

TDiagrammDlg::TDiagrammDlg(FormContext& context, Diagramme diagramme, QWidget* parent)
    : TMDIChild(context, kDiagrammDlgHelpNumber, parent) {
    setObjectName(QStringLiteral("DiagrammDlg"));
    makeViewPage();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(langTextOr(kTextDiagramm, QStringLiteral("Diagramm")));

    Flaeche = new QScrollArea(this);
    Flaeche->setObjectName(QStringLiteral("DiagrammFlaeche"));
    Flaeche->setProperty(kTagProperty, -1);
    Flaeche->setWidgetResizable(true);
    Flaeche->setFrameShape(QFrame::NoFrame);
    const DiagrammTexte texte = LadeDiagrammTexte(context.language);
    Bild = new DiagrammBild(std::move(diagramme), texte, Flaeche);
    Flaeche->setWidget(Bild);
    contentLayout()->addWidget(Flaeche);
    NameAfter(Bild, {this});
    Bild->setAccessibleDescription(DiagrammKernaussagen(Bild->diagramme(), texte).join(QLatin1Char('\n')));
    setFocusProxy(Bild);
    TranslateForm();
}

} // namespace zek
