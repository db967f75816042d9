#include "ProjectFile.h"

#include "FileAccess.h"
#include "IoTexts.h"

#include "core/InputRanges.h"
#include "core/Rounding.h"

#include <QRandomGenerator>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

namespace zek {
namespace {

const char* const kKeyK = "W\xE4rmedurchgangszahl";
const char* const kKeyGehaeuseart = "Geh\xE4useart";

// A key with its row number ("AnzahlNr3"), made without a heap string: the reader looks
// up hundreds of them per file.
class NumberedKey {
public:
    NumberedKey(std::string_view key, int n) {
        const std::size_t size = std::min(key.size(), sizeof m_text - 12);
        std::memcpy(m_text, key.data(), size);
        m_size = std::size_t(std::to_chars(m_text + size, m_text + sizeof m_text, n).ptr - m_text);
    }
    operator std::string_view() const { return {m_text, m_size}; }

private:
    char m_text[40];
    std::size_t m_size;
};

// Every section and key of the project file in the order of writing; the reader takes
// the same walk, so both can never disagree about a name or its place.
template <class P, class V> void visitProject(P& p, V& v) {
    v.section("Person");
    v.text("Firma", p.Person.Firma);
    v.text("Abteilung", p.Person.Abteilung);
    v.text("Name", p.Person.Name);
    v.text("Str", p.Person.Str);
    v.text("Ort", p.Person.Ort);

    v.section("Projekt");
    v.text("Firma", p.Projekt.Firma);
    v.text("Name", p.Projekt.Name);
    v.text("Projekt", p.Projekt.Projekt);

    v.section("Anschluss");
    v.number("Spannung", p.Anschluss.Spannung, eingabe::Ziffern4);
    v.number("Strom", p.Anschluss.Strom, eingabe::Ziffern4);

    v.section("Schaltschrank");
    v.number("Breite", p.Schaltschrank.Breite, eingabe::Ziffern4);
    v.number("Hoehe", p.Schaltschrank.Hoehe, eingabe::Ziffern4);
    v.number("Tiefe", p.Schaltschrank.Tiefe, eingabe::Ziffern4);
    v.material("Material", kKeyK, p.Schaltschrank);
    v.number(kKeyGehaeuseart, p.Schaltschrank.Gehaeuseart, eingabe::Gehaeuseart);
    v.number("Aufstellart", p.Schaltschrank.Aufstellart, eingabe::Aufstellart);

    v.section("Temperatur");
    v.number("MaxInnen", p.Temperatur.MaxInnen, eingabe::MaxInnen);
    v.number("MinInnen", p.Temperatur.MinInnen, eingabe::MinInnen);
    v.number("MaxAussen", p.Temperatur.MaxAussen, eingabe::MaxAussen);
    v.number("MinAussen", p.Temperatur.MinAussen, eingabe::MinAussen);
    v.number("Wasser", p.Temperatur.Wasser, eingabe::Wasser);

    v.section("Gleichzeitigkeit");
    v.number("Leistungsteil", p.Gleichzeitigkeit.Leistungsteil, eingabe::Prozent);
    v.number("Steuerungsteil", p.Gleichzeitigkeit.Steuerungsteil, eingabe::Prozent);

    v.section("Verlustleistung");
    v.number("Bekannt", p.Verlustleistung.Bekannt, eingabe::Verlustmodus);
    v.number("WertBekannt", p.Verlustleistung.WertBekannt, eingabe::Ziffern4);
    v.number("InnenTemperatur", p.Verlustleistung.InnenTemperatur, eingabe::Messtemperatur);
    v.number("AussenTemperatur", p.Verlustleistung.AussenTemperatur, eingabe::Messtemperatur);

    v.section("Leistungsschalter");
    for (int i = 0; i < kLeistungsschalterSlots; ++i)
        v.number(NumberedKey("Nr", i + 1), p.Leistungsschalter[i], eingabe::Ziffern4);

    v.section("Sicherungen");
    for (int i = 0; i < kSicherungenRows; ++i) {
        v.number(NumberedKey("AnzahlNr", i + 1), p.Sicherungen[i].Anzahl, eingabe::Ziffern3);
        v.number(NumberedKey("StromNr", i + 1), p.Sicherungen[i].Strom, eingabe::Ziffern4);
        v.number(NumberedKey("ArtNr", i + 1), p.Sicherungen[i].Art, eingabe::SicherungArt);
    }

    v.section("Motorschutz");
    v.number("24Ampere", p.Motorschutz[0], eingabe::Ziffern4);
    v.number("80Ampere", p.Motorschutz[1], eingabe::Ziffern4);

    v.section("Relais");
    v.number("Wechselspannungsrelais", p.Relais[0], eingabe::Ziffern4);
    v.number("Gleichspannungsrelais", p.Relais[1], eingabe::Ziffern4);
    v.number("Wechselspannungskoppelrelais", p.Relais[2], eingabe::Ziffern4);
    v.number("Gleichspannungskoppelrelais", p.Relais[3], eingabe::Ziffern4);

    v.section("Leistungsschuetze");
    static const char* const kSchuetze[kLeistungsschuetzeSlots] = {
        "4KW", "7.5KW", "11KW", "15KW", "22KW", "30KW", "37KW", "55KW", "90KW", "130KW", "200KW", "375KW"};
    for (int i = 0; i < kLeistungsschuetzeSlots; ++i)
        v.number(kSchuetze[i], p.Leistungsschuetze[i], eingabe::Ziffern4);

    v.section("Lampen");
    v.number("1.2Watt", p.Lampen[0], eingabe::Ziffern4);
    v.number("2.0Watt", p.Lampen[1], eingabe::Ziffern4);
    v.number("5.0Watt", p.Lampen[2], eingabe::Ziffern4);
    v.number("Transformator", p.Lampen[3], eingabe::Ziffern4);

    v.section("Transformatoren");
    for (int i = 0; i < kTransformatorenRows; ++i) {
        v.number(NumberedKey("AnzahlNr", i + 1), p.Transformatoren[i].Anzahl, eingabe::Ziffern3);
        v.number(NumberedKey("LeistungNr", i + 1), p.Transformatoren[i].Leistung, eingabe::Ziffern4);
    }

    v.section("Netzteile");
    for (int i = 0; i < kNetzteileRows; ++i) {
        v.number(NumberedKey("AnzahlNr", i + 1), p.Netzteile[i].Anzahl, eingabe::Ziffern3);
        v.number(NumberedKey("SpannungNr", i + 1), p.Netzteile[i].Spannung, eingabe::Ziffern3);
        v.number(NumberedKey("StromNr", i + 1), p.Netzteile[i].Strom, eingabe::Ziffern3);
        v.number(NumberedKey("TypNr", i + 1), p.Netzteile[i].Typ, eingabe::NetzteilTyp);
    }

    v.section("Frequenzumrichter");
    for (int i = 0; i < kFrequenzumrichterRows; ++i) {
        v.number(NumberedKey("AnzahlNr", i + 1), p.Frequenzumrichter[i].Anzahl, eingabe::Ziffern3);
        v.number(NumberedKey("LeistungNr", i + 1), p.Frequenzumrichter[i].Leistung, eingabe::Ziffern4);
        v.number(NumberedKey("WirkungsgradNr", i + 1), p.Frequenzumrichter[i].Wirkungsgrad, eingabe::Prozent);
        v.number(NumberedKey("AusnutzungNr", i + 1), p.Frequenzumrichter[i].Ausnutzung, eingabe::Prozent);
        v.text(NumberedKey("BezeichnungNr", i + 1), p.Frequenzumrichter[i].Bezeichnung);
    }

    v.section("Steuerungen");
    for (int i = 0; i < kSteuerungenSlots; ++i)
        v.number(NumberedKey("AnzahlNr", i + 1), p.Steuerungen[i], eingabe::Ziffern4);

    v.section("Sonstige");
    for (int i = 0; i < kSonstigeRows; ++i) {
        v.number(NumberedKey("AnzahlNr", i + 1), p.Sonstige[i].Anzahl, eingabe::Ziffern3);
        // The key of these designations has always been spelled with an "l" before "Nr".
        v.text(NumberedKey("BezeichnunglNr", i + 1), p.Sonstige[i].Bezeichnung);
        v.number(NumberedKey("LeistungNr", i + 1), p.Sonstige[i].Leistung, eingabe::Ziffern4);
    }

    v.section("Auswahl");
    v.check("GeraeteCheck", p.Auswahl.GeraeteCheck);
    v.number("Geraete", p.Auswahl.Geraete, eingabe::Geraete, 65535);
}

class Writer {
public:
    explicit Writer(std::string& out) : m_out(out) {}

