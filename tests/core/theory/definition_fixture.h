#pragma once
// Tests that load definition lists from a settings file of their own, in a
// scratch folder, and leave every list, the instrument table and the naming
// switches as they found them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/notes.h"
#include "naming_settings.h"
#include "support/error_recorder.h"
#include "support/scratch_dir.h"
#include "support/test_settings.h"

inline void ReleaseAllDefinitions()
{
    ReleaseChordList();
    ReleaseTuningList();
    ReleaseScaleList();
    ReleaseKeyList();
    ReleaseInstruments();
}

class DefinitionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReleaseAllDefinitions();
        ResetParseNoteOctave();
    }
    void TearDown() override
    {
        ReleaseAllDefinitions();
        ResetParseNoteOctave();
    }

    // Makes `contents` the settings file and points the lists at it.
    void UseSettings(const std::string& contents)
    {
        const std::string path = scratch.Write("cantrel.ini", contents);
        ForgetProfiles();
        UseINIFileName(path.c_str());
    }

    // Writes the settings and loads all four lists; true when each ended normally.
    bool LoadAll(const std::string& contents)
    {
        UseSettings(contents);
        return InitializeAllLists();
    }

    // Loads all four lists from the settings every user starts with.
    static bool LoadShipped()
    {
        ForgetProfiles();
        UseINIFileName(TestSettings::File().c_str());
        return InitializeAllLists();
    }

    static bool InitializeAllLists()
    {
        const bool chords = InitializeChordList();
        const bool tunings = InitializeTuningList();
        const bool scales = InitializeScaleList();
        const bool keys = InitializeKeyList();
        return chords && tunings && scales && keys;
    }

    static chord Chord(const std::vector<NOTES>& notes)
    {
        chord c;
        for (NOTES n : notes) c.AddNote(n);
        return c;
    }

    static std::vector<std::string> Names(const chord& c)
    {
        std::vector<std::string> names;
        CHORD_FIND_BUF buf;
        char name[chord::ChordNameSize];
        for (int found = c.FindFirstName(name, buf); found; found = c.FindNextName(name, buf)) names.push_back(name);
        return names;
    }

    ScratchDir scratch;
    ErrorRecorder errors;
    NamingSettings settings;
};
