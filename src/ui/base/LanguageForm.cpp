#include "ui/base/LanguageForm.h"

#include "core/Cp1252.h"
#include "i18n/Language.h"
#include "ui/FormContext.h"
#include "ui/base/TranslateForm.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zek {

TLanguageForm::TLanguageForm(FormContext& context, int helpNumber, QWidget* parent)
    : QDialog(parent), m_context(context), m_helpNumber(helpNumber) {
    setProperty(kHelpNumberProperty, helpNumber);
    QFont f = font();
    f.setFamily(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
}

void TLanguageForm::TranslateForm() {
    const Language& language = m_context.language;
    zek::TranslateForm(this, m_helpNumber, language, language.moduleLoaded(), language.keyNames());
}

QString TLanguageForm::langText(std::uint32_t number) const {
    return fromCp1252(m_context.language.GetLangText(number))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString TLanguageForm::langTextOr(std::uint32_t number, const QString& designText) const {
    const QString text = langText(number);
    return text.isEmpty() ? designText : text;
}

namespace {
constexpr const char* kNamePartsProperty = "accessibleNameParts";
constexpr const char* kNameRowProperty = "accessibleNameRow";

// The text a control shows, as a name: without accelerator marks and line breaks
// ("Wirkungs-\ngrad" is read as one word).
QString nameText(const QWidget* w) {
    QString t;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        t = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        t = button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(w))
        t = group->title();
    else
        t = w->windowTitle();
    t.replace(QLatin1String("-\n"), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t.remove(QLatin1Char('&')).simplified();
}
} // namespace

void NameAfter(QWidget* input, std::initializer_list<const QWidget*> parts, int row) {
    QVariantList list;
    for (const QWidget* part : parts)
        list << QVariant::fromValue(const_cast<QObject*>(static_cast<const QObject*>(part)));
    input->setProperty(kNamePartsProperty, list);
    input->setProperty(kNameRowProperty, row);
}

void TLanguageForm::RefreshAccessibleNames() {
    const QString rowWord = langTextOr(kTextZeile, QStringLiteral("Zeile"));
    for (QWidget* input : findChildren<QWidget*>()) {
        const QVariant parts = input->property(kNamePartsProperty);
        if (!parts.isValid())
            continue;
        QStringList words;
        for (const QVariant& part : parts.toList())
            if (const auto* w = qobject_cast<const QWidget*>(part.value<QObject*>()))
                words << nameText(w);
        QString name = words.join(QLatin1Char(' '));
        if (const int row = input->property(kNameRowProperty).toInt(); row > 0)
            name += QStringLiteral(", ") + rowWord + QLatin1Char(' ') + QString::number(row);
        input->setAccessibleName(name);
    }
}

void TLanguageForm::showEvent(QShowEvent* event) {
    RefreshAccessibleNames();
    QDialog::showEvent(event);
}

void TLanguageForm::HilfeBtnClick() {
    if (m_context.help)
        m_context.help(m_helpNumber);
}

QPoint CentredPosition(const QSize& available, const QSize& form) {
    // C++ integer division rounds toward zero, as the placement asks for.
    return {(available.width() - form.width()) / 2, (available.height() - form.height()) / 2};
}

TMDIChild::TMDIChild(FormContext& context, int helpNumber, QWidget* parent)
    : TLanguageForm(context, helpNumber, parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_content = new QVBoxLayout;
    m_content->setContentsMargins(12, 10, 12, 6);
    outer->addLayout(m_content, 1);
}

void TMDIChild::makePage() {
    m_page = true;
    setWindowFlags(Qt::Widget);
    resize(479, 335);
    // A page has no title bar of its own; its caption stands above its controls.
    m_heading = new QLabel(windowTitle(), this);
    m_heading->setObjectName(QStringLiteral("CaptionLabel"));
    m_heading->setProperty(kTagProperty, -1);
    QFont bold = m_heading->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    m_heading->setFont(bold);
    m_content->insertWidget(0, m_heading);
    m_content->insertSpacing(1, 6);
}

void TMDIChild::makeViewPage() {
    makePage();
    m_heading->hide();
    for (int i = m_content->count() - 1; i >= 0; --i)
        if (m_content->itemAt(i)->spacerItem())
            delete m_content->takeAt(i);
    m_content->setContentsMargins(0, 0, 0, 0);
    m_content->setSpacing(0);
}

void TMDIChild::focusFirstField() {
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool TMDIChild::HandleKey(int key) {
    if (key == kVkPrior) {
        ZurueckClick();
        return true;
    }
    if (key == kVkNext) {
        WeiterClick();
        return true;
    }
    return false;
}

void TMDIChild::WeiterClick() {
    emit nextPageRequested();
}

void TMDIChild::ZurueckClick() {
    emit previousPageRequested();
}

void TMDIChild::AbbruchClick() {
    LoadData();
}

void TMDIChild::HelpClick() {
    HilfeBtnClick();
}

namespace {
int virtualKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_PageUp:
        return kVkPrior;
    case Qt::Key_PageDown:
        return kVkNext;
    default:
        return 0;
    }
}
} // namespace

bool TMDIChild::eventFilter(QObject* watched, QEvent* event) {
    // The form sees the keys before its controls (a spin field would otherwise take
    // Page Up and Page Down for itself).
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int vk = virtualKey(key->key());
        if (vk != 0 && key->modifiers() == Qt::NoModifier && HandleKey(vk))
            return true;
    }
    return TLanguageForm::eventFilter(watched, event);
}

