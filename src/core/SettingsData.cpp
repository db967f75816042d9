#include "SettingsData.h"

namespace zek {
namespace {

SettingsData commonDefaults() {
    SettingsData s;
    for (PrinterBlock* b : {&s.Drucker, &s.Fax}) {
        b->ObererRand = 10;
        b->RechterRand = 10;
        b->UntererRand = 10;
    }
    s.Schaltschrank.Breite = 600;
    s.Schaltschrank.Hoehe = 2000;
    s.Schaltschrank.Tiefe = 600;
    s.Gleichzeitigkeit.Leistungsteil = 80;
    s.Gleichzeitigkeit.Steuerungsteil = 60;
    return s;
}

} // namespace

SettingsData FactorySettings() {
    SettingsData s = commonDefaults();
    s.Drucker.LinkerRand = s.Fax.LinkerRand = 20;
    s.Drucker.Index = s.Fax.Index = 0;
    return s;
}

SettingsData ReadDefaultSettings() {
    SettingsData s = commonDefaults();
    s.Drucker.LinkerRand = s.Fax.LinkerRand = 10;
    s.Drucker.Index = s.Fax.Index = -1;
    return s;
}

} // namespace zek
