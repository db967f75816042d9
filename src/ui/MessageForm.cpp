#include "ui/MessageForm.h"

#include "core/Cp1252.h"
#include "core/TextSource.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace zek {

namespace {

struct ButtonKind {
    const char* name;
    std::uint32_t caption;
    int modalResult;
    int image;
};

// Left-to-right order on the box; the bit of a kind in the button set is its index.
constexpr std::array<ButtonKind, kMessageButtonKinds> kKinds{{
    {"Yes", 71555, mrYes, 0},
    {"No", 71556, mrNo, 2},
    {"OK", 71557, mrOk, 0},
    {"Cancel", 71558, mrCancel, 1},
    {"Abort", 71562, mrAbort, 1},
    {"Retry", 71563, mrRetry, 3},
    {"Ignore", 71564, mrIgnore, 1},
    {"All", 71565, mrAll, 4},
    {"Help", 71559, mrNone, 5},
}};

constexpr int kYes = 0, kNo = 1, kOK = 2, kCancel = 3, kRetry = 5, kHelp = 8;

bool has(unsigned buttons, int kind) {
    return (buttons >> kind) & 1u;
}

QIcon buttonImage(int image) {
    QStyle* style = QApplication::style();
    switch (image) {
    case 0:
        return style->standardIcon(QStyle::SP_DialogOkButton);
    case 1:
        return style->standardIcon(QStyle::SP_DialogCancelButton);
    case 2:
        return style->standardIcon(QStyle::SP_DialogNoButton);
    case 3:
        return style->standardIcon(QStyle::SP_BrowserReload);
    case 4:
        return style->standardIcon(QStyle::SP_DialogApplyButton);
    default:
        return style->standardIcon(QStyle::SP_DialogHelpButton);
    }
}

QIcon typeIcon(MsgType type) {
    QStyle* style = QApplication::style();
    switch (type) {
    case MsgType::Warning:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case MsgType::Error:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case MsgType::Information:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case MsgType::Confirmation:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case MsgType::Custom:
        break;
    }
    return {};
}

} // namespace

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = (denominator > 0 ? denominator : -denominator) / 2;
    // Halves round away from zero, as the platform's MulDiv does.
    const bool negative = (product < 0) != (denominator < 0);
    const long long absProduct = product < 0 ? -product : product;
    const long long absDen = denominator < 0 ? -static_cast<long long>(denominator) : denominator;
    const long long q = (absProduct + half) / absDen;
    return static_cast<int>(negative ? -q : q);
}

MessageMetrics messageMetrics(QSize averageChar) {
    const int w = averageChar.width();
    const int h = averageChar.height();
    return {MulDiv(8, w, 4), MulDiv(8, h, 8), MulDiv(10, w, 4), MulDiv(5, h, 8), MulDiv(4, w, 4)};
}

MessageLayout layoutMessage(QSize textSize, bool hasIcon, int buttonCount, const MessageMetrics& m) {
    int iconTextWidth = textSize.width();
    int iconTextHeight = textSize.height();
    if (hasIcon) {
        iconTextWidth += m.horzSpacing + kMessageIconSize;
        iconTextHeight = std::max(iconTextHeight, kMessageIconSize);
    }
    const int groupWidth =
        buttonCount > 0 ? buttonCount * kMessageButtonWidth + (buttonCount - 1) * m.buttonSpacing : 0;

    MessageLayout l;
    l.client = QSize(std::max(iconTextWidth, groupWidth) + 2 * m.horzMargin,
                     iconTextHeight + kMessageButtonHeight + m.vertSpacing + 2 * m.vertMargin);
    l.icon = QPoint(m.horzMargin, m.vertMargin);
    l.message = QRect(iconTextWidth - textSize.width() + m.horzMargin, m.vertMargin, textSize.width(),
                      textSize.height());
    l.firstButton =
        QPoint((l.client.width() - groupWidth) / 2, iconTextHeight + m.vertMargin + m.vertSpacing);
    return l;
}

int defaultButtonKind(unsigned buttons) {
    if (has(buttons, kOK))
        return kOK;
    if (has(buttons, kYes))
        return kYes;
    return kRetry;
}

int cancelButtonKind(unsigned buttons) {
    if (has(buttons, kCancel))
        return kCancel;
    if (has(buttons, kNo))
        return kNo;
    return kOK;
}