void TMDIChild::keyPressEvent(QKeyEvent* event) {
    const int vk = virtualKey(event->key());
    if (vk != 0 && event->modifiers() == Qt::NoModifier && HandleKey(vk))
        return;
    if (m_page && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // A page has no default button: Enter does nothing.
        event->accept();
        return;
    }
    TLanguageForm::keyPressEvent(event);
}

void TMDIChild::installKeyPreview() {
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void TMDIChild::showEvent(QShowEvent* event) {
    TLanguageForm::showEvent(event);
    installKeyPreview();
    if (m_page && parentWidget() && !parentWidget()->layout())
        move(CentredPosition(parentWidget()->size(), size()));
    FormActivate();
}

void TMDIChild::changeEvent(QEvent* event) {
    TLanguageForm::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange && m_heading)
        m_heading->setText(windowTitle());
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_page)
        FormActivate();
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    // A page never refuses to close; its edits go into the record first.
    if (m_page)
        StoreData();
    event->accept();
}

void TMDIChild::reject() {
    // Escape on a page presses its Abbruch button, if it has one; the page stays.
    if (m_page) {
        if (CancelBtn && CancelBtn->isVisible() && CancelBtn->isEnabled())
            AbbruchClick();
        return;
    }
    TLanguageForm::reject();
}

void CreateButtonPanel(TMDIChild* form, unsigned flags) {
    auto* panel = new QWidget(form);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setProperty(kTagProperty, -1);
    panel->setFixedHeight(43);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(18, 10, 18, 5);
    row->setSpacing(12);

    struct ButtonDef {
        unsigned flag;
        const char* name;
        int tag;
        std::uint32_t hint;
        std::uint32_t caption;
        const char* designCaption;
        QStyle::StandardPixmap icon;
    };
    static const ButtonDef buttonDefs[] = {
        {bfWeiter, "WeiterBtn", 5, 1000001, 1000002, "&Weiter", QStyle::SP_ArrowRight},
        {bfHilfe, "HelpBtn", 2, 1000003, 1000004, "Hi&lfe", QStyle::SP_DialogHelpButton},
        {bfAbbruch, "CancelBtn", 3, 1000005, 1000006, "Abbruch", QStyle::SP_DialogCancelButton},
        {bfZurueck, "ZurueckBtn", 4, 1000007, 1000008, "&Zur\u00fcck", QStyle::SP_ArrowLeft},
    };
    bool first = true;
    for (const ButtonDef& s : buttonDefs) {
        if (!(flags & s.flag))
            continue;
        if (!first)
            row->addStretch(1);
        first = false;
        auto* button = new QPushButton(panel);
        button->setObjectName(QString::fromLatin1(s.name));
        button->setProperty(kTagProperty, s.tag);
        button->setText(form->langTextOr(s.caption, QString::fromUtf8(s.designCaption)));
        button->setToolTip(form->langText(s.hint));
        button->setIcon(form->style()->standardIcon(s.icon));
        button->setMinimumSize(80, 28);
        button->setAutoDefault(false);
        button->setDefault(false);
        row->addWidget(button);
        switch (s.flag) {
        case bfWeiter:
            form->WeiterBtn = button;
            QObject::connect(button, &QPushButton::clicked, form, &TMDIChild::WeiterClick);
            break;
        case bfHilfe:
            form->HelpBtn = button;
            QObject::connect(button, &QPushButton::clicked, form, &TMDIChild::HelpClick);
            break;
        case bfAbbruch:
            form->CancelBtn = button;
            QObject::connect(button, &QPushButton::clicked, form, &TMDIChild::AbbruchClick);
            break;
        case bfZurueck:
            form->ZurueckBtn = button;
            // The arrow stands right of the caption.
            button->setLayoutDirection(Qt::RightToLeft);
            QObject::connect(button, &QPushButton::clicked, form, &TMDIChild::ZurueckClick);
            break;
        }
    }
    if (auto* outer = qobject_cast<QVBoxLayout*>(form->layout()))
        outer->addWidget(panel);
    form->Panel1 = panel;
}

} // namespace zek
