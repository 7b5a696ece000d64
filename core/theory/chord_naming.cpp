// Chord naming: every name the chord definitions give a chord, one per call,
// in a fixed order of passes:
//   0  exact names whose root is a chord note,
//   1  names over a foreign bass (one extra note, the lowest),
//   2  names with one added note,
//   3  names whose root is not played (only with Config_NoRoot).
// Within a pass the candidate roots are tried from low to high and, for each,
// the definitions in list order. The chord is compared with all definitions
// at once as 12-bit interval masks (see ChordDefinitionIndex).
#include <algorithm>
#include <bit>

#include "core/theory/chord.h"
#include "core/theory/chord_definition_index.h"
#include "core/theory/chord_name_search.h"
#include "core/theory/definition_lists.h"
#include "core/theory/pitch_set.h"

namespace {

enum Pass {
    ExactPass = ExactNamePass,
    BassPass = BassNamePass,
    AddedPass = AddedNamePass,
    NoRootPass = NoRootNamePass,
    Finished = 4
};

// Entry flags of the search state.
constexpr std::uint8_t NamedFlag = 2;   // has been the root of a name
constexpr std::uint8_t NoteFlag = 4;    // a note of the chord
constexpr std::uint8_t RepeatFlag = 8;  // repeats the pitch class of a lower note

constexpr int MaxEntries = 24;

using Word = ChordDefinitionIndex::Word;

// Interval mask of the pitch-class set `pcs` above root pitch class `root`.
unsigned Relative(unsigned pcs, int root) { return ((pcs >> root) | (pcs << (PitchClasses - root))) & AllPitchClasses; }

// The chord as the search state holds it.
struct ChordPitches {
    unsigned present = 0;           // pitch classes of the chord's notes
    unsigned repeated = 0;          // pitch classes held by more than one note
    int lowestEntry[PitchClasses];  // entry of the lowest note of each pitch class
};

ChordPitches ReadPitches(const CHORD_FIND_BUF& buf)
{
    ChordPitches p;
    std::fill(std::begin(p.lowestEntry), std::end(p.lowestEntry), -1);
    const int notes = std::min(buf.count, PitchClasses);
    for (int i = 0; i < notes; ++i) {
        if (!(buf.flags[i] & NoteFlag)) continue;
        const int pc = PitchClass(buf.entries[i]);
        if (p.present & (1u << pc)) {
            p.repeated |= 1u << pc;
        } else {
            p.present |= 1u << pc;
            p.lowestEntry[pc] = i;
        }
    }
    return p;
}

// Word w of the definitions that name the chord on `root` in `pass`.
Word Candidates(const ChordDefinitionIndex& index, int pass, const ChordPitches& chord, int root, int bass, int w)
{
    const unsigned present = Relative(chord.present, root);
    switch (pass) {
    case ExactPass: return index.Exact(present, w);
    case BassPass: {
        // The root is played, and the one note outside the definition is the
        // bass, held by no other note.
        const int b = (bass - root + PitchClasses) % PitchClasses;
        if (!(present & 1u) || (chord.repeated & (1u << bass))) return 0;
        return index.Exact(present & ~(1u << b), w) & ~index.Contains(b, w);
    }
    case AddedPass: {
        // One note outside the definition, anywhere; a pitch class held by
        // two notes would be two.
        Word c = index.OneExtra(present, w);
        for (unsigned rest = Relative(chord.repeated, root); rest && c; rest &= rest - 1)
            c &= index.Contains(std::countr_zero(rest), w);
        return c;
    }
    case NoRootPass: return (present & 1u) ? 0 : index.Exact(present, w) & index.RootOptional(w);
    default: return 0;
    }
}

// First definition from list position `from` on that names the chord on
// `root` in `pass`, or -1.
int NextMatch(const ChordDefinitionIndex& index, int pass, const ChordPitches& chord, int root, int bass, int from)
{
    const int firstWord = from / ChordDefinitionIndex::WordBits;
    for (int w = firstWord; w < index.Words(); ++w) {
        Word c = Candidates(index, pass, chord, root, bass, w);
        if (w == firstWord) c &= ~Word{0} << (from % ChordDefinitionIndex::WordBits);
        if (c) return w * ChordDefinitionIndex::WordBits + std::countr_zero(c);
    }
    return -1;
}

// The parts of the name that `definition` gives on the current root.
ChordNameParts NameParts(const CHORD_FIND_BUF& buf, const ChordNameTag* definition, const ChordPitches& chord,
                         unsigned extraBit)
{
    ChordNameParts parts;
    parts.pass = buf.pass;
    parts.root = buf.entries[buf.index];
    parts.bass = buf.entries[0];
    parts.rootIsLowest = buf.index == 0;
    parts.definition = definition;
    if (buf.pass == AddedPass) {
        const int pc = (PitchClass(parts.root) + std::countr_zero(extraBit)) % PitchClasses;
        parts.added = buf.entries[chord.lowestEntry[pc]];
    }
    return parts;
}

// Index moved past entries carrying the pass's skip flags, from `from` on.
int SkipEntries(const CHORD_FIND_BUF& buf, int from)
{
    const std::uint8_t skip = buf.pass == NoRootPass ? NoteFlag : (NamedFlag | RepeatFlag);
    while (from < buf.count && (buf.flags[from] & skip)) ++from;
    return from;
}

// The next candidate root, or the first of the next pass.
void AdvanceRoot(CHORD_FIND_BUF& buf)
{
    buf.index = SkipEntries(buf, buf.index + 1);
    const bool passOver = buf.index >= buf.count || (buf.pass != NoRootPass && !(buf.flags[buf.index] & NoteFlag));
    if (!passOver) return;
    if (++buf.pass == Finished) return;
    // Pass 1 starts above the bass; its first candidate need not be a chord note.
    buf.index = SkipEntries(buf, buf.pass == BassPass ? 1 : 0);
    if (buf.index >= buf.count || (buf.pass == NoRootPass && !chord::Config_NoRoot)) buf.pass = Finished;
}

// Entries: the chord's notes ascending (flag 4; flag 8 on a repeated pitch
// class), then each pitch class the chord lacks (flag 0). False when the
// chord has no note.
bool PrepareEntries(const NOTES (&notes)[chord::Slots], CHORD_FIND_BUF& buf)
{
    // Insertion sort: at most 12 notes.
    NOTES sorted[chord::Slots];
    int real = 0;
    for (NOTES n : notes) {
        if (n == NoNote) continue;
        int i = real++;
        for (; i > 0 && sorted[i - 1] > n; --i) sorted[i] = sorted[i - 1];
        sorted[i] = n;
    }

    unsigned seen = 0;
    for (int i = 0; i < real; ++i) {
        const unsigned bit = 1u << PitchClass(sorted[i]);
        buf.entries[i] = sorted[i];
        buf.flags[i] = NoteFlag | ((seen & bit) ? RepeatFlag : 0);
        seen |= bit;
    }
    int count = real;
    for (int pc = 0; pc < PitchClasses; ++pc) {
        if (seen & (1u << pc)) continue;
        buf.entries[count] = pc;
        buf.flags[count++] = 0;
    }
    for (int i = count; i < MaxEntries; ++i) {
        buf.entries[i] = NoNote;
        buf.flags[i] = 0;
    }
    buf.count = count;
    return real > 0;
}

}  // namespace

