#pragma once

#include "core/ProjectData.h"
#include "core/SettingsData.h"

#include <string>

namespace zek::test {

// A text of exactly N characters with the bytes E4 ("ä"), DF ("ß") and 80 ("€").
template <std::size_t N> FixedText<N> fullText(const std::string& label) {
    std::string s;
    while (s.size() < N)
        s += label + "-\xE4\xDF\x80";
    s.resize(N);
    s.back() = 'z';
    return FixedText<N>(s);
}

// Every field set, every row used, and values that tell each field from its neighbours.
inline ProjectData fullProject() {
    ProjectData p = NewProject(FactorySettings());
    p.Person = {fullText<50>("Firma"), fullText<50>("Abteilung"), fullText<50>("Name"), fullText<50>("Str"),
                fullText<50>("Ort")};
    p.Projekt = {fullText<50>("Kunde"), fullText<50>("Kontakt"), fullText<50>("Projekt")};
    p.Anschluss = {400, 63};
    p.Schaltschrank = {1200, 2200, 500, Anderes, 7.2, Randschrank, Wandanbau};
    p.Temperatur = {35, 5, 45, -25, 18};
    p.Gleichzeitigkeit = {75, 55};
    p.Verlustleistung = {VerlustGemessen, 1500, -3, 41};
    for (int i = 0; i < kLeistungsschalterSlots; ++i)
        p.Leistungsschalter[i] = u16(100 + i);
    for (int i = 0; i < kSicherungenRows; ++i)
        p.Sicherungen[i] = {u16(200 + i), u16(16 + i), u16(1 + i % 3)};
    p.Motorschutz = {301, 302};
    p.Relais = {401, 402, 403, 404};
    for (int i = 0; i < kLeistungsschuetzeSlots; ++i)
        p.Leistungsschuetze[i] = u16(500 + i);
    p.Lampen = {601, 602, 603, 604};
    for (int i = 0; i < kTransformatorenRows; ++i)
        p.Transformatoren[i] = {u16(700 + i), u16(1000 + i)};
    for (int i = 0; i < kNetzteileRows; ++i)
        p.Netzteile[i] = {u16(800 + i), u16(24 + i), u16(5 + i), u16(1 + i % 3)};
    for (int i = 0; i < kFrequenzumrichterRows; ++i)
        p.Frequenzumrichter[i] = {u16(900 + i), u16(11 + i), u16(90 + i), u16(70 + i),
                                  fullText<20>("FU" + std::to_string(i + 1))};
    p.Steuerungen = {951, 952, 953, 954};
    for (int i = 0; i < kSonstigeRows; ++i)
        p.Sonstige[i] = {u16(960 + i), fullText<20>("Sonst" + std::to_string(i + 1)), u16(3000 + i)};
    p.Auswahl.GeraeteCheck = "---------1010101010" + std::string(37, '0');
    p.Auswahl.Geraete = 0x5A5A;
    return p;
}

} // namespace zek::test
