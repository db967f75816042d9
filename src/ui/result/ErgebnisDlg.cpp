#include "ui/result/ErgebnisDlg.h"

#include "core/Cp1252.h"
#include "ui/result/ResultCommands.h"

#include <QAction>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zek {

QFont ErgebnisSchrift(int pixelHeight) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelHeight);
    return font;
}

TErgebnisDlg::TErgebnisDlg(FormContext& context, QWidget* parent)
    : TMDIChild(context, kErgebnisDlgHelpNumber, parent) {
    setObjectName(QStringLiteral("ErgebnisDlg"));
    // The text box fills the view: no frame, no caption line above it.
    makeViewPage();
    setAttribute(Qt::WA_DeleteOnClose);

    ErgebnisMemo = new QPlainTextEdit(this);
    ErgebnisMemo->setObjectName(QStringLiteral("ErgebnisMemo"));
    ErgebnisMemo->setProperty("tag", -1);
    ErgebnisMemo->setReadOnly(true);
    ErgebnisMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    ErgebnisMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ErgebnisMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ErgebnisMemo->setFont(ErgebnisSchrift(13));
    ErgebnisMemo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ErgebnisMemo->installEventFilter(this);
    contentLayout()->addWidget(ErgebnisMemo);
    // Named after the view's caption: "Ergebnis" or "Faxanfrage".
    NameAfter(ErgebnisMemo, {this});
    setFocusProxy(ErgebnisMemo);
    TranslateForm();
}

TErgebnisDlg::~TErgebnisDlg() {
    FormDeactivate();
}

void TErgebnisDlg::ZeigeZeilen(const std::vector<std::string>& lines) {
    ErgebnisMemo->hide();
    QString text;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (i > 1)
            text += QLatin1Char('\n');
        text += fromCp1252(lines[i]);
    }
    ErgebnisMemo->setPlainText(text);
    ErgebnisMemo->show();
    ErgebnisMemo->setFocus();
}

void TErgebnisDlg::setViewButtons(QAction* ergebnisAnzeigen, QAction* faxAnzeigen, bool faxMode) {
    m_ergAnzBtn = ergebnisAnzeigen;
    m_faxAnzBtn = faxAnzeigen;
    m_faxMode = faxMode;
    if (isVisible())
        FormActivate();
}

void TErgebnisDlg::FormActivate() {
    if (m_ergAnzBtn)
        m_ergAnzBtn->setEnabled(m_faxMode);
    if (m_faxAnzBtn)
        m_faxAnzBtn->setEnabled(!m_faxMode);
}

void TErgebnisDlg::FormDeactivate() {
    for (QAction* button : {m_ergAnzBtn.data(), m_faxAnzBtn.data()})
        if (button)
            button->setEnabled(true);
}

void TErgebnisDlg::hideEvent(QHideEvent* event) {
    TMDIChild::hideEvent(event);
    FormDeactivate();
}

void TErgebnisDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        emit dataEntryRequested();
        return;
    }
    TMDIChild::keyPressEvent(event);
}

bool TErgebnisDlg::eventFilter(QObject* watched, QEvent* event) {
    // The text box would pass Esc on to the dialog's own reject; the view consumes it.
    if (watched == ErgebnisMemo && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        emit dataEntryRequested();
        return true;
    }
    return TMDIChild::eventFilter(watched, event);
}

} // namespace zek
