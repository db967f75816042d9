#pragma once

#include "devices/DeviceTable.h"

#include <cstdint>
#include <cstdio>
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

inline std::string deviceLine(const Device& d) {
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, "%4u %4u %4u %4u ", unsigned(d.leistungszahl), unsigned(d.zahl2),
                  unsigned(d.zahl3), unsigned(d.zahl4));
    std::string line = d.artikel.substr(0, 15);
    line.resize(15, ' ');
    return line + ' ' + d.code + ' ' + d.klasse1 + d.klasse2 + ' ' + numbers + d.beschreibung;
}

// A table file of these devices and lines of the table section, read as the program reads it.
inline DeviceTable typTable(const std::vector<Device>& devices, const std::vector<std::string>& tables = {}) {
    std::string text = "Testtabelle\r\n--\r\n";
    for (const Device& d : devices)
        text += deviceLine(d) + "\r\n";
    text += "--\r\n";
    for (const std::string& line : tables)
        text += line + "\r\n";
    DeviceTable t;
    t.LiesTypText(text);
    return t;
}

} // namespace zek::test
