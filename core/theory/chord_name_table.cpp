#include "core/theory/chord_name_table.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "core/theory/chord.h"
#include "core/theory/chord_definition_index.h"
#include "core/theory/chord_name_search.h"
#include "core/theory/pitch_set.h"

namespace {

// A shape: bit i - 1 for a note i semitones above the lowest (1 to 11).
constexpr int Shapes = 1 << (PitchClasses - 1);

struct ShapeNames {
    bool known = false;
    bool covered = false;               // whether the parts name every transposition
    std::vector<ChordNameParts> parts;  // in search order, on the lowest note 0
    std::size_t rootlessFrom = 0;       // the rootless names, by root from A
};

class ChordNameTable {
public:
    // The names of `shape`, searched for the first time it is asked for
    // under the current definitions and no-root switch.
    const ShapeNames& Names(unsigned shape)
    {
        FollowDefinitions();
        ShapeNames& names = shapes_[shape];
        if (!names.known) Search(shape, names);
        return names;
    }

    void FillAll()
    {
        for (unsigned shape = 0; shape < Shapes; ++shape) Names(shape);
    }

private:
    void FollowDefinitions()
    {
        const unsigned generation = CurrentChordDefinitionIndex().Generation();
        if (generation == generation_ && chord::Config_NoRoot == noRoot_) return;
        for (ShapeNames& names : shapes_) names = ShapeNames{};
        generation_ = generation;
        noRoot_ = chord::Config_NoRoot;
    }

    static void Search(unsigned shape, ShapeNames& names)
    {
        chord c;
        c.AddNote(0);
        for (int above = 1; above < PitchClasses; ++above)
            if (shape & (1u << (above - 1))) c.AddNote(above);
        CHORD_FIND_BUF search;
        StartChordNameSearch(c, search);
        ChordNameParts parts;
        while (NextChordName(search, parts)) names.parts.push_back(parts);
        names.rootlessFrom = names.parts.size();
        while (names.rootlessFrom > 0 && names.parts[names.rootlessFrom - 1].pass == NoRootNamePass)
            --names.rootlessFrom;
        // When every note has been a root before the added-note pass, that
        // pass tries the lowest missing pitch class counted from A instead,
        // which is another interval in another transposition.
        unsigned roots = 0;
        for (const ChordNameParts& p : names.parts)
            if (p.pass == ExactNamePass || p.pass == BassNamePass) roots |= 1u << p.root;
        names.covered = roots != ((shape << 1) | 1u);
        names.known = true;
    }

    unsigned generation_ = 0;
    int noRoot_ = -1;
    std::array<ShapeNames, Shapes> shapes_;
};

ChordNameTable& Table()
{
    static ChordNameTable table;
    return table;
}

// The shape of c and its lowest note, when c is voiced within an octave with
// each pitch class once.
bool FindShape(const chord& c, unsigned& shape, NOTES& lowest)
{
    NOTES low = HighestNote, high = LowestNote;
    int count = 0;
    for (NOTES n : c.notes) {
        if (n == NoNote) continue;
        low = std::min(low, n);
        high = std::max(high, n);
        ++count;
    }
    if (count == 0 || low < LowestNote || high - low >= PitchClasses) return false;
    unsigned intervals = 0;
    for (NOTES n : c.notes)
        if (n != NoNote) intervals |= 1u << (n - low);
    if (std::popcount(intervals) != count) return false;  // a note held twice
    shape = intervals >> 1;
    lowest = low;
    return true;
}

// A name found on the lowest note 0, moved onto `lowest`.
ChordNameParts MovedTo(ChordNameParts parts, NOTES lowest)
{
    if (parts.pass == NoRootNamePass) {
        parts.root = PitchClass(parts.root + lowest);
    } else {
        parts.root += lowest;
        if (parts.added != NoNote) parts.added += lowest;
    }
    parts.bass += lowest;
    return parts;
}

class NameList {
public:
    NameList(char separator, std::string& out) : separator_(separator), out_(out) {}
    void Add(const ChordNameParts& parts)
    {
        char name[chord::ChordNameSize];
        const std::size_t length = FormatChordName(parts, name);
        if (!empty_) out_ += separator_;
        out_.append(name, length);
        empty_ = false;
    }

private:
    char separator_;
    std::string& out_;
    bool empty_ = true;
};

}  // namespace

void FillChordNameTable() { Table().FillAll(); }

void AppendChordNames(const chord& c, char separator, std::string& out)
{
    NameList list(separator, out);
    unsigned shape = 0;
    NOTES lowest = NoNote;
    const ShapeNames* names = FindShape(c, shape, lowest) ? &Table().Names(shape) : nullptr;
    if (!names || !names->covered) {
        CHORD_FIND_BUF search;
        StartChordNameSearch(c, search);
        ChordNameParts parts;
        while (NextChordName(search, parts)) list.Add(parts);
        return;
    }

    const std::vector<ChordNameParts>& parts = names->parts;
    for (std::size_t i = 0; i < names->rootlessFrom; ++i) list.Add(MovedTo(parts[i], lowest));
    // Rootless names by their roots' pitch classes from A: those whose root
    // passes G# when moved come first.
    const int wrapsAt = PitchClasses - PitchClass(lowest);
    std::size_t first = names->rootlessFrom;
    while (first < parts.size() && parts[first].root < wrapsAt) ++first;
    for (std::size_t i = first; i < parts.size(); ++i) list.Add(MovedTo(parts[i], lowest));
    for (std::size_t i = names->rootlessFrom; i < first; ++i) list.Add(MovedTo(parts[i], lowest));
}
