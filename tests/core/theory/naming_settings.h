#pragma once
// Puts the naming switches of chord back to their start values around a test.

#include "core/theory/chord.h"

class NamingSettings {
public:
    NamingSettings() { Restore(); }
    ~NamingSettings() { Restore(); }
    NamingSettings(const NamingSettings&) = delete;
    NamingSettings& operator=(const NamingSettings&) = delete;

    static void Restore()
    {
        chord::Config_Accidentals = 3;
        chord::Custom_Accidentals = 0;
        chord::Config_BassStyle = 0;
        chord::Config_AddStyle = 0;
        chord::Config_DiffBass = 0;
        chord::Config_NoRoot = 1;
    }
};
