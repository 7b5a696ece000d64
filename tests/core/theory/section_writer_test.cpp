// Writing [Chords] and [Tunings] back from the live lists, as the list
// editors do: column padding, read-back of everything they can write, and
// a rewrite cut off half-way that leaves the old file whole.
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "core/services/child_process.h"
#include "core/theory/section_writer.h"
#include "definition_fixture.h"

namespace {

class SectionWriter : public DefinitionTest {};

ChordNameTag Definition(const char* name, const char* description, std::vector<std::pair<int, bool>> intervals)
{
    ChordNameTag d{};
    std::snprintf(d.name, sizeof d.name, "%s", name);
    std::snprintf(d.description, sizeof d.description, "%s", description);
    for (auto [semitones, optional] : intervals) {
        d.intervals[d.count] = semitones;
        d.flags[d.count++] = optional ? OptionalInterval : 0;
    }
    return d;
}

// Text of whole UTF-8 characters, at most maxBytes long, drawn from pieces
// that include both quote marks, commas, blanks and tabs.
std::string RandomText(std::mt19937& random, std::size_t maxBytes)
{
    static const std::vector<std::string> pieces = {"a", "Z", "7", " ", "\t", "\"", "'", ",", "#", "é", "½", "?"};
    std::string text;
    const std::size_t wanted = std::uniform_int_distribution<std::size_t>(0, maxBytes)(random);
    while (text.size() < wanted) {
        const std::string& piece = pieces[random() % pieces.size()];
        if (text.size() + piece.size() > maxBytes) break;
        text += piece;
    }
    return text;
}

std::string Quoteless(std::string text)
{
    for (char& c : text)
        if (c == '"') c = '\'';
    return text;
}

const char* const OtherSections =
    "[Scales]\n"
    "; steps in whole tones\n"
    "1=\"Major\", 1 1 ½ 1 1 1 ½\n"
    "\n"
    "[Midi]\n"
    "OutDeviceID=-1\n";

}  // namespace

TEST_F(SectionWriter, EntriesArePaddedIntoColumns)
{
    const ChordNameTag m7 = Definition("m7", "Minor Seventh", {{0, false}, {3, false}, {7, true}, {10, false}});
    EXPECT_EQ(ChordEntryValue(1, m7, 5, 20), "  \"m7\",    \"Minor Seventh\",        1  3b 5? 7b ");
    // Key and blanks take three columns up to key 999.
    const ChordNameTag empty = Definition("", "", {});
    for (auto [key, blanks] :
         std::vector<std::pair<int, int>>{{1, 2}, {9, 2}, {10, 1}, {99, 1}, {100, 0}, {999, 0}, {1000, 0}})
        EXPECT_EQ(ChordEntryValue(key, empty, 0, 0), std::string(blanks, ' ') + "\"\", \"\", ") << key;
    // Compound and optional intervals keep one blank behind even when longer than three.
    EXPECT_EQ(ChordEntryValue(1, Definition("x", "y", {{12, false}, {22, true}, {17, true}}), 1, 1),
              "  \"x\", \"y\", 8  13#? 11? ");
    // Padding counts characters, not bytes.
    EXPECT_EQ(ChordEntryValue(1, Definition("é", "½", {}), 2, 1), "  \"é\",  \"½\", ");

    TuningNameTag standard{};
    std::snprintf(standard.name, sizeof standard.name, "Standard");
    const NOTES strings[] = {67, 62, 58, 53, 48, 43};  // E6 B6 G5 D5 A5 E4, last string first
    standard.count = 6;
    std::copy(std::begin(strings), std::end(strings), standard.strings);
    EXPECT_EQ(TuningEntryValue(1, standard, "Guitar", 6, 12), "  \"Guitar\", \"Standard\",     E4 A5 D5 G5 B6 E6 ");
}