void StartChordNameSearch(const chord& c, CHORD_FIND_BUF& buf)
{
    const ChordDefinitionIndex& index = CurrentChordDefinitionIndex();
    const bool hasNotes = PrepareEntries(c.notes, buf);
    buf.index = 0;
    buf.entry = index.Size() > 0 ? index.Record(0) : nullptr;
    // An empty chord has no name, whatever the definitions allow.
    buf.pass = hasNotes ? ExactPass : Finished;
    buf.bits = PitchSet(PitchClass(buf.entries[0]), 0).Word();
}

int NextChordName(CHORD_FIND_BUF& buf, ChordNameParts& parts)
{
    if (buf.count < 1 || buf.count > MaxEntries) return 0;

    const ChordPitches pitches = ReadPitches(buf);
    const int bass = PitchClass(buf.entries[0]);
    buf.bits = PitchSet(bass, pitches.present).Word();

    const ChordDefinitionIndex& index = CurrentChordDefinitionIndex();
    if (index.Size() == 0 || buf.pass < ExactPass || buf.pass >= Finished) return 0;
    // A search left over from a list that has since been reloaded ends here.
    int position = index.Position(static_cast<const ChordNameTag*>(buf.entry));
    if (position < 0) {
        buf.pass = Finished;
        return 0;
    }

    bool found = false;
    while (!found && buf.pass != Finished) {
        if (buf.index < 0 || buf.index >= buf.count) {
            buf.pass = Finished;
            break;
        }
        const int root = PitchClass(buf.entries[buf.index]);
        buf.bits = PitchSet(root, pitches.present).Word();
        const int match = NextMatch(index, buf.pass, pitches, root, bass, position);
        if (match >= 0) {
            const unsigned extra = Relative(pitches.present, root) & ~index.Intervals(match);
            parts = NameParts(buf, index.Record(match), pitches, extra);
            buf.flags[buf.index] |= NamedFlag;
            found = true;
            position = buf.pass == NoRootPass ? index.NextRootOptional(match + 1) : match + 1;
        } else {
            position = index.Size();
        }
        if (position >= index.Size()) {
            position = 0;
            AdvanceRoot(buf);
        }
    }
    buf.entry = index.Record(position);
    if (found) return 1;
    buf.bits = PitchSet(bass, 0).Word();
    return 0;
}

int chord::FindFirstName(char* out, CHORD_FIND_BUF& buf) const
{
    StartChordNameSearch(*this, buf);
    return FindNextName(out, buf);
}

int chord::FindNextName(char* out, CHORD_FIND_BUF& buf) const
{
    char ignored[ChordNameSize];
    if (!out) out = ignored;
    out[0] = '\0';
    ChordNameParts parts;
    if (!NextChordName(buf, parts)) return 0;
    FormatChordName(parts, out);
    return 1;
}

unsigned chord::GetChordBits(NOTES root, const ChordNameTag* def, unsigned* optional)
{
    const int rootPc = PitchClass(root);
    PitchSet bits(rootPc, 0);
    PitchSet optionalBits;
    if (def) {
        const int count = std::clamp(def->count, 0, DefinitionSlots);
        for (int i = 0; i < count; ++i) {
            const int pc = (PitchClass(def->intervals[i]) + rootPc) % PitchClasses;
            bits = bits.With(pc);
            if (def->flags[i] & OptionalInterval) optionalBits = optionalBits.With(pc);
        }
    }
    if (optional) *optional = optionalBits.Word();
    return bits.Word();
}
