#pragma once

#include "i18n/Help.h"

#include <QWidget>

class QLabel;
class QTextBrowser;
class QToolButton;

namespace zek {

class TextSource;

// The help window: shows the help file of the language, an HTML document whose topics
// are anchors named by context number, at the requested topic. A missing file or topic
// is reported in the window itself, as the help viewer of the original platform did.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // Language texts of the window; without them it speaks German.
    explicit HelpViewer(const TextSource* texts = nullptr, QWidget* parent = nullptr);

    // Shows a request of the help hook; false (and the reason in the window) when the
    // file or the topic is missing. The window is raised either way.
    bool showRequest(const HelpRequest& request);

    QTextBrowser* browser() const { return m_browser; }
    // The topic shown, empty while an error is shown.
    QString currentAnchor() const { return m_anchor; }
    QString currentFile() const { return m_file; }
    // The message shown for the last failed request, empty after a success.
    QString errorText() const { return m_error; }

    // Texts of the language: the window title, the buttons and the two messages.
    void retranslate();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString text(std::uint32_t number, const char* fallback) const;
    // Over the window it belongs to, and wholly on that window's screen.
    void placeOnScreen();
    bool showAnchor(const QString& file, const QString& anchor);
    void showError(const QString& message);
    void updateButtons();

    const TextSource* m_texts;
    QTextBrowser* m_browser;
    QLabel* m_message;
    QToolButton* m_contents;
    QToolButton* m_back;
    QToolButton* m_forward;
    QString m_file;
    QString m_anchor;
    QString m_error;
};

} // namespace zek