int modalResultOfKind(int kind) {
    return kKinds.at(static_cast<std::size_t>(kind)).modalResult;
}
std::uint32_t captionTextOfKind(int kind) {
    return kKinds.at(static_cast<std::size_t>(kind)).caption;
}

std::uint32_t captionTextOfType(MsgType type) {
    switch (type) {
    case MsgType::Warning:
        return 71551;
    case MsgType::Error:
        return 71552;
    case MsgType::Information:
        return 71553;
    case MsgType::Confirmation:
        return 71554;
    case MsgType::Custom:
        break;
    }
    return 0;
}

void TDblClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QGuiApplication::clipboard()->setText(text());
    QLabel::mouseDoubleClickEvent(event);
}

TMessageForm::TMessageForm(const QString& message, MsgType type, unsigned buttons, const TextSource& texts,
                           std::function<void(int)> help, int helpNumber, QWidget* parent)
    : QDialog(parent) {
    setObjectName("MessageForm");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setProperty("HelpContext", helpNumber);
    QFont boxFont("Arial");
    boxFont.setPointSize(10);
    setFont(boxFont);

    const QFontMetrics fm(boxFont);
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const QSize average(fm.horizontalAdvance(letters) / 52, fm.height());
    const MessageMetrics m = messageMetrics(average);

    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry()
                                                          : QRect(0, 0, 1024, 768);
    const QRect textRect = fm.boundingRect(QRect(0, 0, screen.width() / 2, 0),
                                           Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, message);

    int count = 0;
    for (int k = 0; k < kMessageButtonKinds; ++k)
        count += has(buttons, k) ? 1 : 0;

    const QIcon icon = typeIcon(type);
    m_layout = layoutMessage(textRect.size(), !icon.isNull(), count, m);
    setFixedSize(m_layout.client);
    move(screen.x() + screen.width() / 2 - width() / 2, screen.y() + screen.height() / 2 - height() / 2);

    const std::uint32_t caption = captionTextOfType(type);
    setWindowTitle(caption ? fromCp1252(texts.GetLangText(caption)) : QApplication::applicationDisplayName());

    if (!icon.isNull()) {
        auto* image = new QLabel(this);
        image->setObjectName("Image");
        image->setGeometry(QRect(m_layout.icon, QSize(kMessageIconSize, kMessageIconSize)));
        image->setPixmap(icon.pixmap(kMessageIconSize, kMessageIconSize));
    }

    auto* label = new TDblClickLabel(message, this);
    label->setObjectName("Message");
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(m_layout.message);

    m_defaultKind = defaultButtonKind(buttons);
    m_cancelKind = cancelButtonKind(buttons);
    QPoint pos = m_layout.firstButton;
    for (int k = 0; k < kMessageButtonKinds; ++k) {
        if (!has(buttons, k))
            continue;
        const ButtonKind& kind = kKinds[static_cast<std::size_t>(k)];
        auto* b = new QPushButton(buttonImage(kind.image), fromCp1252(texts.GetLangText(kind.caption)), this);
        b->setObjectName(kind.name);
        b->setGeometry(QRect(pos, QSize(kMessageButtonWidth, kMessageButtonHeight)));
        b->setAutoDefault(false);
        m_buttons[static_cast<std::size_t>(k)] = b;
        if (k == kHelp) {
            connect(b, &QPushButton::clicked, this, [help, helpNumber] {
                if (help)
                    help(helpNumber);
            });
        } else {
            const int result = kind.modalResult;
            connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        }
        pos.rx() += kMessageButtonWidth + m.buttonSpacing;
    }
    if (QPushButton* d = button(m_defaultKind)) {
        d->setDefault(true);
        d->setFocus();
    }
}

void TMessageForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (QPushButton* c = button(m_cancelKind))
            c->click();
        event->accept();
        return;
    }
    // As in the platform's message boxes, the underlined letter alone presses its button;
    // the box has no field that could take the letter as text.
    if (!(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))) {
        for (QPushButton* b : m_buttons) {
            if (b && b->isEnabled() && !b->shortcut().isEmpty() && b->shortcut()[0].key() == event->key()) {
                b->click();
                event->accept();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

int MessageDlg(const QString& message, MsgType type, unsigned buttons, int helpNumber,
               const TextSource& texts, std::function<void(int)> help, QWidget* parent) {
    TMessageForm form(message, type, buttons, texts, std::move(help), helpNumber, parent);
    return form.exec();
}

} // namespace zek
