#include "LegacyImport.h"

#include "FileAccess.h"
#include "IoTexts.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <cstdint>

namespace zek {
namespace {

// What one character of code page 850 becomes in a Windows-1252 text. Control characters
// cannot be typed into a text field and would break the lines of the project file and the
// report; a DOS character that Windows-1252 lacks (box drawing, mostly) comes out as the
// converter's substitute byte and becomes a question mark.
std::string windowsText(QStringView unicode) {
    QString cleaned = unicode.toString();
    for (QChar& c : cleaned)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    QStringEncoder toWindows("windows-1252");
    QByteArray bytes = toWindows(cleaned);
    bytes.replace('\x1A', '?');
    return bytes.toStdString();
}

// Code page 850 is one byte per character, so the conversion of a text is that of each of
// its bytes: converted once for all 256 of them, as Qt's converters give it.
const std::array<std::string, 256>& dosCharacters() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> out;
        char all[256];
        for (int i = 0; i < 256; ++i)
            all[i] = static_cast<char>(i);
        QStringDecoder fromDos("IBM850");
        const QString unicode = fromDos(QByteArrayView(all, 256));
        const std::string whole = unicode.size() == 256 ? windowsText(unicode) : std::string();
        for (int i = 0; i < 256; ++i) {
            if (whole.size() == 256) {
                out[std::size_t(i)] = whole.substr(std::size_t(i), 1);
            } else {
                QStringDecoder one("IBM850");
                out[std::size_t(i)] = windowsText(QString(one(QByteArrayView(all + i, 1))));
            }
        }
        return out;
    }();
    return table;
}

class RecordReader {
public:
    RecordReader(std::string_view record, LegacyRecordFit& fit) : m_record(record), m_fit(fit) {}

    std::uint8_t byte(std::size_t offset) const { return static_cast<std::uint8_t>(m_record[offset]); }
    u16 u16At(std::size_t offset) const { return static_cast<u16>(byte(offset) | (byte(offset + 1) << 8)); }
    i32 i32At(std::size_t offset) const {
        const std::uint32_t bits = std::uint32_t(byte(offset)) | (std::uint32_t(byte(offset + 1)) << 8) |
                                   (std::uint32_t(byte(offset + 2)) << 16) |
                                   (std::uint32_t(byte(offset + 3)) << 24);
        return static_cast<i32>(bits);
    }
    u16 u16Clamped(std::size_t offset, u16 lo, u16 hi) const { return counted(u16At(offset), lo, hi); }
    i32 i32Clamped(std::size_t offset, i32 lo, i32 hi) const { return counted(i32At(offset), lo, hi); }

    // A length byte and room for `width` characters of code page 850; a length byte
    // beyond the room counts as the full width.
    std::string text(std::size_t offset, std::size_t width) const {
        ++m_fit.texts;
        m_fit.textsTooLong += byte(offset) > width ? 1 : 0;
        const std::size_t length = std::min<std::size_t>(byte(offset), width);
        const std::string_view dos = m_record.substr(offset + 1, length);
        const std::array<std::string, 256>& characters = dosCharacters();
        std::string out;
        out.reserve(length);
        for (const char c : dos)
            out += characters[static_cast<unsigned char>(c)];
        return out;
    }

private:
    template <class T> T counted(T value, T lo, T hi) const {
        ++m_fit.numbers;
        m_fit.numbersOutside += value < lo || value > hi ? 1 : 0;
        return std::clamp(value, lo, hi);
    }

    std::string_view m_record;
    LegacyRecordFit& m_fit;
};

} // namespace

