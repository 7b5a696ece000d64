// The chord's text form: "<first name>   «C4 E4 G4 - ... »", as shown to the
// user and put on the clipboard.
#include <cstring>

#include "core/services/text_helpers.h"
#include "core/theory/chord.h"

namespace {

// Written in UTF-8; read also as the single Windows-1252 bytes of older texts.
constexpr const char* OpenMark = "\xC2\xAB";
constexpr const char* CloseMark = "\xC2\xBB";
constexpr char LegacyOpenMark = '\xAB';
constexpr char LegacyCloseMark = '\xBB';
constexpr const char* Blanks = " \t";
constexpr std::size_t TokenSize = 16;  // up to 15 characters

// Appends to a zero-terminated buffer of `size` bytes, cutting what does not fit.
void Append(char* out, std::size_t size, const char* text)
{
    std::size_t used = std::strlen(out);
    while (*text && used + 1 < size) out[used++] = *text++;
    out[used] = '\0';
}

// Pointer behind the first opening mark, or nullptr. The UTF-8 mark wins, so
// that a continuation byte of another character is never taken for one.
const char* SkipPastOpenMark(const char* text)
{
    if (const char* mark = std::strstr(text, OpenMark)) return mark + std::strlen(OpenMark);
    if (const char* mark = std::strchr(text, LegacyOpenMark)) return mark + 1;
    return nullptr;
}

bool AtCloseMark(const char* p)
{
    return *p == LegacyCloseMark || std::strncmp(p, CloseMark, std::strlen(CloseMark)) == 0;
}

}  // namespace

void chord::ToString(char* out, std::size_t size) const
{
    if (!out || size == 0) return;
    CHORD_FIND_BUF search;
    char name[ChordNameSize] = "";
    FindFirstName(name, search);
    out[0] = '\0';
    Append(out, size, name);
    Append(out, size, "   ");
    Append(out, size, OpenMark);
    for (NOTES n : notes) {
        char noteName[FullNoteNameSize] = "-";
        if (n != NoNote) GetFullNoteName(n, noteName);
        Append(out, size, noteName);
        Append(out, size, " ");
    }
    Append(out, size, CloseMark);
}

int chord::FromString(const char* text)
{
    if (!text) return 0;
    const char* p = SkipPastOpenMark(text);
    if (!p) return 0;

    NOTES pending[Slots];
    for (NOTES& n : pending) n = NoNote;
    int slot = 0;
    for (;;) {
        p = RemoveWhiteSpace(p, Blanks);
        if (*p == '\0' || AtCloseMark(p)) break;
        char token[TokenSize];
        const char* end = GetToken(token, sizeof token, p, Blanks);
        // A token longer than a note can be is no note, even if its start is.
        if (!end || static_cast<std::size_t>(end - p) >= TokenSize || slot == Slots) return 0;
        NOTES n = NoNote;
        if (std::strcmp(token, "-") != 0 && !ParseNote(token, &n)) return 0;
        pending[slot++] = n;
        p = end;
    }
    for (int i = 0; i < Slots; ++i) notes[i] = pending[i];
    return 1;
}
