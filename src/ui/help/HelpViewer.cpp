#include "HelpViewer.h"

#include "core/Cp1252.h"
#include "core/TextSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zek {
namespace {

// Texts of the help window (area 12 of the code texts).
constexpr std::uint32_t kTitleText = 1012001;
constexpr std::uint32_t kContentsText = 1012002;
constexpr std::uint32_t kBackText = 1012003;
constexpr std::uint32_t kForwardText = 1012004;
constexpr std::uint32_t kNoFileText = 1012005;
constexpr std::uint32_t kNoTopicText = 1012006;

// A help file is a few hundred kilobytes; anything far larger is not one.
constexpr qint64 kMaxHelpFileBytes = 16 * 1024 * 1024;

// Replaces the "%s" placeholders of a language text in order.
QString fill(QString pattern, const QStringList& values) {
    for (const QString& v : values) {
        const qsizetype at = pattern.indexOf(QLatin1String("%s"));
        if (at < 0)
            break;
        pattern.replace(at, 2, v);
    }
    return pattern;
}

} // namespace

HelpViewer::HelpViewer(const TextSource* texts, QWidget* parent)
    : QWidget(parent, Qt::Window), m_texts(texts), m_browser(new QTextBrowser(this)),
      m_message(new QLabel(this)), m_contents(new QToolButton(this)), m_back(new QToolButton(this)),
      m_forward(new QToolButton(this)) {
    setObjectName("HelpViewer");
    m_browser->setObjectName("HelpBrowser");
    m_message->setObjectName("HelpMessage");
    m_contents->setObjectName("HelpContentsBtn");
    m_back->setObjectName("HelpBackBtn");
    m_forward->setObjectName("HelpForwardBtn");
    m_message->setWordWrap(true);
    m_message->hide();
    m_browser->setOpenExternalLinks(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_contents);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_message);
    layout->addWidget(m_browser, 1);

    connect(m_contents, &QToolButton::clicked, this, [this] { showRequest({m_file, kHelpContents, 0}); });
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        m_anchor = url.fragment();
        updateButtons();
    });
    connect(m_browser, &QTextBrowser::historyChanged, this, &HelpViewer::updateButtons);

    resize(640, 560);
    retranslate();
    updateButtons();
}

QString HelpViewer::text(std::uint32_t number, const char* fallback) const {
    const std::string t = m_texts ? m_texts->GetLangText(number) : std::string();
    return t.empty() ? QString::fromUtf8(fallback) : fromCp1252(t);
}

void HelpViewer::retranslate() {
    setWindowTitle(text(kTitleText, "Hilfe"));
    m_contents->setText(text(kContentsText, "Inhalt"));
    m_back->setText(text(kBackText, "Zurück"));
    m_forward->setText(text(kForwardText, "Vor"));
}

void HelpViewer::placeOnScreen() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect screen = (owner ? owner->screen() : this->screen())->availableGeometry();
    // Room for the title bar and the frame, which the window system adds only later.
    const QMargins frame(4, 30, 4, 4);
    const QRect room = screen.marginsRemoved(frame);
    QRect wanted(QPoint(), size().boundedTo(room.size()));
    wanted.moveCenter(owner ? owner->frameGeometry().center() : room.center());
    wanted.moveLeft(std::clamp(wanted.left(), room.left(), room.right() + 1 - wanted.width()));
    wanted.moveTop(std::clamp(wanted.top(), room.top(), room.bottom() + 1 - wanted.height()));
    setGeometry(wanted);
}

bool HelpViewer::showRequest(const HelpRequest& request) {
    // The language may have changed since the window was opened.
    retranslate();
    if (!isVisible())
        placeOnScreen();
    show();
    raise();
    activateWindow();
    switch (request.command) {
    case kHelpContents:
        return showAnchor(request.file, kHelpContentsAnchor);
    case kHelpOnHelp:
        return showAnchor(request.file, kHelpOnHelpAnchor);
    default:
        return showAnchor(request.file, HelpAnchor(request.data));
    }
}

bool HelpViewer::showAnchor(const QString& file, const QString& anchor) {
    QFile f(file);
    const QFileInfo info(file);
    if (!info.isFile() || info.size() > kMaxHelpFileBytes || !f.open(QIODevice::ReadOnly)) {
        m_file.clear();
        m_browser->clear();
        showError(fill(text(kNoFileText, "Die Hilfedatei %s wurde nicht gefunden."),
                       {QDir::toNativeSeparators(file)}));
        return false;
    }
    const QString html = QString::fromUtf8(f.readAll());
    m_file = file;
    if (!HelpAnchors(html).contains(anchor)) {
        showError(fill(text(kNoTopicText, "Das Thema %s ist in der Hilfedatei %s nicht vorhanden."),
                       {anchor, QDir::toNativeSeparators(file)}));
        return false;
    }
    m_error.clear();
    m_message->hide();
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    url.setFragment(anchor);
    // The file carries the extension of the old help files but holds HTML.
    m_browser->setSource(url, QTextDocument::HtmlResource);
    // Asking again for the topic already shown does not reload, so scroll explicitly.
    m_browser->scrollToAnchor(anchor);
    m_anchor = anchor;
    updateButtons();
    return true;
}

void HelpViewer::showError(const QString& message) {
    m_error = message;
    m_anchor.clear();
    m_message->setText(message);
    m_message->show();
    updateButtons();
}

void HelpViewer::updateButtons() {
    m_contents->setEnabled(!m_file.isEmpty());
    m_back->setEnabled(m_browser->isBackwardAvailable());
    m_forward->setEnabled(m_browser->isForwardAvailable());
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    // Escape puts the help away, as it leaves the program's dialogs.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace zek
