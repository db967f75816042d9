#pragma once

#include "devices/DeviceTable.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace zek::test {

// One device line as the table file holds it, laid out on the fixed columns.
struct Device {
    std::string code;                // columns 17-19
    std::uint16_t leistungszahl = 0; // columns 24-27
    std::string artikel = "VT 1";    // columns 1-15; a leading blank means none
    std::string beschreibung = "Testgeraet";
    char klasse1 = ' ', klasse2 = ' ';
    std::uint16_t zahl2 = 0, zahl3 = 0, zahl4 = 0;
};

inline std::string field4(std::uint16_t value) {
    std::string s = std::to_string(value);
    return std::string(s.size() < 4 ? 4 - s.size() : 0, ' ') + s;
}

inline std::string deviceLine(const Device& d) {
    std::string line = d.artikel.substr(0, 15);
    line.resize(15, ' ');
    line += ' ' + d.code + ' ' + d.klasse1 + d.klasse2 + ' ' + field4(d.leistungszahl) + ' ' +
            field4(d.zahl2) + ' ' + field4(d.zahl3) + ' ' + field4(d.zahl4) + ' ' + d.beschreibung;
    return line;
}

// Builds the text of a table file: title, separator, device lines, separator, tables.
class TypBuilder {
public:
    TypBuilder& title(std::string t) {
        m_title = std::move(t);
        return *this;
    }
    TypBuilder& device(const Device& d) {
        m_devices.push_back(deviceLine(d));
        return *this;
    }
    TypBuilder& raw(std::string line) {
        m_devices.push_back(std::move(line));
        return *this;
    }
    TypBuilder& devices(std::initializer_list<Device> list) {
        for (const Device& d : list)
            device(d);
        return *this;
    }
    // Free lines of the table section.
    TypBuilder& tableLine(std::string line) {
        m_tables.push_back(std::move(line));
        return *this;
    }
    // A whole table: a header and one row line per row given.
    TypBuilder& table(const std::vector<std::vector<double>>& rows) {
        tableLine("{T}");
        int ambient = 20;
        for (const auto& row : rows) {
            std::string line = "{" + std::to_string(ambient) + "} (";
            for (std::size_t i = 0; i < row.size(); ++i)
                line += (i ? ", " : "") + std::to_string(row[i]);
            tableLine(line + "),");
            ambient += 5;
        }
        return *this;
    }
    std::string text() const {
        std::string s = m_title + "\r\n--\r\n";
        for (const auto& l : m_devices)
            s += l + "\r\n";
        s += "--\r\n";
        for (const auto& l : m_tables)
            s += l + "\r\n";
        return s;
    }
    DeviceTable build() const {
        DeviceTable t;
        t.LiesTypText(text());
        return t;
    }

private:
    std::string m_title = "Testtabelle";
    std::vector<std::string> m_devices;
    std::vector<std::string> m_tables;
};

// A table of devices only.
inline DeviceTable tableOf(std::initializer_list<Device> list) {
    return TypBuilder().devices(list).build();
}

// A row of nine equal cells.
inline std::vector<double> flatRow(double value) {
    return std::vector<double>(9, value);
}

} // namespace zek::test
