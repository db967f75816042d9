#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <string>

namespace zek {

// The texts Qt itself shows (the file and print dialogs, the standard buttons) in the
// language of the program. They come from Qt's own translations, which the system may
// lack: then Qt's texts stay English and the program says nothing, since its own texts
// are whole.
class QtOwnTexts {
public:
    explicit QtOwnTexts(QString folder = defaultFolder());
    ~QtOwnTexts();
    QtOwnTexts(const QtOwnTexts&) = delete;
    QtOwnTexts& operator=(const QtOwnTexts&) = delete;

    // German and French take Qt's translation of that language; English, any other
    // code and a missing file leave Qt's English.
    void follow(const std::string& languageCode);

    // The file of Qt's texts for a language code; empty for English.
    QString file(const std::string& languageCode) const;
    static QString defaultFolder();

private:
    QString m_folder;
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace zek
