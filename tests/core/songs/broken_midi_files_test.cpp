// Files that are not songs, or damaged ones: one message each, no song, and
// never a crash or a hang.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/songs/midi_song.h"
#include "support/midi_file_writer.h"

namespace {

std::string Header(int format, int tracks, int division = 480)
{
    std::string out = "MThd";
    MidiFileWriter::Number(out, 6, 4);
    MidiFileWriter::Number(out, static_cast<std::uint32_t>(format), 2);
    MidiFileWriter::Number(out, static_cast<std::uint32_t>(tracks), 2);
    MidiFileWriter::Number(out, static_cast<std::uint32_t>(division), 2);
    return out;
}

std::string Track(const std::string& events)
{
    std::string out = "MTrk";
    MidiFileWriter::Number(out, static_cast<std::uint32_t>(events.size()), 4);
    return out + events;
}

const std::string NoteAndEnd("\x00\x90\x3C\x40\x60\x80\x3C\x40\x00\xFF\x2F\x00", 12);
const std::string End("\x00\xFF\x2F\x00", 4);

struct BrokenFile {
    const char* what;
    std::function<std::string()> bytes;
    int message;
    const char* says;
};

const BrokenFile BrokenFiles[] = {
    {"empty", [] { return std::string(); }, 476, "does not begin with a MIDI header"},
    {"a wave file", [] { return std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16); }, 476, "MIDI header"},
    {"format 2", [] { return Header(2, 1) + Track(NoteAndEnd); }, 477, "format 2"},
    {"header cut short", [] { return Header(0, 1).substr(0, 11); }, 478, "header is cut off"},
    {"track longer than the file", [] { return Header(0, 1) + Track(NoteAndEnd).substr(0, 15); }, 478,
     "track 1 gives 12 bytes but only 7 follow"},
    {"fewer tracks than the header names", [] { return Header(1, 3) + Track(NoteAndEnd); }, 478,
     "names 3 tracks but it holds 1"},
    {"65,535 tracks named, one there", [] { return Header(1, 65535) + Track(NoteAndEnd); }, 478,
     "names 65535 tracks but it holds 1"},
    {"65,535 empty tracks",
     [] {
         std::string file = Header(1, 65535);
         for (int i = 0; i < 65535; ++i) file += Track(End);
         return file;
     },
     480, "holds no notes"},
    {"track without its end", [] { return Header(0, 1) + Track(NoteAndEnd.substr(0, 8)); }, 479,
     "track 1 ends without its end mark"},
    {"absurd delta times",
     [] {
         std::string events;
         for (int i = 0; i < 4000; ++i) events += std::string("\xFF\xFF\xFF\x7F\x90\x3C\x40", 7);
         return Header(0, 1) + Track(events + End);
     },
     479, "times run past any song's length"},
    {"a time of five bytes", [] { return Header(0, 1) + Track(std::string("\x81\x81\x81\x81\x01\x90\x3C\x40", 8) + End); },
     479, "a time longer than four bytes"},
    {"data without a status", [] { return Header(0, 1) + Track(std::string("\x00\x3C\x40", 3) + End); }, 479,
     "a data byte stands where an event should begin"},
    {"a meta event past the track", [] { return Header(0, 1) + Track(std::string("\x00\xFF\x01\x40text", 8)); },
     479, "a meta event is cut off"},
    {"no time for a tick", [] { return Header(0, 1, 0) + Track(NoteAndEnd); }, 479, "no time for a tick"},
    {"only a tempo", [] { return Header(0, 1) + Track(std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7) + End); }, 480,
     "holds no notes"},
};

}  // namespace

TEST(BrokenMidiFiles, EachGivesItsMessageAndNoSong)
{
    for (const BrokenFile& broken : BrokenFiles) {
        SCOPED_TRACE(broken.what);
        const std::string bytes = broken.bytes();
        const MidiFileReading reading = ReadMidiSong(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_FALSE(reading.song);
        ASSERT_TRUE(reading.problem);
        EXPECT_EQ(reading.problem->number, broken.message);
        EXPECT_NE(reading.problem->text.find(broken.says), std::string::npos) << reading.problem->text;
        EXPECT_EQ(reading.problem->text.rfind("The file ", 0), 0u) << reading.problem->text;
    }
}
