#pragma once

#include "ui/Interaction.h"

#include <QQueue>
#include <QStringList>
#include <stdexcept>

namespace zek {

// A UserInteraction for tests: answers come from queues filled beforehand, and every
// question, error and file dialog is recorded. An unexpected question fails loudly
// instead of blocking.
class ScriptedInteraction : public UserInteraction {
public:
    void setNextAnswer(int modalResult) { m_answers.enqueue(modalResult); }
    void setNextFileName(const QString& name) { m_fileNames.enqueue(name); }

    int question(const QString& text, MsgType, unsigned, int) override {
        questions << text;
        if (m_answers.isEmpty())
            throw std::logic_error("unexpected question: " + text.toStdString());
        return m_answers.dequeue();
    }
    void error(const QString& text) override { errors << text; }
    QString openFileName(const QString& title, const QString&, const QStringList&) override {
        return nextFileName(title);
    }
    QString saveFileName(const QString& title, const QString&, const QStringList&,
                         const QString& proposedName) override {
        proposedNames << proposedName;
        return nextFileName(title);
    }

    bool allAnswersUsed() const { return m_answers.isEmpty() && m_fileNames.isEmpty(); }

    QStringList questions;
    QStringList errors;
    QStringList fileDialogs;
    QStringList proposedNames; // the names the save dialogs offered

private:
    QString nextFileName(const QString& title) {
        fileDialogs << title;
        if (m_fileNames.isEmpty())
            throw std::logic_error("unexpected file dialog: " + title.toStdString());
        return m_fileNames.dequeue();
    }

    QQueue<int> m_answers;
    QQueue<QString> m_fileNames;
};

} // namespace zek
