#pragma once
// Naming many chords at once (cantrel-cli name --batch) from a table.
//
// The names of a chord voiced within one octave, each pitch class once, are
// fixed by its shape (the intervals of its notes above the lowest) and move
// with its lowest note: every transposition has the same names on moved
// roots. Only the rootless names are ordered by their roots' pitch classes
// counted from A, so their order turns with the transposition; and when
// every note has been a root before the added-note pass, that pass tries the
// lowest missing pitch class counted from A, so such shapes are left to the
// search. The table holds, per shape, the names the search finds on the
// lowest note A1, found the first time the shape is asked for (or all at
// once), and names a chord of that shape by moving them to its lowest note. It follows the
// chord definitions and the no-root switch (changing either empties it); the
// other switches and the accidentals take effect as each name is written.
// Like the definition lists, it serves one thread.

#include <string>

class chord;

// Searches the names of every shape now, under the current definitions and
// switches: about 2,000 searches, which a batch pays for before its first
// chord rather than line by line.
void FillChordNameTable();

// Appends every name of c to out, separated by `separator`: the names
// FindFirstName and FindNextName give, in their order. Chords the table does
// not cover (notes spread over more than an octave, doubled pitch classes)
// are named by the search itself.
void AppendChordNames(const chord& c, char separator, std::string& out);
