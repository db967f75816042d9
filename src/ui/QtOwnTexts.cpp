#include "ui/QtOwnTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace zek {

QtOwnTexts::QtOwnTexts(QString folder) : m_folder(std::move(folder)) {}

QtOwnTexts::~QtOwnTexts() {
    follow({});
}

QString QtOwnTexts::defaultFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QString QtOwnTexts::file(const std::string& languageCode) const {
    const char* suffix = languageCode == "zkdeu" ? "de" : languageCode == "zkfra" ? "fr" : nullptr;
    return suffix ? QDir(m_folder).filePath(QStringLiteral("qtbase_%1.qm").arg(QLatin1String(suffix)))
                  : QString();
}

void QtOwnTexts::follow(const std::string& languageCode) {
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    const QString qm = file(languageCode);
    if (qm.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(qm) && QCoreApplication::installTranslator(translator.get()))
        m_translator = std::move(translator);
}

} // namespace zek
