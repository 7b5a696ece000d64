// The chord note set: a 12-place queue of notes with its key and sounding settings.
#include "core/theory/chord.h"

#include <atomic>
#include <cstdint>
#include <utility>

#include "core/theory/note_names.h"

namespace {

std::atomic<ChordDestroyedHook> destroyedHook{nullptr};

}  // namespace

void SetChordDestroyedHook(ChordDestroyedHook hook) { destroyedHook = hook; }

chord::chord() : soundCount(0), instrument(0), midiOutput(0), program(0)
{
    LoadNoteNameTables();
    Clear();
}

chord::~chord()
{
    if (ChordDestroyedHook hook = destroyedHook) hook(this);
}

void chord::Clear()
{
    for (int i = 0; i < Slots; ++i) {
        notes[i] = NoNote;
        marks[i] = 0;
    }
    key = NoNote;
}

void chord::SetKey(int newKey)
{
    key = newKey;
    for (auto& mark : marks) mark = 0;
}

NOTES chord::AddNote(NOTES n)
{
    RemoveNote(n);
    const int empty = FindNote(NoNote);
    if (empty >= 0) {
        notes[empty] = n;
        return NoNote;
    }
    // Full: the oldest slot makes room.
    const NOTES dropped = notes[0];
    RemoveNote(dropped);
    notes[Slots - 1] = n;
    return dropped;
}

int chord::RemoveNote(NOTES n)
{
    const int at = FindNote(n);
    if (at < 0) return 0;
    for (int i = at; i < Slots - 1; ++i) notes[i] = notes[i + 1];
    notes[Slots - 1] = NoNote;
    return 1;
}

int chord::FindNote(NOTES n) const
{
    for (int i = 0; i < Slots; ++i)
        if (notes[i] == n) return i;
    return -1;
}

int chord::CountNotes() const
{
    int count = 0;
    for (NOTES n : notes)
        if (n != NoNote) ++count;
    return count;
}

NOTES chord::GetBass() const
{
    NOTES bass = NoNote;
    for (NOTES n : notes)
        if (n != NoNote && (bass == NoNote || n < bass)) bass = n;
    return bass;
}

void chord::Sort(int ascending)
{
    // Empty slots always sort last, whatever the notes' range.
    auto sortKey = [ascending](NOTES n) -> std::int64_t {
        if (n != NoNote) return n;
        return ascending ? INT64_MAX : INT64_MIN;
    };
    for (int i = 0; i < Slots - 1; ++i) {
        for (int j = i + 1; j < Slots; ++j) {
            const std::int64_t a = sortKey(notes[i]);
            const std::int64_t b = sortKey(notes[j]);
            if (ascending ? b < a : b > a) {
                std::swap(notes[i], notes[j]);
                std::swap(marks[i], marks[j]);
            }
        }
    }
}

void chord::Transpose(int semitones)
{
    for (NOTES& n : notes) {
        // No range check; wraps instead of overflowing.
        if (n != NoNote) n = static_cast<NOTES>(static_cast<std::uint32_t>(n) + static_cast<std::uint32_t>(semitones));
    }
}