bool ImportLegacyRecord(std::string_view record, ProjectData& p, LegacyRecordFit* fit) {
    if (record.size() < kLegacyRecordSize)
        return false;
    LegacyRecordFit counts;
    const RecordReader r(record.substr(0, kLegacyRecordSize), fit ? *fit : counts);

    p.Person.Firma = r.text(0, 50);
    p.Person.Abteilung = r.text(51, 50);
    p.Person.Name = r.text(102, 50);
    p.Person.Str = r.text(153, 50);
    p.Person.Ort = r.text(204, 50);
    p.Projekt.Firma = r.text(255, 50);
    p.Projekt.Name = r.text(306, 50);
    p.Projekt.Projekt = r.text(357, 50);

    p.Anschluss.Spannung = r.u16Clamped(408, 0, 9999);
    p.Anschluss.Strom = r.u16Clamped(410, 0, 9999);
    p.Schaltschrank.Breite = r.u16Clamped(412, 0, 9999);
    p.Schaltschrank.Hoehe = r.u16Clamped(414, 0, 9999);
    p.Schaltschrank.Tiefe = r.u16Clamped(416, 0, 9999);
    SetMaterial(p.Schaltschrank, r.u16Clamped(418, 0, 3));
    p.Schaltschrank.Gehaeuseart = r.u16Clamped(420, 0, 2);
    p.Schaltschrank.Aufstellart = r.u16Clamped(422, 0, 1);

    p.Temperatur.MaxInnen = r.i32Clamped(424, 0, 60);
    p.Temperatur.MinInnen = r.i32Clamped(428, 0, 60);
    p.Temperatur.MaxAussen = r.i32Clamped(432, 0, 75);
    p.Temperatur.MinAussen = r.i32Clamped(436, -20, 60);
    p.Temperatur.Wasser = r.u16Clamped(440, 0, 60);
    p.Gleichzeitigkeit.Leistungsteil = r.u16Clamped(444, 0, 100);
    p.Gleichzeitigkeit.Steuerungsteil = r.u16Clamped(446, 0, 100);

    // Version 1.1 knew "known" (0) and "not known" (1); it had no measured loss.
    const u16 mode = r.u16Clamped(448, 0, 2);
    p.Verlustleistung.Bekannt = mode == 0 ? u16(VerlustBekannt) : u16(VerlustNichtBekannt);
    p.Verlustleistung.WertBekannt = r.u16At(450);

    for (int i = 0; i < kLeistungsschalterSlots; ++i)
        p.Leistungsschalter[i] = r.u16Clamped(452 + 2 * i, 0, 9999);
    for (int i = 0; i < kSicherungenRows; ++i) {
        const std::size_t at = 478 + 6 * i;
        p.Sicherungen[i] = {r.u16Clamped(at, 0, 999), r.u16Clamped(at + 2, 0, 9999),
                            r.u16Clamped(at + 4, 1, 3)};
    }
    for (int i = 0; i < kMotorschutzSlots; ++i)
        p.Motorschutz[i] = r.u16Clamped(538 + 2 * i, 0, 9999);
    for (int i = 0; i < kRelaisSlots; ++i)
        p.Relais[i] = r.u16Clamped(542 + 2 * i, 0, 9999);
    for (int i = 0; i < kLeistungsschuetzeSlots; ++i)
        p.Leistungsschuetze[i] = r.u16Clamped(550 + 2 * i, 0, 9999);
    for (int i = 0; i < kLampenSlots; ++i)
        p.Lampen[i] = r.u16Clamped(574 + 2 * i, 0, 9999);
    for (int i = 0; i < kTransformatorenRows; ++i) {
        const std::size_t at = 582 + 4 * i;
        p.Transformatoren[i] = {r.u16Clamped(at, 0, 999), r.u16Clamped(at + 2, 0, 9999)};
    }
    for (int i = 0; i < kNetzteileRows; ++i) {
        const std::size_t at = 630 + 8 * i;
        p.Netzteile[i] = {r.u16Clamped(at, 0, 999), r.u16Clamped(at + 2, 0, 999),
                          r.u16Clamped(at + 4, 0, 999), r.u16Clamped(at + 6, 1, 3)};
    }
    for (int i = 0; i < kFrequenzumrichterRows; ++i) {
        const std::size_t at = 710 + 30 * i;
        FrequenzumrichterZeile& row = p.Frequenzumrichter[i];
        row.Anzahl = r.u16Clamped(at, 0, 999);
        row.Leistung = r.u16Clamped(at + 2, 0, 9999);
        row.Wirkungsgrad = r.u16Clamped(at + 4, 0, 100);
        row.Ausnutzung = r.u16Clamped(at + 6, 0, 100);
        row.Bezeichnung = r.text(at + 8, 20);
    }
    for (int i = 0; i < kSteuerungenSlots; ++i)
        p.Steuerungen[i] = r.u16Clamped(950 + 2 * i, 0, 9999);
    for (int i = 0; i < kSonstigeRows; ++i) {
        const std::size_t at = 958 + 26 * i;
        SonstigeZeile& row = p.Sonstige[i];
        row.Anzahl = r.u16Clamped(at, 0, 999);
        row.Bezeichnung = r.text(at + 2, 20);
        row.Leistung = r.u16Clamped(at + 24, 0, 9999);
    }
    p.Auswahl.Geraete = r.u16At(1218);
    return true;
}

IoResult ImportLegacyBytes(Project& project, std::string_view bytes, const QString& fileName,
                           const TextSource& texts) {
    ProjectData imported = project.data();
    LegacyRecordFit fit;
    if (!ImportLegacyRecord(bytes, imported, &fit))
        return {IoStatus::TooShort, 0, ioTextWithFile(texts, kTextLegacyTooShort, fileName)};
    if (!fit.plausible())
        return {IoStatus::NotAProject, 0, ioTextWithFile(texts, kTextNotLegacyProject, fileName)};
    project.data() = imported;
    project.MarkProjectSaved();
    return {};
}

IoResult ImportLegacyProject(Project& project, const QString& fileName, const TextSource& texts) {
    int err = 0;
    const auto record = readFileStart(fileName, qint64(kLegacyRecordSize), &err);
    if (!record)
        return {IoStatus::ReadFailed, err, ioReadFailure(texts, fileName, err)};
    return ImportLegacyBytes(project, std::string_view(record->constData(), std::size_t(record->size())),
                             fileName, texts);
}

} // namespace zek
