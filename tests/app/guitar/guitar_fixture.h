#pragma once
// A studio with the tuning list loaded and a Guitar in it, about 800 x 260
// pixels of fingerboard, with its sound off unless a test turns it on.

#include <QTest>

#include "app/components/guitar/guitar_client.h"
#include "app/studio_fixture.h"
#include "core/theory/definition_lists.h"

// The first tunings of the default settings: standard guitar (E6 B6 G5 D5 A5
// E4 in slots 0-5), a four-string bass, a one-string test instrument.
constexpr const char* GuitarTunings =
    "[Tunings]\n"
    "1=\"Guitar\",\"Standard\", E4 A5 D5 G5 B6 E6\n"
    "2=\"Bass\",\"Standard\", E3 A4 D4 G4\n"
    "3=\"Monochord\",\"A\", A5\n";

class GuitarTest : public StudioTest {
protected:
    void SetUp() override
    {
        StudioTest::SetUp();
        scratch.Write("cantrel.ini", std::string("[Global]\nMaxChords=5\n") + GuitarTunings);
        ForgetProfiles();
        InitializeTuningList();
        guitar = NewGuitar();
    }

    void TearDown() override
    {
        StudioTest::TearDown();
        ReleaseTuningList();
        ReleaseInstruments();
    }

    GuitarClient* NewGuitar()
    {
        auto* g = Create<GuitarClient>(ComponentKind::Guitar);
        if (!g) return nullptr;
        g->Frame()->resize(860, 300);
        QCoreApplication::processEvents();
        g->SetSound(0);
        return g;
    }

    // The notes of the strings, slot 0 first.
    static std::vector<NOTES> Strings(const GuitarClient* g)
    {
        return std::vector<NOTES>(g->Chord.notes, g->Chord.notes + g->StringCount);
    }

    // A point between wire fret - 1 and wire fret on the string, which plays
    // that fret (left of the nut for fret 0).
    static QPoint Spot(const GuitarClient* g, int fret, int string)
    {
        const FingerboardGeometry geometry = g->Geometry();
        int x = 0, y = 0;
        geometry.FretPoint(fret, string, x, y);
        return QPoint(geometry.LeftHanded() ? x + geometry.WireWidth + 9 : x - 10, y);
    }

    // The component's settings line, as the studio file holds it.
    static std::string SettingsLine(mmMDIChildClient* c)
    {
        char line[1024] = {};
        char* out = line;
        int remaining = sizeof line;
        c->SaveSettings(out, remaining);
        return line;
    }

    void Type(const char* keys)
    {
        for (const char* k = keys; *k; ++k) QTest::keyClick(guitar, *k);
    }

    GuitarClient* guitar = nullptr;
};