    void section(std::string_view name) {
        if (!m_out.empty())
            m_out += "\r\n";
        m_out += '[';
        m_out += name;
        m_out += "]\r\n";
    }
    void number(std::string_view key, const u16& value, InputRange, u16 = 0) {
        line(key, std::to_string(value));
    }
    void number(std::string_view key, const i32& value, InputRange = {}) { line(key, std::to_string(value)); }
    template <std::size_t N> void text(std::string_view key, const FixedText<N>& value) {
        line(key, value.str());
    }
    void check(std::string_view key, const std::string& value) { line(key, value); }
    void material(std::string_view materialKey, std::string_view kKey, const SchaltschrankGroup& cabinet) {
        number(materialKey, cabinet.Material);
        // k is kept in tenths, rounded half to even: 7.25 -> 72, 0.75 -> 8.
        line(kKey, std::to_string(roundToInt32(cabinet.Waermedurchgangszahl * 10.0)));
    }

private:
    void line(std::string_view key, const std::string& value) {
        m_out += key;
        m_out += '=';
        // A line break inside a text would cut the file apart.
        for (char c : value)
            m_out += (c == '\r' || c == '\n' || c == '\0') ? ' ' : c;
        m_out += "\r\n";
    }

    std::string& m_out;
};

class Reader {
public:
    Reader(const Profile& profile, DoubtfulValues* doubtful) : m_profile(profile), m_doubtful(doubtful) {}

