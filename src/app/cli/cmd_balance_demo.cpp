#include "Command.h"

#include "core/Cabinet.h"
#include "core/Losses.h"
#include "core/ProjectData.h"
#include "core/SettingsData.h"

#include <cstdio>

namespace {

// The built-in example: a free-standing single steel cabinet of 600 x 2000 x 500 mm with a
// handful of components, at the factory simultaneity factors of 80 % and 60 %.
zek::ProjectData exampleProject() {
    zek::ProjectData p = zek::NewProject(zek::FactorySettings());
    p.Projekt.Projekt = "Beispiel";
    p.Schaltschrank.Breite = 600;
    p.Schaltschrank.Hoehe = 2000;
    p.Schaltschrank.Tiefe = 500;
    zek::SetMaterial(p.Schaltschrank, zek::Stahlblech);
    p.Schaltschrank.Gehaeuseart = zek::Einzelschrank;
    p.Schaltschrank.Aufstellart = zek::Freistehend;
    p.Temperatur = {40, 20, 35, -10, 15};
    p.Leistungsschalter[0] = 3;
    p.Sicherungen[0] = {10, 16, 1};
    p.Sicherungen[1] = {3, 63, 2};
    p.Sicherungen[2] = {3, 250, 3};
    p.Netzteile[0] = {2, 24, 5, 3};
    p.Transformatoren[0] = {1, 400};
    p.Frequenzumrichter[0] = {2, 11, 95, 80, "FU Pumpen"};
    return p;
}

void printDemo(const zek::ProjectData& p) {
    const auto& s = p.Schaltschrank;
    const auto& t = p.Temperatur;
    std::printf("Cabinet: %u x %u x %u mm, k = %.1f W/(m²K), material %u, position %u, installation %u\n",
                unsigned(s.Breite), unsigned(s.Hoehe), unsigned(s.Tiefe), s.Waermedurchgangszahl,
                unsigned(s.Material), unsigned(s.Gehaeuseart), unsigned(s.Aufstellart));
    std::printf("Temperatures: inside %d..%d °C, ambient %d..%d °C\n", int(t.MinInnen), int(t.MaxInnen),
                int(t.MinAussen), int(t.MaxAussen));
    std::printf("Simultaneity: power part %u %%, control part %u %%\n",
                unsigned(p.Gleichzeitigkeit.Leistungsteil), unsigned(p.Gleichzeitigkeit.Steuerungsteil));
    std::printf("\n");
    std::printf("Oberflaeche       %10u mm²\n", unsigned(zek::Oberflaeche(p)));
    std::printf("WandwaermeMax     %10d W\n", int(zek::WandwaermeMax(p)));
    std::printf("WandwaermeMin     %10d W\n", int(zek::WandwaermeMin(p)));

    const zek::Teilverluste losses = zek::BerechneTeilverluste(p);
    std::printf("\nPartial losses (position: W)\n");
    for (int pos = 1; pos <= zek::kTeilverlusteCount; ++pos)
        if (losses.at(pos) != 0)
            std::printf("  %2d: %d\n", pos, int(losses.at(pos)));
    std::printf("Gesamtverlustleistung %6d W\n", int(zek::Gesamtverlustleistung(p)));
}

const zek::cli::CommandRegistration reg{
    {"balance-demo", "surface, wall heat flows and total loss of a built-in example",
     [](const QStringList& args) {
         if (!args.isEmpty()) {
             const bool help = args.first() == "--help" || args.first() == "-h";
             std::fprintf(
                 help ? stdout : stderr,
                 "usage: zek-cli balance-demo\n\nComputes the effective surface, the wall heat flows "
                 "at the maximum and minimum temperatures and the total power loss of a built-in "
                 "example cabinet.\n");
             return help ? zek::cli::kExitOk : zek::cli::kExitUsage;
         }
         printDemo(exampleProject());
         return zek::cli::kExitOk;
     }}};

} // namespace
