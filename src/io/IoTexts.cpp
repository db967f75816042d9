#include "IoTexts.h"

#include "core/Cp1252.h"

#include <QDir>
#include <cerrno>

namespace zek {
namespace {

// German wording as Windows-1252 bytes.
const char* germanText(std::uint32_t number) {
    switch (number) {
    case kTextReadOnlyFile:
        return "Die Datei ist schreibgesch\xFCtzt.";
    case kTextOverwriteAnyway:
        return "Soll sie trotzdem \xFC"
               "berschrieben werden?";
    case kTextCheckFailed:
        return "Die Projektdatei wurde nicht richtig gespeichert.";
    case kTextCheckFailedHint:
        return "Bitte pr\xFC"
               "fen Sie den Datentr\xE4ger und speichern Sie erneut.";
    case kTextCannotWrite:
        return "In %s kann nicht geschrieben werden";
    case kTextCannotRead:
        return "Die Datei %s kann nicht gelesen werden.";
    case kTextLegacyTooShort:
        return "Die Datei %s ist kein Projekt der Version 1.1: sie ist k\xFCrzer als 1220 Byte.";
    case kTextNotAProject:
        return "Die Datei ist keine Projektdatei von ZEK 2.0: ";
    case kTextFileMissing:
        return "Die Datei %s gibt es nicht.";
    case kTextFileIsFolder:
        return "%s ist ein Ordner, keine Datei.";
    case kTextFileNoPermission:
        return "Keine Berechtigung, die Datei %s zu lesen.";
    case kTextNotLegacyProject:
        return "Die Datei %s ist kein Projekt der Version 1.1.";
    case kTextNoRegularFile:
        return "%s ist keine gew\xF6hnliche Datei.";
    default:
        return "";
    }
}

} // namespace

std::string ioText(const TextSource& texts, std::uint32_t number) {
    std::string text = texts.GetLangText(number);
    return text.empty() ? std::string(germanText(number)) : text;
}

std::string ioTextWithFile(const TextSource& texts, std::uint32_t number, const QString& fileName) {
    std::string text = ioText(texts, number);
    const std::string name = toCp1252(QDir::toNativeSeparators(fileName));
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, name);
    else
        text += (text.empty() || text.back() == ' ' ? "" : " ") + name;
    return text;
}

std::string ioReadFailure(const TextSource& texts, const QString& fileName, int errorCode) {
    switch (errorCode) {
    case ENOENT:
    case ENOTDIR:
        return ioTextWithFile(texts, kTextFileMissing, fileName);
    case EISDIR:
        return ioTextWithFile(texts, kTextFileIsFolder, fileName);
    case EACCES:
    case EPERM:
        return ioTextWithFile(texts, kTextFileNoPermission, fileName);
    case ENODEV:
        return ioTextWithFile(texts, kTextNoRegularFile, fileName);
    default:
        return ioTextWithFile(texts, kTextCannotRead, fileName);
    }
}

} // namespace zek