    void section(std::string_view name) { m_section = name; }
    // Unsigned fields keep the low 16 bits of what is stored, so -1 becomes 65535.
    void number(std::string_view key, u16& value, InputRange range, u16 fallback = 0) {
        const Stored s = stored(key);
        value = static_cast<u16>(s.number.value_or(fallback));
        noteDoubtful(key, s, range, value);
    }
    void number(std::string_view key, i32& value, InputRange range) {
        const Stored s = stored(key);
        value = s.number.value_or(0);
        noteDoubtful(key, s, range, value);
    }
    template <std::size_t N> void text(std::string_view key, FixedText<N>& value) {
        const std::string_view s = m_profile.value(m_section, key, m_cursor).value_or(std::string_view());
        value = s;
        if (m_doubtful && s.size() > N)
            m_doubtful->push_back({std::string(m_section), std::string(key), std::string(s), value.str()});
    }
    // The stored characters replace the reset value from position 1 on; the rest keeps it.
    void check(std::string_view key, std::string& value) {
        const std::string_view stored =
            m_profile.value(m_section, key, m_cursor).value_or(std::string_view());
        value.resize(kGeraeteCheckLength, '1');
        value.replace(0, std::min(stored.size(), kGeraeteCheckLength), stored, 0, kGeraeteCheckLength);
    }
    // A table material brings its own k; any other value is a user-defined material
    // whose k is stored in tenths.
    void material(std::string_view materialKey, std::string_view kKey, SchaltschrankGroup& cabinet) {
        const Stored material = stored(materialKey);
        const Stored tenths = stored(kKey);
        const u16 value = static_cast<u16>(material.number.value_or(0));
        if (IsTableMaterial(value))
            SetMaterial(cabinet, value);
        else
            cabinet.Material = Anderes;
        noteDoubtful(materialKey, material, eingabe::Material, cabinet.Material);
        if (cabinet.Material == Anderes) {
            cabinet.Waermedurchgangszahl = tenths.number.value_or(0) / 10.0;
            noteDoubtful(kKey, tenths, eingabe::WaermedurchgangszahlZehntel, tenths.number.value_or(0));
        }
    }

private:
    struct Stored {
        std::optional<std::string_view> text;
        std::optional<i32> number;
    };
    Stored stored(std::string_view key) {
        Stored s{m_profile.value(m_section, key, m_cursor), std::nullopt};
        if (s.text)
            s.number = parseProfileInt(*s.text);
        return s;
    }
    // A missing or empty value is what a page leaves of an empty edit; a text that is no
    // number, or a number beyond the page's range, no page would have written.
    void noteDoubtful(std::string_view key, const Stored& s, InputRange range, std::int64_t used) {
        if (!m_doubtful || !s.text || s.text->empty() || (s.number && range.contains(*s.number)))
            return;
        m_doubtful->push_back(
            {std::string(m_section), std::string(key), std::string(*s.text), std::to_string(used)});
    }

