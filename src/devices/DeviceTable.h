#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zek {

class TextSource;

// The device lines of the table file, in file order; the position is the line index
// by which every other part of the program names a device.
using TLineCollection = std::vector<std::string>;

inline constexpr int kKennlinienAnzahl = 100;
inline constexpr int kKennlinienRaster = 9; // 20, 25, ..., 60 °C
// Rows: ambient temperature 15 + 5·r °C; columns: inside temperature 15 + 5·c °C.
using Kennlinie = std::array<std::array<double, kKennlinienRaster>, kKennlinienRaster>;

// A Leistungszahl of this value or more names a characteristic table (value mod 100).
inline constexpr std::uint16_t kKennlinienbezug = 9000;
// The search tries one unit, then two, ... up to this many.
inline constexpr int kMaxAnzahl = 20;

// One device line split by its fixed columns. Characters beyond the end of a short
// line are absent: a code letter 0, an empty text, a number 0.
struct Geraetezeile {
    std::string Artikel;             // columns 1-15
    bool hatArtikel = false;         // column 1 holds something other than a blank
    char Code1 = 0;                  // column 17: family H, L, T, W, K
    char Code2 = 0;                  // column 18: variant, "X" matches every variant
    char Code3 = 0;                  // column 19: sub-variant, "-" for none
    char Klasse1 = 0;                // column 21
    char Klasse2 = 0;                // column 22
    std::uint16_t Leistungszahl = 0; // columns 24-27
    std::uint16_t Zahl2 = 0;         // columns 29-32
    std::uint16_t Zahl3 = 0;         // columns 34-37
    std::uint16_t Zahl4 = 0;         // columns 39-42
    std::string Beschreibung;        // column 44 on, at most 255 characters

    std::string Typcode() const;
    bool operator==(const Geraetezeile&) const = default;
};

Geraetezeile ZerlegeZeile(std::string_view line);

// A number field: leading blanks, then decimal digits filling the field; anything
// else (a trailing blank, a letter, a sign) gives 0.
std::uint16_t LiesFeldzahl(std::string_view field);

// The number reader of the table values: decimal point or comma, an exponent after
// "E", "e" or "^"; a text that cannot be read gives 0.
double LiesZahl(std::string_view text);

double Interpoliere(double x, double x0, double x1, double y0, double y1);

struct Suchergebnis {
    std::int32_t index = -1;   // line index, -1 when nothing was found
    int anzahl = 0;            // units needed, 1..20
    std::int32_t leistung = 0; // power of one unit at the operating point, W (0 where not known)
    bool gefunden() const { return index >= 0; }
};

// What one unit of a device line offers at the temperatures A and B of the search.
struct Einheitsleistung {
    std::int64_t kapazitaet = 0; // what the search compares: W, m³/h, or W at 25 K for exchangers
    std::int32_t leistung = 0;   // power at the operating point, W (0 where not known)
    bool kennlinie = false;      // the capacity comes from a characteristic table
};

// The five report lines of a device.
struct Geraetebeschreibung {
    std::string Marke;
    std::string Werte;
    std::string Variante;
    std::string Artikel;
    std::string Klasse;
    bool istFilterluefter = false;
};

// Text number of a variant letter (column 18), 0 for a letter without text.
std::uint32_t VariantentextNummer(char letter);
std::string Variantentext(char letter, const TextSource& texts);

// The device list, its title and the 100 characteristic tables; read once at start.
class DeviceTable {
public:
    DeviceTable(); // tables 1..14 start with their built-in values

    // A file this large is no device table (the shipped ones have a few hundred lines).
    static constexpr qint64 kMaxTypDateiBytes = 64 * 1024 * 1024;

    // Reads the table file. False when it cannot be opened or read, or is larger than
    // kMaxTypDateiBytes; the device list is then empty.
    bool LiesTypDatei(const QString& path);
    // The same on the file's bytes (lines end in CR LF, LF or CR).
    void LiesTypText(std::string_view content);

    const std::string& title() const { return m_title; }
    const TLineCollection& lines() const { return m_lines; }
    std::int32_t lineCount() const { return static_cast<std::int32_t>(m_lines.size()); }
    bool isLine(std::int32_t index) const { return index >= 0 && index < lineCount(); }

    // Fields of line `index`; an index outside the list gives an empty line.
    const Geraetezeile& ZerlegeZeile(std::int32_t index) const;
    char Code1(std::int32_t index) const;
    char Code2(std::int32_t index) const;
    char Code3(std::int32_t index) const;
    // The code letters of line `index` (Geraetezeile::Typcode); empty outside the list.
    std::string Typcode(std::int32_t index) const;

    // Table number 1..100; any other number gives nullptr.
    const Kennlinie* kennlinie(int nummer) const;

    // Cooling power of one unit of table `nummer` at ambient `ta` and inside `ti`, W;
    // 0 outside 20..60 °C, next to an empty cell, or for a table that does not exist.
    std::uint16_t Kennlinienwert(int nummer, std::int32_t ta, std::int32_t ti) const;

    // Smallest sufficient device of `typcode` (three letters) for requirement `bedarf`.
    // For "T" and "K" codes tempA is the highest ambient, for "W" codes the water inlet
    // temperature; tempB is the highest inside temperature.
    Suchergebnis SucheGeraet(std::int32_t bedarf, std::int32_t tempA, std::int32_t tempB,
                             std::string_view typcode) const;

    // One unit of line `z` at the temperatures A and B that SucheGeraet takes.
    Einheitsleistung Geraeteleistung(const Geraetezeile& z, std::int32_t tempA, std::int32_t tempB) const;

    Geraetebeschreibung BeschreibeGeraet(std::int32_t index, const TextSource& texts) const;

private:
    void parseTableLine(std::string_view line);
    // The lines of family `code1` and sub-variant `code3`, in file order.
    std::pair<const std::int32_t*, const std::int32_t*> family(char code1, char code3) const;

    std::string m_title;
    TLineCollection m_lines;
    std::vector<Geraetezeile> m_fields; // m_lines split once, for the search
    // Every line index, ordered by family letter, sub-variant letter and file order: a
    // search looks at the lines of its family only.
    std::vector<std::int32_t> m_byFamily;
    std::array<Kennlinie, kKennlinienAnzahl> m_kennlinien{};
    int m_tableCounter = 0;
    int m_rowCounter = 0;
};

} // namespace zek
