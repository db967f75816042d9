#pragma once

#include <QString>
#include <QStringList>

namespace zek {

// Message types of the question box, in the order of their captions (71551..71554).
enum class MsgType { Warning, Error, Information, Confirmation, Custom };

// Button set of the question box: bit 0 Yes ... bit 8 Help, in the order shown left to right.
enum MsgButton : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
    mbAll = 1u << 7,
    mbHelp = 1u << 8,
};
inline constexpr unsigned mbYesNoCancel = mbYes | mbNo | mbCancel; // 11
inline constexpr unsigned mbYesNo = mbYes | mbNo;                  // 3

// Modal results of the buttons.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
};

// Every question, error box and file dialog of the program goes through this, so that
// tests script the answers and nothing modal blocks them.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // The question box; returns the modal result of the button pressed (Esc and the
    // close box give the cancel button's result).
    virtual int question(const QString& text, MsgType type, unsigned buttons, int helpNumber) = 0;
    // The error box: error type, OK only.
    virtual void error(const QString& text) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString openFileName(const QString& title, const QString& directory,
                                 const QStringList& filters) = 0;
    virtual QString saveFileName(const QString& title, const QString& directory, const QStringList& filters,
                                 const QString& proposedName) = 0;
};

} // namespace zek