    const Profile& m_profile;
    DoubtfulValues* m_doubtful;
    std::string_view m_section;
    // A file written by the program holds the keys in the order of this walk.
    Profile::Cursor m_cursor;
};

// Collects the section names of the walk.
class SectionLister {
public:
    explicit SectionLister(std::vector<std::string>& names) : m_names(names) {}
    void section(std::string_view name) { m_names.emplace_back(name); }
    template <class... A> void number(A&&...) {}
    template <class... A> void text(A&&...) {}
    template <class... A> void check(A&&...) {}
    template <class... A> void material(A&&...) {}

private:
    std::vector<std::string>& m_names;
};

} // namespace

const std::vector<std::string>& ProjectFileSections() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        SectionLister lister(all);
        const ProjectData none{};
        visitProject(none, lister);
        return all;
    }();
    return names;
}

QByteArray ProjectFileBytes(const ProjectData& project, int testValue) {
    std::string out;
    out.reserve(8192);
    Writer writer(out);
    visitProject(project, writer);
    writer.section("Test");
    writer.number("Test", i32(testValue));
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

void ReadProjectProfile(const Profile& profile, ProjectData& project, DoubtfulValues* doubtful) {
    Reader reader(profile, doubtful);
    visitProject(project, reader);
}

IoResult WriteProjectFile(Project& project, const QString& fileName, const TextSource& texts,
                          const ConfirmOverwrite& confirm) {
    // The write check: a random value under [Test] must come back from the disk.
    const int testValue = static_cast<int>(QRandomGenerator::global()->bounded(32767));

    if (isReadOnlyFile(fileName)) {
        const std::string question =
            ioText(texts, kTextReadOnlyFile) + "\r\n" + ioText(texts, kTextOverwriteAnyway);
        if (!confirm || !confirm(question))
            return {IoStatus::Declined, 0, {}};
    }

    const QByteArray bytes = ProjectFileBytes(project.data(), testValue);
    const auto testComesBack = [testValue](const QByteArray& back) {
        return Profile(std::string_view(back.constData(), std::size_t(back.size())))
                   .readInt("Test", "Test", -1) == testValue;
    };
    int code = 0;
    const IoStatus status = writeFileAtomically(fileName, bytes, testComesBack, &code);
    switch (status) {
    case IoStatus::Ok:
        project.MarkProjectSaved();
        return {};
    case IoStatus::CheckFailed:
        return {status, code, ioText(texts, kTextCheckFailed) + "\r\n" + ioText(texts, kTextCheckFailedHint)};
    case IoStatus::ReplaceFailed:
        return {status, code, {}};
    default:
        return {IoStatus::WriteFailed, code, ioTextWithFile(texts, kTextCannotWrite, fileName)};
    }
}

bool ReadProjectFile(Project& project, const SettingsData& settings, const QString& fileName) {
    project.ResetProject(settings);
    const auto bytes = readFileBytes(fileName);
    if (!bytes)
        return false;
    ReadProjectProfile(Profile(std::string_view(bytes->constData(), std::size_t(bytes->size()))),
                       project.data());
    project.MarkProjectSaved();
    return true;
}

} // namespace zek
