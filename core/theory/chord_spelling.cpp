// Spelling by chord, key and scale.
#include "core/theory/chord_spelling.h"

#include <cstdlib>
#include <cstring>

#include "core/theory/chord.h"
#include "core/theory/chord_name_parts.h"
#include "core/theory/chord_name_search.h"
#include "core/theory/definition_lists.h"
#include "core/theory/definition_records.h"

namespace {

constexpr int Letters = 7;
constexpr int PitchClassCount = 12;
// Pitch class of each natural letter A..G.
constexpr int NaturalOf[Letters] = {0, 2, 3, 5, 7, 8, 10};
// A spelling that needs a double accidental is never the simpler one.
constexpr int DoubleAccidentalCost = 100;

constexpr int MajorSteps[Letters] = {2, 2, 1, 2, 2, 2, 1};
constexpr int MinorSteps[Letters] = {2, 1, 2, 2, 1, 2, 2};

// Semitones letter would need raised (+) or lowered (-) to give pc.
int Alteration(int letter, int pc)
{
    const int up = PitchClass(pc - NaturalOf[letter]);
    return up > 6 ? up - 12 : up;
}

int Cost(int alteration) { return alteration == 0 ? 0 : std::abs(alteration) == 1 ? 1 : DoubleAccidentalCost; }

// The standard spelling writes Bb and Eb flat, C#, F# and G# sharp.
bool IsStandardFlat(int pc) { return pc == 1 || pc == 6; }

int LetterOfNatural(int pc)
{
    for (int l = 0; l < Letters; ++l)
        if (NaturalOf[l] == pc) return l;
    return -1;
}

// Letter of the degree an interval names ("3b" -> 2 letters above the root).
int DegreeLetterOffset(int semitones)
{
    if (semitones < 0) return -1;
    const int cell = semitones <= WidestInterval ? semitones : PitchClass(semitones);
    const int degree = std::atoi(std::string(chord::ScaleNames[cell], 3).c_str());
    return (degree - 1) % Letters;
}

// Letters above the root of a note outside the definition, by semitones:
// as the interval names have it, but 8 is the minor sixth (C over E), not
// the augmented fifth.
constexpr int ForeignLetterOffset[12] = {0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};

// Accidentals of the seven-note pattern `steps` written on rootPc from rootLetter.
int SignatureCost(int rootPc, int rootLetter, const int (&steps)[Letters])
{
    int cost = 0;
    int pc = rootPc;
    for (int k = 0; k < Letters; ++k) {
        cost += Cost(Alteration((rootLetter + k) % Letters, pc));
        pc = PitchClass(pc + steps[k]);
    }
    return cost;
}

// The letter rootPc is written with: of its sharp and flat spellings, the one
// whose key signature is simpler; on a tie, the standard spelling's.
template <typename CostOf>
int RootLetter(int rootPc, CostOf costOf)
{
    const int natural = LetterOfNatural(rootPc);
    if (natural >= 0) return natural;
    const int sharpLetter = LetterOfNatural(PitchClass(rootPc - 1));
    const int flatLetter = (sharpLetter + 1) % Letters;
    const int sharpCost = costOf(sharpLetter);
    const int flatCost = costOf(flatLetter);
    if (sharpCost != flatCost) return sharpCost < flatCost ? sharpLetter : flatLetter;
    return IsStandardFlat(rootPc) ? flatLetter : sharpLetter;
}

int KeyRootLetter(int rootPc, const int (&steps)[Letters])
{
    return RootLetter(rootPc, [&](int letter) { return SignatureCost(rootPc, letter, steps); });
}

// Gives pc the letter `offset` letters above the root, unless it has one.
void SetLetter(SpellingContext& context, int rootLetter, int pc, int offset)
{
    if (offset < 0) return;
    auto& letter = context.letters[PitchClass(pc)];
    if (letter == SpellingContext::NoLetter) letter = static_cast<std::int8_t>((rootLetter + offset) % Letters);
}

// Each interval above root spelled by its degree.
void SpellIntervals(SpellingContext& context, int rootLetter, const int* intervals, int count)
{
    for (int i = 0; i < count; ++i)
        SetLetter(context, rootLetter, context.root + intervals[i], DegreeLetterOffset(intervals[i]));
}

bool IsMinor(const ChordNameTag& definition)
{
    bool minorThird = false, majorThird = false;
    for (int i = 0; i < definition.count && i < DefinitionSlots; ++i) {
        minorThird |= definition.intervals[i] == 3;
        majorThird |= definition.intervals[i] == 4;
    }
    return minorThird && !majorThird;
}

}  // namespace

