// cantrel-cli chords [--per change|beat|bar] [--channels LIST] [--key] [--json] FILE.mid
//   the chords of a song, one line a span, tab-separated: bar:beat, seconds,
//   notes, (with --key the Roman numeral,) every name with the chosen one
//   first. With --key the first line gives the key of the piece.
#include <cstdio>

#include "cli/channel_list.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "cli/json_text.h"
#include "cli/sound_options.h"
#include "core/songs/midi_song.h"
#include "core/songs/song_chords.h"
#include "core/songs/song_key.h"
#include "core/theory/shown_notes.h"

namespace {

struct ChordsRequest {
    std::string path;
    ChordReadingOptions options;
    bool key = false;
    bool json = false;
};

int ReadRequest(const std::vector<std::string>& args, ChordsRequest& request)
{
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> words;
    std::string problem;
    const std::vector<SoundOption> known = {{"--per", true}, {"--channels", true}, {"--key", false}, {"--json", false}};
    if (!SplitSoundOptions(args, known, options, words, problem)) return UsageError(problem);
    for (const auto& [name, value] : options) {
        if (name == "--key") {
            request.key = request.options.numerals = true;
        } else if (name == "--json") {
            request.json = true;
        } else if (name == "--channels") {
            if (!ReadChannelList(value, request.options.channels, problem)) return UsageError(problem);
        } else if (value == "change" || value == "beat" || value == "bar") {
            request.options.cut = value == "change" ? SpanCut::AtChange
                                  : value == "beat" ? SpanCut::PerBeat
                                                    : SpanCut::PerBar;
        } else {
            return UsageError("--per takes change, beat or bar, not '" + value + "'");
        }
    }
    if (words.size() != 1) return UsageError(words.empty() ? "chords needs a MIDI file" : "chords takes one file");
    request.path = words.front();
    return ExitOk;
}

std::string NoteList(const ChordSpan& span, const char* separator, bool quoted)
{
    std::string list;
    for (std::size_t i = 0; i < span.notes.size(); ++i) {
        const std::string name = ShownFullNoteName(span.notes[i], span.spelling);
        list += (i ? separator : "") + (quoted ? JsonString(name) : name);
    }
    return list;
}

std::string Seconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

void PrintLines(const ChordsRequest& request, const SongKey& key, const std::vector<ChordSpan>& spans)
{
    if (request.key) std::printf("key\t%s\n", key.Name().c_str());
    for (const ChordSpan& span : spans) {
        std::string line = std::to_string(span.at.bar) + ":" + std::to_string(span.at.beat) + "\t" +
                           Seconds(span.startSeconds) + "\t" + NoteList(span, " ", false);
        if (request.key) line += "\t" + span.numeral;
        for (const std::string& name : span.names) line += "\t" + name;
        std::printf("%s\n", line.c_str());
    }
}

void PrintJson(const ChordsRequest& request, const MidiSong& song, const SongKey& key,
               const std::vector<ChordSpan>& spans)
{
    std::string json = "{";
    if (request.key) {
        json += "\"key\": " + JsonString(key.Name()) + ", \"sections\": [";
        const std::vector<KeySection> sections = FindSectionKeys(song, request.options.channels);
        for (std::size_t i = 0; i < sections.size(); ++i)
            json += std::string(i ? ", " : "") + "{\"firstBar\": " + std::to_string(sections[i].firstBar) +
                    ", \"lastBar\": " + std::to_string(sections[i].lastBar) +
                    ", \"key\": " + JsonString(sections[i].key.Name()) + "}";
        json += "], ";
    }
    json += "\"spans\": [";
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const ChordSpan& span = spans[i];
        json += std::string(i ? ",\n  " : "\n  ") + "{\"bar\": " + std::to_string(span.at.bar) +
                ", \"beat\": " + std::to_string(span.at.beat) + ", \"seconds\": " + Seconds(span.startSeconds) +
                ", \"endSeconds\": " + Seconds(span.endSeconds) + ", \"notes\": [" + NoteList(span, ", ", true) +
                "], \"names\": [";
        for (std::size_t n = 0; n < span.names.size(); ++n) json += (n ? ", " : "") + JsonString(span.names[n]);
        json += "]";
        if (request.key) json += ", \"numeral\": " + JsonString(span.numeral);
        json += "}";
    }
    json += spans.empty() ? "]}" : "\n]}";
    std::printf("%s\n", json.c_str());
}

}  // namespace

int RunChordsCommand(const std::vector<std::string>& args)
{
    ChordsRequest request;
    if (const int status = ReadRequest(args, request); status != ExitOk) return status;
    const MidiFileReading reading = ReadMidiSongFile(request.path);
    if (!reading.song) {
        ReportMidiFileProblem(*reading.problem);
        return ExitFailure;
    }
    const MidiSong& song = *reading.song;
    const std::vector<ChordSpan> spans = ReadSongChords(song, request.options);
    SongKey key;
    if (request.key) key = FindKey(SongPitchClassDurations(song, request.options.channels, 0, song.lengthTicks));
    if (request.json)
        PrintJson(request, song, key, spans);
    else
        PrintLines(request, key, spans);
    return ExitOk;
}
