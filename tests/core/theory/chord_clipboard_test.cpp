#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/theory/chord.h"
#include "core/theory/clipboard.h"
#include "core/theory/notes.h"

namespace {

class TestClipboard : public ClipboardAccess {
public:
    std::optional<std::string> GetText() override { return text; }
    void SetText(const std::string& newText) override { text = newText; }
    std::optional<std::string> text;
};

class ChordClipboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetParseNoteOctave();
        SetClipboardAccess(&clipboard);
    }
    void TearDown() override { SetClipboardAccess(nullptr); }

    static std::vector<NOTES> Slots(const chord& c) { return {c.notes, c.notes + chord::Slots}; }

    TestClipboard clipboard;
};

}  // namespace

TEST_F(ChordClipboard, CutCopiesThenClears)
{
    chord c;
    c.AddNote(39);
    c.Cut();
    ASSERT_TRUE(clipboard.text);
    EXPECT_NE(clipboard.text->find("\u00ABC4 - "), std::string::npos) << *clipboard.text;
    EXPECT_EQ(c.CountNotes(), 0);
}

TEST_F(ChordClipboard, TwelveNotesWithALongNameSurviveCopyAndPaste)
{
    chord c;
    for (NOTES n = 100; n < 112; ++n) c.AddNote(n);  // "C#9" ... "C10": long note names
    c.Copy();
    ASSERT_TRUE(clipboard.text);
    // The longest name a chord can carry in front of its notes.
    const std::string notesPart = clipboard.text->substr(clipboard.text->find("   \u00AB"));
    clipboard.text = std::string(chord::ChordNameSize - 1, 'N') + notesPart;
    chord pasted;
    pasted.Paste();
    EXPECT_EQ(Slots(pasted), Slots(c));
}

TEST_F(ChordClipboard, PasteReadsAtMostOneKibibyte)
{
    chord c;
    clipboard.text = "\u00AB" + std::string(900, ' ') + "C4 E4 \u00BB";
    c.Paste();
    EXPECT_EQ(c.CountNotes(), 2);
    // Beyond the first 1024 bytes only blanks are read.
    clipboard.text = "\u00AB" + std::string(1100, ' ') + "C4 E4 \u00BB";
    c.Paste();
    EXPECT_EQ(c.CountNotes(), 0);
}

TEST_F(ChordClipboard, TextWithoutGuillemetEmptiesNoTextKeeps)
{
    chord c;
    c.AddNote(50);
    c.Paste();  // no text: unchanged
    EXPECT_EQ(c.notes[0], 50);
    clipboard.text = "C4 E4 G4";
    c.Paste();
    EXPECT_EQ(c.CountNotes(), 0);
}

TEST_F(ChordClipboard, WithoutAClipboardNothingHappens)
{
    SetClipboardAccess(nullptr);
    chord c;
    c.AddNote(50);
    c.Cut();
    c.Paste();
    EXPECT_EQ(c.notes[0], 50);
    EXPECT_FALSE(clipboard.text);
}