SpellingContext ChordNameSpelling(const ChordNameParts& parts)
{
    SpellingContext context;
    if (parts.root == NoNote || !parts.definition) return context;
    const ChordNameTag& definition = *parts.definition;
    context.root = PitchClass(parts.root);
    const int rootLetter = KeyRootLetter(context.root, IsMinor(definition) ? MinorSteps : MajorSteps);
    SetLetter(context, rootLetter, context.root, 0);
    const int count = definition.count < 0 ? 0 : definition.count > DefinitionSlots ? DefinitionSlots : definition.count;
    SpellIntervals(context, rootLetter, definition.intervals, count);
    // A foreign bass or an added note is named by its interval above the root.
    for (NOTES extra : {parts.bass, parts.added})
        if (extra != NoNote) SetLetter(context, rootLetter, extra, ForeignLetterOffset[PitchClass(PitchClass(extra) - context.root)]);
    return context;
}

SpellingContext ChordSpelling(const chord& c)
{
    CHORD_FIND_BUF buf{};
    StartChordNameSearch(c, buf);
    ChordNameParts parts;
    if (!NextChordName(buf, parts)) return {};
    return ChordNameSpelling(parts);
}

SpellingContext KeySpelling(const KeyNameTag& key)
{
    SpellingContext context;
    context.root = NoteValue(key.name);
    if (context.root < 0) context.root = NoNote;
    for (int letter = 0; letter < Letters; ++letter)
        context.letters[PitchClass(key.pitches[letter])] = static_cast<std::int8_t>(letter);
    return context;
}

SpellingContext NamedKeySpelling(const char* name)
{
    for (const KeyNameTag* key = GetKey(0); key && name; key = key->next)
        if (std::strcmp(key->name, name) == 0) return KeySpelling(*key);
    return {};
}

namespace {

// The intervals above root of the classes, ascending.
int IntervalsOf(int root, unsigned pitchClasses, int (&intervals)[PitchClassCount])
{
    int count = 0;
    for (int i = 0; i < PitchClassCount; ++i)
        if (pitchClasses & (1u << PitchClass(root + i))) intervals[count++] = i;
    return count;
}

// Of the root's sharp and flat letters, the one whose spelling of the set is simpler.
int SimplerRootLetter(int root, const int* intervals, int count)
{
    if (count == Letters)
        return RootLetter(root, [&](int letter) {
            int cost = 0;
            for (int k = 0; k < Letters; ++k)
                cost += Cost(Alteration((letter + k) % Letters, PitchClass(root + intervals[k])));
            return cost;
        });
    const auto has = [&](int semitones) {
        for (int i = 0; i < count; ++i)
            if (intervals[i] == semitones) return true;
        return false;
    };
    return KeyRootLetter(root, has(3) && !has(4) ? MinorSteps : MajorSteps);
}

// Seven notes use each letter once from the root's; others go by their intervals.
SpellingContext SpellFromRootLetter(int root, const int* intervals, int count, int rootLetter)
{
    SpellingContext context;
    context.root = root;
    if (count == Letters)
        for (int k = 0; k < Letters; ++k) SetLetter(context, rootLetter, root + intervals[k], k);
    else
        SpellIntervals(context, rootLetter, intervals, count);
    return context;
}

bool NeedsDoubleAccidental(const SpellingContext& context)
{
    for (int pc = 0; pc < PitchClassCount; ++pc)
        if (context.letters[pc] != SpellingContext::NoLetter && std::abs(Alteration(context.letters[pc], pc)) > 1)
            return true;
    return false;
}

}  // namespace

SpellingContext PitchSetSpelling(int root, unsigned pitchClasses, int rootLetter)
{
    root = PitchClass(root);
    int intervals[PitchClassCount];
    const int count = IntervalsOf(root, pitchClasses, intervals);
    if (rootLetter >= 0 && rootLetter < Letters && std::abs(Alteration(rootLetter, root)) <= 1) {
        SpellingContext named = SpellFromRootLetter(root, intervals, count, rootLetter);
        if (!NeedsDoubleAccidental(named)) return named;
    }
    return SpellFromRootLetter(root, intervals, count, SimplerRootLetter(root, intervals, count));
}

SpellingContext ScaleSpelling(NOTES root, const ScaleNameTag& scale)
{
    unsigned pitchClasses = 0;
    int p = PitchClass(root);
    const int count = scale.count < 0 ? 0 : scale.count > DefinitionSlots ? DefinitionSlots : scale.count;
    for (int i = 0; i < count; p = PitchClass(p + scale.steps[i++])) pitchClasses |= 1u << p;
    return PitchSetSpelling(root, pitchClasses);
}

std::string SpelledNoteName(NOTES n, const SpellingContext& context)
{
    const int pc = PitchClass(n);
    const int letter = context.letters[pc];
    if (letter < 0 || letter >= Letters) return {};
    const int alteration = Alteration(letter, pc);
    if (std::abs(alteration) > 1) return {};
    std::string name(1, static_cast<char>('A' + letter));
    if (alteration) name += alteration > 0 ? '#' : 'b';
    return name;
}
