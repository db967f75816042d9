#include "devices/DeviceTable.h"

#include "core/Lines.h"
#include "core/Rounding.h"
#include "core/TextSource.h"
#include "devices/BuiltinTables.h"

#include <QFile>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace zek {
namespace {

constexpr std::size_t kMaxBeschreibung = 255;

// Text numbers of the device description.
constexpr std::uint32_t kTextZahl2 = 1007019;
constexpr std::uint32_t kTextZahl3 = 1007020;
constexpr std::uint32_t kTextZahl4 = 1007021;
constexpr std::uint32_t kTextVarianteV = 1007022;
constexpr std::uint32_t kTextOhneArtikel = 1007023;
constexpr std::uint32_t kTextArtikel = 1007024;
constexpr std::uint32_t kTextKlasse1 = 1007025;
constexpr std::uint32_t kTextKlasse2 = 1007026;
constexpr std::uint32_t kTextKlasse2Ende = 1007027;
constexpr std::uint32_t kTextKlasseA = 1007051;

constexpr const char* kMarke = "velmar ";

// 1-based column `col`, `width` characters, cut where the line ends.
std::string_view column(std::string_view line, std::size_t col, std::size_t width) {
    if (col > line.size())
        return {};
    return line.substr(col - 1, width);
}

char letterAt(std::string_view line, std::size_t col) {
    return col <= line.size() ? line[col - 1] : char(0);
}

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlankOrControl(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlankOrControl(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isClassLetter(char c) {
    return c >= 'A' && c <= 'F';
}

// 10^exponent as the reader's scale; an exponent text that is not a whole number
// makes the value unreadable.
std::optional<int> readExponent(std::string_view text) {
    if (text.empty())
        return 0;
    if (text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string Geraetezeile::Typcode() const {
    std::string code;
    for (char c : {Code1, Code2, Code3})
        if (c != 0)
            code.push_back(c);
    return code;
}

std::uint16_t LiesFeldzahl(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    if (i == field.size())
        return 0;
    unsigned value = 0;
    for (; i < field.size(); ++i) {
        if (!isDigit(field[i]))
            return 0;
        value = value * 10 + unsigned(field[i] - '0');
    }
    // Four digits at most, so the field always fits 16 bits; the guard keeps a wider
    // caller honest.
    return value > 0xFFFF ? 0 : static_cast<std::uint16_t>(value);
}

Geraetezeile ZerlegeZeile(std::string_view line) {
    Geraetezeile z;
    z.Artikel = std::string(column(line, 1, 15));
    z.hatArtikel = !line.empty() && line[0] != ' ';
    z.Code1 = letterAt(line, 17);
    z.Code2 = letterAt(line, 18);
    z.Code3 = letterAt(line, 19);
    z.Klasse1 = letterAt(line, 21);
    z.Klasse2 = letterAt(line, 22);
    z.Leistungszahl = LiesFeldzahl(column(line, 24, 4));
    z.Zahl2 = LiesFeldzahl(column(line, 29, 4));
    z.Zahl3 = LiesFeldzahl(column(line, 34, 4));
    z.Zahl4 = LiesFeldzahl(column(line, 39, 4));
    z.Beschreibung = std::string(column(line, 44, kMaxBeschreibung));
    return z;
}

double LiesZahl(std::string_view text) {
    // Most values are digits with at most one decimal point, which the rules below leave
    // as they are.
    bool plain = !text.empty();
    bool point = false;
    for (const char c : text) {
        if (isDigit(c) || c == '-')
            continue;
        plain = plain && c == '.' && !point;
        point = true;
    }
    if (plain) {
        double value = 0.0;
        const auto [end, ec] =
            std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
        return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value) ? value : 0.0;
    }

    std::size_t mark = text.find('E');
    if (mark == std::string_view::npos)
        mark = text.find('e');
    if (mark == std::string_view::npos)
        mark = text.find('^');
    int exponent = 0;
    if (mark != std::string_view::npos) {
        const auto e = readExponent(text.substr(mark + 1));
        if (!e)
            return 0.0;
        exponent = *e;
        text = text.substr(0, mark);
    }
    if (text.empty())
        return 0.0;

    // From the right: digits and "-" stay, the rightmost other character becomes the
    // decimal point and every further one is a thousands separator to drop.
    std::string number;
    number.reserve(text.size());
    bool pointSet = false;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const char c = *it;
        if (isDigit(c) || c == '-')
            number.push_back(c);
        else if (!pointSet) {
            number.push_back('.');
            pointSet = true;
        }
    }
    std::reverse(number.begin(), number.end());

    double value = 0.0;
    const char* first = number.data();
    const char* last = number.data() + number.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc() || end != last)
        return 0.0;
    const double scaled = value * std::pow(10.0, exponent);
    return std::isfinite(scaled) ? scaled : 0.0;
}

double Interpoliere(double x, double x0, double x1, double y0, double y1) {
    if (x1 == x0)
        return y0;
    return y0 + (x - x0) / (x1 - x0) * (y1 - y0);
}

std::uint32_t VariantentextNummer(char letter) {
    switch (letter) {
    case 'I':
        return 1007008;
    case 'F':
        return 1007009;
    case 'A':
        return 1007010;
    case 'S':
        return 1007011;
    case 'Y':
        return 1007012;
    case 'D':
        return 1007013;
    case 'V':
        return 1007014;
    case 'W':
        return 1007015;
    case 'X':
        return 1007016;
    case '9':
        return 1007017;
    default:
        return 0;
    }
}

std::string Variantentext(char letter, const TextSource& texts) {
    const std::uint32_t number = VariantentextNummer(letter);
    return number == 0 ? std::string() : texts.GetLangText(number);
}

DeviceTable::DeviceTable() {
    const auto& builtin = builtinKennlinien();
    std::copy(builtin.begin(), builtin.end(), m_kennlinien.begin());
}

bool DeviceTable::LiesTypDatei(const QString& path) {
    m_title.clear();
    m_lines.clear();
    m_fields.clear();
    m_byFamily.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Read with a limit, so a device file or an endless stream cannot fill the memory.
    const QByteArray content = file.read(kMaxTypDateiBytes + 1);
    if (file.error() != QFileDevice::NoError || content.size() > kMaxTypDateiBytes)
        return false;
    LiesTypText(std::string_view(content.constData(), std::size_t(content.size())));
    return true;
}

void DeviceTable::LiesTypText(std::string_view content) {
    m_title.clear();
    m_lines.clear();
    m_fields.clear();
    m_byFamily.clear();
    m_tableCounter = 0;
    m_rowCounter = 0;

    enum class Section { Header, Devices, Tables } section = Section::Header;
    bool firstLine = true;
    LineCursor cursor(content);
    for (LineCursor::Line l; cursor.next(l);) {
        const std::string_view line = content.substr(l.begin, l.end - l.begin);

        const bool separator = line.starts_with("--");
        switch (section) {
        case Section::Header:
            if (firstLine)
                m_title = std::string(line);
            if (separator)
                section = Section::Devices;
            break;
        case Section::Devices:
            if (separator) {
                section = Section::Tables;
                break;
            }
            if (line.empty() || line.front() == '/')
                break;
            m_lines.emplace_back(line);
            m_fields.push_back(zek::ZerlegeZeile(line));
            break;
        case Section::Tables:
            if (line.empty() || line.front() == '/')
                break;
            parseTableLine(line);
            break;
        }
        firstLine = false;
    }

    m_byFamily.resize(m_fields.size());
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_byFamily[i] = std::int32_t(i);
    std::stable_sort(m_byFamily.begin(), m_byFamily.end(), [this](std::int32_t a, std::int32_t b) {
        const Geraetezeile& x = m_fields[std::size_t(a)];
        const Geraetezeile& y = m_fields[std::size_t(b)];
        return std::pair(x.Code1, x.Code3) < std::pair(y.Code1, y.Code3);
    });
}

void DeviceTable::parseTableLine(std::string_view raw) {
    std::string_view line = trim(raw);
    if (line.empty() || line == "),(")
        return;
    if (const std::size_t comment = line.find("//"); comment != std::string_view::npos)
        line = line.substr(0, comment);

    const auto has = [&line](char c) { return line.find(c) != std::string_view::npos; };
    const bool braces = has('{') && has('}');
    const bool parens = has('(') && has(')');
    // The counters stop one past the store, so no file is long enough to wrap them.
    if (braces && !parens) {
        m_tableCounter = std::min(m_tableCounter + 1, kKennlinienAnzahl + 1);
        m_rowCounter = 1;
        return;
    }
    if (!(braces && parens))
        return;

    // Rows before the first header, beyond the ninth and of tables beyond the hundredth
    // have no place in the store.
    const int table = m_tableCounter;
    const int row = m_rowCounter;
    m_rowCounter = std::min(m_rowCounter + 1, kKennlinienRaster + 1);
    if (table < 1 || table > kKennlinienAnzahl || row < 1 || row > kKennlinienRaster)
        return;

    std::string values(trim(line.substr(line.find('(') + 1)));
    if (const std::size_t close = values.find(')'); close != std::string::npos)
        values.erase(close, 1);
    values = std::string(trim(values));
    values.push_back(',');

    std::string_view rest = values;
    auto& cells = m_kennlinien[std::size_t(table - 1)][std::size_t(row - 1)];
    for (int k = 0; k < kKennlinienRaster; ++k) {
        const std::size_t comma = rest.find(',');
        std::string_view value = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        cells[std::size_t(k)] = LiesZahl(trim(value));
    }
}

const Geraetezeile& DeviceTable::ZerlegeZeile(std::int32_t index) const {
    static const Geraetezeile kLeer;
    return isLine(index) ? m_fields[std::size_t(index)] : kLeer;
}

char DeviceTable::Code1(std::int32_t index) const {
    return isLine(index) ? m_fields[std::size_t(index)].Code1 : char(0);
}

char DeviceTable::Code2(std::int32_t index) const {
    return isLine(index) ? m_fields[std::size_t(index)].Code2 : char(0);
}

char DeviceTable::Code3(std::int32_t index) const {
    return isLine(index) ? m_fields[std::size_t(index)].Code3 : char(0);
}

std::string DeviceTable::Typcode(std::int32_t index) const {
    return isLine(index) ? m_fields[std::size_t(index)].Typcode() : std::string();
}

std::pair<const std::int32_t*, const std::int32_t*> DeviceTable::family(char code1, char code3) const {
    const auto key = [this](std::int32_t i) {
        const Geraetezeile& z = m_fields[std::size_t(i)];
        return std::pair(z.Code1, z.Code3);
    };
    const std::pair wanted(code1, code3);
    const auto first = std::partition_point(m_byFamily.begin(), m_byFamily.end(),
                                            [&](std::int32_t i) { return key(i) < wanted; });
    const auto last =
        std::partition_point(first, m_byFamily.end(), [&](std::int32_t i) { return key(i) == wanted; });
    return {m_byFamily.data() + (first - m_byFamily.begin()),
            m_byFamily.data() + (last - m_byFamily.begin())};
}

const Kennlinie* DeviceTable::kennlinie(int nummer) const {
    if (nummer < 1 || nummer > kKennlinienAnzahl)
        return nullptr;
    return &m_kennlinien[std::size_t(nummer - 1)];
}

std::uint16_t DeviceTable::Kennlinienwert(int nummer, std::int32_t ta, std::int32_t ti) const {
    const Kennlinie* table = kennlinie(nummer);
    if (!table || ta < 20 || ta > 60 || ti < 20 || ti > 60)
        return 0;
    // No interpolation between rows: the row of the 5 K step at or below the ambient.
    const int row = ta / 5 - 4;
    const int ti0 = ti / 5 * 5;
    const int ti1 = (ti + 4) / 5 * 5;
    const double y0 = (*table)[std::size_t(row)][std::size_t(ti0 / 5 - 4)];
    const double y1 = (*table)[std::size_t(row)][std::size_t(ti1 / 5 - 4)];
    // Next to the edge of the operating range the unit is never recommended.
    if (y0 == 0.0 || y1 == 0.0)
        return 0;
    const double value = roundHalfEven(Interpoliere(ti, ti0, ti1, y0, y1));
    if (!(value > 0.0))
        return 0;
    return value >= 65535.0 ? std::uint16_t(65535) : static_cast<std::uint16_t>(value);
}

Einheitsleistung DeviceTable::Geraeteleistung(const Geraetezeile& z, std::int32_t tempA,
                                              std::int32_t tempB) const {
    Einheitsleistung e;
    e.kennlinie = z.Leistungszahl >= kKennlinienbezug;
    e.kapazitaet = e.kennlinie ? Kennlinienwert(z.Leistungszahl % 100, tempA, tempB) : z.Leistungszahl;
    e.leistung = e.kennlinie ? std::int32_t(e.kapazitaet) : 0;
    // Exchangers are rated at 25 K; they move that much less or more at the actual difference.
    if (z.Code1 == 'T' || z.Code1 == 'W')
        e.leistung = roundToInt32(double(e.kapazitaet) / 25.0 * double(std::int64_t(tempB) - tempA));
    return e;
}

Suchergebnis DeviceTable::SucheGeraet(std::int32_t bedarf, std::int32_t tempA, std::int32_t tempB,
                                      std::string_view typcode) const {
    Suchergebnis result;
    if (typcode.size() != 3)
        return result;

    // The search tries one unit on every matching line in file order, then two, and so
    // on: it finds the line that needs the fewest units, the first in the file of those.
    const auto [first, last] = family(typcode[0], typcode[2]);
    int fewest = kMaxAnzahl + 1;
    for (const std::int32_t* it = first; it != last; ++it) {
        const Geraetezeile& z = m_fields[std::size_t(*it)];
        if (z.Code2 != typcode[1] && z.Code2 != 'X')
            continue;
        const Einheitsleistung e = Geraeteleistung(z, tempA, tempB);
        int anzahl = 1;
        if (bedarf > 0) {
            if (e.kapazitaet <= 0)
                continue;
            const std::int64_t needed = (std::int64_t(bedarf) + e.kapazitaet - 1) / e.kapazitaet;
            if (needed >= fewest)
                continue;
            anzahl = int(needed);
        }
        if (anzahl < fewest) {
            fewest = anzahl;
            result = {*it, anzahl, e.leistung};
            if (anzahl == 1)
                break;
        }
    }
    return result;
}

Geraetebeschreibung DeviceTable::BeschreibeGeraet(std::int32_t index, const TextSource& texts) const {
    Geraetebeschreibung d;
    if (!isLine(index))
        return d;
    const Geraetezeile& z = m_fields[std::size_t(index)];
    const auto text = [&texts](std::uint32_t number) { return texts.LangTextView(number); };

    d.Marke.reserve(std::strlen(kMarke) + z.Beschreibung.size());
    d.Marke.append(kMarke).append(z.Beschreibung);

    char digits[8];
    const auto appendValue = [&](std::uint16_t value, std::uint32_t label) {
        if (value > 0) {
            d.Werte += text(label);
            d.Werte.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
            d.Werte += ' ';
        }
    };
    appendValue(z.Zahl2, kTextZahl2);
    appendValue(z.Zahl3, kTextZahl3);
    appendValue(z.Zahl4, kTextZahl4);

    if (z.Code2 == 'V')
        d.Variante = text(kTextVarianteV);
    else if (const std::uint32_t number = VariantentextNummer(z.Code2); number != 0 && z.Code2 != 'W')
        d.Variante = text(number);

    if (z.hatArtikel)
        d.Artikel.append(text(kTextArtikel)).append(1, ' ').append(z.Artikel);
    else
        d.Artikel = text(kTextOhneArtikel);

    const auto classText = [&](char letter) { return text(kTextKlasseA + std::uint32_t(letter - 'A')); };
    if (isClassLetter(z.Klasse1))
        d.Klasse.append(text(kTextKlasse1)).append(1, ' ').append(classText(z.Klasse1));
    if (isClassLetter(z.Klasse2))
        d.Klasse.append("  ")
            .append(text(kTextKlasse2))
            .append(1, ' ')
            .append(classText(z.Klasse2))
            .append(1, ' ')
            .append(text(kTextKlasse2Ende));

    d.istFilterluefter = z.Code1 == 'L';
    return d;
}

} // namespace zek