TEST_F(SectionWriter, EverythingTheEditorsCanWriteLoadsBackEqual)
{
    UseSettings("[Chords]\n1=\"\",\"Major\", 1 3 5\n[Tunings]\n1=\"Guitar\",\"Standard\", E4 A4 D5 G5 B5 E6\n");
    ASSERT_TRUE(InitializeChordList());
    ASSERT_TRUE(InitializeTuningList());
    std::mt19937 random(15);
    constexpr int Cases = 3000;

    std::vector<ChordNameTag> chords{*GetChordDefinition(0)};
    for (int k = 1; k < Cases; ++k) {
        auto* d = new ChordNameTag{};
        std::snprintf(d->name, sizeof d->name, "%s", RandomText(random, sizeof d->name - 1).c_str());
        std::snprintf(d->description, sizeof d->description, "%s",
                      RandomText(random, sizeof d->description - 1).c_str());
        d->count = random() % (DefinitionSlots + 1);
        for (int i = 0; i < d->count; ++i) {
            d->intervals[i] = random() % (WidestInterval + 1);
            d->flags[i] = random() % 2 ? OptionalInterval : 0;
        }
        ASSERT_TRUE(InsertChordDefinition(k - 1, d));
        chords.push_back(*d);
    }

    // Instruments from a pool of 40 names, the fullest table the reader takes.
    std::vector<std::string> instruments{"Guitar"};
    while (instruments.size() < MaxInstruments)
        instruments.push_back(Quoteless(RandomText(random, 50)) + std::to_string(instruments.size()));
    std::vector<TuningNameTag> tunings{*GetTuning(0)};
    std::vector<std::string> tuningInstruments{"Guitar"};
    for (int k = 1; k < Cases; ++k) {
        auto* t = new TuningNameTag{};
        std::snprintf(t->name, sizeof t->name, "%s", RandomText(random, sizeof t->name - 1).c_str());
        tuningInstruments.push_back(instruments[random() % instruments.size()]);
        t->instrument = InstrumentIndex(tuningInstruments.back().c_str());
        t->count = random() % (DefinitionSlots + 1);
        for (NOTES& s : t->strings) s = NoNote;
        for (int i = 0; i < t->count; ++i) t->strings[i] = random() % 108;
        ASSERT_TRUE(InsertTuning(k - 1, t));
        tunings.push_back(*t);
    }

    // Each spelling of the accidentals in turn writes notes that read back.
    for (int accidentals = 0; accidentals <= 3; ++accidentals) {
        chord::Config_Accidentals = accidentals;
        chord::Custom_Accidentals = 0b01010;
        ASSERT_TRUE(WriteChordSection());
        ASSERT_TRUE(WriteTuningSection());
        ReleaseChordList();
        ReleaseInstruments();
        ReleaseTuningList();
        ASSERT_TRUE(InitializeChordList());
        ASSERT_TRUE(InitializeTuningList());

        ASSERT_EQ(CountChordDefinitions(), Cases);
        for (int k = 0; k < Cases; ++k) {
            const ChordNameTag& read = *GetChordDefinition(k);
            const ChordNameTag& wrote = chords[k];
            ASSERT_EQ(read.name, Quoteless(wrote.name)) << k;
            ASSERT_EQ(read.description, Quoteless(wrote.description)) << k;
            ASSERT_EQ(std::vector<int>(read.intervals, read.intervals + read.count),
                      std::vector<int>(wrote.intervals, wrote.intervals + wrote.count))
                << k;
            ASSERT_EQ(std::vector<int>(read.flags, read.flags + read.count),
                      std::vector<int>(wrote.flags, wrote.flags + wrote.count))
                << k;
        }
        ASSERT_EQ(CountTunings(), Cases);
        for (int k = 0; k < Cases; ++k) {
            const TuningNameTag& read = *GetTuning(k);
            ASSERT_EQ(read.name, Quoteless(tunings[k].name)) << k;
            ASSERT_EQ(GetInstrument(read.instrument), tuningInstruments[k]) << k;
            ASSERT_EQ(std::vector<NOTES>(read.strings, read.strings + DefinitionSlots),
                      std::vector<NOTES>(tunings[k].strings, tunings[k].strings + DefinitionSlots))
                << k << " accidentals " << accidentals;
        }
    }
    EXPECT_TRUE(errors.Empty());
}

TEST_F(SectionWriter, AWriterKilledDuringTheRewriteLeavesTheOldFileWhole)
{
    const std::string old = "[Chords]\n1=\"\",\"Major\", 1 3 5\n" + std::string(OtherSections);
    UseSettings(old);
    ASSERT_TRUE(InitializeChordList());
    const int status = RunInChild([] {
        rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        // Enough definitions that the new file cannot be finished.
        for (int i = 0; i < 200; ++i) InsertChordDefinition(0, new ChordNameTag{*GetChordDefinition(0)});
        WriteChordSection();
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(scratch.Read("cantrel.ini"), old);
}
