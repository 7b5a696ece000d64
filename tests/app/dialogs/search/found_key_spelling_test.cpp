// A key or scale found by name keeps the letters it was named with under
// spelling by chord: C# major is not Db major, though both sound alike.
#include <QRegularExpression>
#include <QTest>

#include "app/commands/component_commands.h"
#include "app/components/guitar/guitar_client.h"
#include "app/components/keyboard/keyboard_client.h"
#include "app/components/keyboard/keyboard_range.h"
#include "app/dialogs/alt_key.h"
#include "app/dialogs/when_modal.h"
#include "app/studio_fixture.h"
#include "app/tool_tip_at.h"
#include "core/theory/chord_spelling.h"
#include "search_fixture.h"

namespace {

class FoundKeySpellingTest : public StudioTest {
protected:
    void SetUp() override
    {
        StudioTest::SetUp();
        LoadShippedLists(iniPath);
        ASSERT_TRUE(InitializeTuningList());  // the Guitar's strings
        WritePrivateProfileString("Global", "ShowScaleNotes", "1", iniPath.c_str());
        SetComponentFactory(ComponentKind::Keyboard, keyboardFactory);
        chord::Config_Accidentals = ByChordAccidentals;
    }
    void TearDown() override
    {
        chord::Config_Accidentals = 3;
        StudioTest::TearDown();
        ReleaseShippedLists();
        ReleaseTuningList();
    }

    // Finds the key typed, as the user does in the Search dialog.
    static void FindKey(mmMDIChildClient* c, const char* name)
    {
        WhenModal<TSearchDialog>([name](TSearchDialog* dialog) {
            PressAltKey(dialog, Qt::Key_K);
            NameEdit(dialog)->clear();
            QTest::keyClicks(NameEdit(dialog), name);
            QTest::keyClick(NameEdit(dialog), Qt::Key_Return);
        });
        ASSERT_TRUE(c->Frame()->Command(ComponentCommand::Find));
    }
};

// Pitch class (from A) of a written note name such as "E#" or "Cb".
int PitchClassOf(const std::string& name)
{
    constexpr int natural[] = {0, 2, 3, 5, 7, 8, 10};
    const int alteration = name.size() > 1 ? (name[1] == '#' ? 1 : -1) : 0;
    return PitchClass(natural[name[0] - 'A'] + alteration);
}

TEST_F(FoundKeySpellingTest, AKeyFoundByNameIsSpelledAsItIsWritten)
{
    auto* keyboard = Create<KeyboardClient>(ComponentKind::Keyboard);
    auto* guitar = Create<GuitarClient>(ComponentKind::Guitar);
    ASSERT_NE(keyboard, nullptr);
    ASSERT_NE(guitar, nullptr);
    guitar->Frame()->resize(640, 240);
    const struct {
        const char* name;
        std::vector<std::string> notes;
    } keys[] = {
        {"C# Major", {"C#", "D#", "E#", "F#", "G#", "A#", "B#"}},
        {"Db Major", {"Db", "Eb", "F", "Gb", "Ab", "Bb", "C"}},
        {"F# Major", {"F#", "G#", "A#", "B", "C#", "D#", "E#"}},
        {"Gb Major", {"Gb", "Ab", "Bb", "Cb", "Db", "Eb", "F"}},
        {"Cb Major", {"Cb", "Db", "Eb", "Fb", "Gb", "Ab", "Bb"}},
        {"B Major", {"B", "C#", "D#", "E", "F#", "G#", "A#"}},
        {"D# Minor", {"D#", "E#", "F#", "G#", "A#", "B", "C#"}},
        {"Eb Minor", {"Eb", "F", "Gb", "Ab", "Bb", "Cb", "Db"}},
    };
    // The Guitar's Find display of each pitch set, by the name found.
    std::map<unsigned, std::map<std::string, QImage>> fingerboards;
    for (const auto& key : keys) {
        SCOPED_TRACE(key.name);
        FindKey(keyboard, key.name);
        FindKey(guitar, key.name);
        // A key label names its note as the pointer resting on the key does.
        const KeyboardLayout::Geometry geometry = keyboard->Geometry();
        for (const std::string& note : key.notes) {
            NOTES n = geometry.range.FirstNote;
            while (PitchClass(n) != PitchClassOf(note)) ++n;
            // A white key low down, clear of the black keys.
            const int y = geometry.KeyAreaHeight() * (KeyboardLayout::IsBlackKey(n) ? 1 : 5) / 6;
            QString named = ToolTipAt(keyboard, QPoint(geometry.KeyCentre(n), y));
            EXPECT_EQ(named.remove(QRegularExpression("-?[0-9]+$")).toStdString(), note);
        }
        fingerboards[guitar->Find.found.Word()][key.name] = guitar->grab().toImage();
    }
    // Each enharmonic pair shows its own letters on the fingerboard.
    for (const auto& [word, byName] : fingerboards) {
        ASSERT_EQ(byName.size(), 2u) << "two names of one pitch set";
        EXPECT_NE(byName.begin()->second, byName.rbegin()->second) << byName.begin()->first;
    }
}

}  // namespace
