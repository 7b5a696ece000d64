// [Keys] entries: "D Major", D E F+ G A B C+ (+ and - alter the letter)
#include <cctype>
#include <cstring>

#include "core/theory/entry_fields.h"
#include "core/theory/entry_parsers.h"
#include "core/theory/notes.h"

int ParseKeyEntry(const char* text, KeyNameTag* record)
{
    if (!text || !record) return 0;
    *record = KeyNameTag{};
    const char* p = ReadQuotedField(record->name, sizeof record->name, text);
    if (!p) return 0;
    // The name starts with the tonic; without one the key has no root to show.
    if (NoteValue(record->name) < 0) return 0;

    for (int letter = 0; letter < KeyLetters; ++letter)
        record->pitches[letter] = NaturalPitchClass(static_cast<char>('A' + letter));

    char token[EntryTokenSize];
    for (;;) {
        p = ReadEntryItem(token, sizeof token, p, EntryBlanks);
        if (!p) return 0;
        if (token[0] == '\0') break;
        if (record->tokenCount == DefinitionSlots) return 0;
        // Only the first two characters fit the spelled cell.
        char* cell = record->spelled[record->tokenCount++];
        cell[0] = token[0];
        cell[1] = token[0] ? token[1] : '\0';
        cell[2] = '\0';
        // Only the letter and its sign count here, never an octave.
        if (!IsNoteSpelling(token)) return 0;
        // Accepted as a note: the letter is one of A-G, either case.
        const int letter = std::toupper(static_cast<unsigned char>(token[0])) - 'A';
        // Only + and - alter the letter; # and b are read but leave it natural.
        const int change = token[1] == '+' ? 1 : token[1] == '-' ? 11 : 0;
        record->pitches[letter] = (record->pitches[letter] + change) % 12;
    }
    record->pitchCount = KeyLetters;
    return 1;
}
