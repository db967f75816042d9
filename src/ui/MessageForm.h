#pragma once

#include "ui/Interaction.h"

#include <QDialog>
#include <QLabel>
#include <QSize>
#include <array>
#include <functional>

class QPushButton;

namespace zek {

class TextSource;

// Spacing of the question box, derived from the average character size of its font so
// that the box looks the same at any font size.
struct MessageMetrics {
    int horzMargin = 0;
    int vertMargin = 0;
    int horzSpacing = 0;
    int vertSpacing = 0;
    int buttonSpacing = 0;
};

// Geometry of the question box, all in pixels of its client area.
struct MessageLayout {
    QSize client;
    QPoint icon;   // meaningful only with an icon
    QRect message; // the word-wrapped text
    QPoint firstButton;
};

inline constexpr int kMessageButtonWidth = 88;
inline constexpr int kMessageButtonHeight = 32;
inline constexpr int kMessageIconSize = 32;
inline constexpr int kMessageButtonKinds = 9;

// Multiply, then divide, rounded to the nearest integer (halves away from zero).
int MulDiv(int number, int numerator, int denominator);
MessageMetrics messageMetrics(QSize averageChar);
MessageLayout layoutMessage(QSize textSize, bool hasIcon, int buttonCount, const MessageMetrics& m);

// Index of a button kind (0 Yes .. 8 Help) in the button set, or -1.
int defaultButtonKind(unsigned buttons);
int cancelButtonKind(unsigned buttons);
int modalResultOfKind(int kind);
std::uint32_t captionTextOfKind(int kind);
std::uint32_t captionTextOfType(MsgType type); // 0 for the custom type

// The message label: a double click puts the whole message on the clipboard, so a user
// can paste an error into a mail.
class TDblClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The question box, laid out at run time with captions and buttons from the text table.
class TMessageForm : public QDialog {
    Q_OBJECT
public:
    TMessageForm(const QString& message, MsgType type, unsigned buttons, const TextSource& texts,
                 std::function<void(int)> help, int helpNumber, QWidget* parent = nullptr);

    QPushButton* button(int kind) const { return m_buttons[static_cast<std::size_t>(kind)]; }
    int defaultKind() const { return m_defaultKind; }
    int cancelKind() const { return m_cancelKind; }
    const MessageLayout& messageLayout() const { return m_layout; }

    // The close box counts as Cancel, whichever buttons the box has.
    void reject() override { done(mrCancel); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QPushButton*, kMessageButtonKinds> m_buttons{};
    int m_defaultKind = -1;
    int m_cancelKind = -1;
    MessageLayout m_layout;
};

// Shows the question box modally and returns the modal result of the button pressed.
int MessageDlg(const QString& message, MsgType type, unsigned buttons, int helpNumber,
               const TextSource& texts, std::function<void(int)> help, QWidget* parent = nullptr);

} // namespace zek
