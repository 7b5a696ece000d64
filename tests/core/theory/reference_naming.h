#pragma once
// A plain, note-by-note reading of the naming rules, used to check the
// mask-based search: for every definition and candidate root it collects the
// chord's intervals one entry at a time, exactly as the rules are stated.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/theory/chord.h"
#include "core/theory/definition_records.h"

class ReferenceNaming {
public:
    // Every (name, pitch-set word) the chord gets from the definitions, in order.
    static std::vector<std::pair<std::string, unsigned>> AllNames(const chord& c,
                                                                  const std::vector<const ChordNameTag*>& defs)
    {
        ReferenceNaming r(c, defs);
        std::vector<std::pair<std::string, unsigned>> names;
        std::string name;
        while (r.Next(name)) names.emplace_back(name, r.bits);
        return names;
    }

private:
    ReferenceNaming(const chord& c, const std::vector<const ChordNameTag*>& defs) : defs_(defs)
    {
        for (int i = 0; i < 24; ++i) {
            entries[i] = i < 12 && c.notes[i] != NoNote ? c.notes[i] : 127;
            flags[i] = i < 12 && c.notes[i] != NoNote ? 4 : 0;
        }
        for (bool swapped = true; swapped;) {
            swapped = false;
            for (int i = 0; i + 1 < 24; ++i)
                if (entries[i] > entries[i + 1]) {
                    std::swap(entries[i], entries[i + 1]);
                    std::swap(flags[i], flags[i + 1]);
                    swapped = true;
                }
        }
        int real = 0;
        bool seen[12] = {};
        for (int i = 0; i < 12; ++i) {
            if (flags[i] & 4) {
                if (seen[Pc(entries[i])]) flags[i] |= 8;
                seen[Pc(entries[i])] = true;
                ++real;
            } else if (entries[i] == 127) {
                entries[i] = -1;
            }
        }
        count = real;
        for (int pc = 0; pc < 12; ++pc)
            if (!seen[pc]) {
                entries[count] = pc;
                flags[count++] = 0;
            }
        finished = real == 0 || defs_.empty();
    }

    static int Pc(NOTES n) { return (n + 120) % 12; }
    static bool RootOptional(const ChordNameTag* d) { return d->count > 0 && (d->flags[0] & 1); }

    struct Match {
        bool matches = false;
        int extras = 0;
        int added = -1;
    };

    Match Try(const ChordNameTag* d) const
    {
        Match m;
        const int root = Pc(entries[index]);
        if (pass == 3 && !RootOptional(d)) return m;
        unsigned defMask = 0, required = 0;
        for (int i = 0; i < d->count; ++i) {
            defMask |= 1u << (d->intervals[i] % 12);
            if (!(d->flags[i] & 1)) required |= 1u << (d->intervals[i] % 12);
        }
        unsigned present = 0;
        for (int i = 0; i < count; ++i) {
            if (!(flags[i] & 4)) continue;
            const int bit = (entries[i] - root + 120) % 12;
            present |= 1u << bit;
            if (!(defMask & (1u << bit))) {
                ++m.extras;
                m.added = i;
            }
        }
        if (required & ~present) return m;
        if (pass == 3 && (present & 1)) return m;
        if (pass == 1 && !(present & 1)) return m;
        if (m.extras == 0)
            m.matches = true;
        else if (m.extras == 1)
            m.matches = pass == 2 || (pass == 1 && m.added == 0);
        return m;
    }

    std::string NoteName(NOTES n) const
    {
        char name[chord::NoteNameSize];
        chord::GetNoteName(n, name);
        return name;
    }

    std::string Bass() const
    {
        return chord::Config_BassStyle ? "/" + NoteName(entries[0]) : " (" + NoteName(entries[0]) + " Bass)";
    }

    std::string NameOf(const ChordNameTag* d, const Match& m) const
    {
        const NOTES root = entries[index];
        std::string name = NoteName(root) + d->name;
        if (pass == 0 && chord::Config_DiffBass && index != 0) name += Bass();
        if (pass == 1) name += Bass();
        if (pass == 2) {
            const NOTES added = entries[m.added];
            std::string text = NoteName(added);
            if (chord::Config_AddStyle) {
                char interval[chord::ScaleNameSize];
                chord::GetScaleName(root, added, added - root >= 12, interval);
                text = interval;
            }
            name += " (Add " + text + ")";
        }
        if (pass == 3) name += " (No Root)";
        return name.substr(0, chord::ChordNameSize - 1);
    }

    void SkipFlagged()
    {
        const int skip = pass == 3 ? 4 : (2 | 8);
        while (index < count && (flags[index] & skip)) ++index;
    }

    bool Next(std::string& out)
    {
        unsigned chordBits = 0;
        for (int i = 0; i < 12 && i < count; ++i)
            if (flags[i] & 4) chordBits |= 1u << (4 + Pc(entries[i]));
        bits = Pc(entries[0]) | chordBits;
        if (finished) return false;
        bool found = false;
        while (!found && !finished) {
            bits = (bits & ~0xFu) | Pc(entries[index]);
            const ChordNameTag* d = defs_[entry];
            const Match m = Try(d);
            if (m.matches && !(pass == 2 && m.extras == 0)) {
                out = NameOf(d, m);
                flags[index] |= 2;
                found = true;
            }
            ++entry;
            if (pass == 3)
                while (entry < static_cast<int>(defs_.size()) && !RootOptional(defs_[entry])) ++entry;
            if (entry >= static_cast<int>(defs_.size())) {
                entry = 0;
                ++index;
                SkipFlagged();
                if (index >= count || (pass != 3 && !(flags[index] & 4))) {
                    if (++pass == 4) {
                        finished = true;
                    } else {
                        index = pass == 1 ? 1 : 0;
                        SkipFlagged();
                        if (index >= count || (pass == 3 && !chord::Config_NoRoot)) finished = true;
                    }
                }
            }
        }
        if (!found) bits = Pc(entries[0]);
        return found;
    }

    const std::vector<const ChordNameTag*>& defs_;
    NOTES entries[24];
    int flags[24];
    int count = 0, index = 0, pass = 0, entry = 0;
    bool finished = false;

public:
    unsigned bits = 0;
};
