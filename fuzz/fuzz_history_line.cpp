// The Analyzer's studio lines on arbitrary text: a history line either reads
// or is refused without a word, and whatever record it gives can be listed
// and analysed in every view, alone and with another, without fault.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "app/components/analyzer/analysis_lines.h"
#include "app/components/analyzer/history_record.h"
#include "app/components/analyzer/pitch_set_word.h"
#include "app/components/shared/quiet_hex_record.h"
#include "core/services/error.h"
#include "core/services/file_names.h"
#include "core/studio/component_types.h"
#include "core/theory/definition_lists.h"

namespace {

constexpr const char* Definitions =
    "[Chords]\n1=\"\",\"Major\", 1 3 5\n2=\"m7\",\"Minor Seventh\", 1? 3b 5 7b\n3=\"7\",\"Seventh\", 1 3 5? 7b\n"
    "[Scales]\n1=\"Major\", 1 1 \xC2\xBD 1 1 1 \xC2\xBD\n"
    "[Keys]\n1=\"C Major\", C D E F G A B\n";

void LoadDefinitionsOnce()
{
    static const bool loaded = [] {
        SetErrorPresenter([](const ErrorReport&) { std::abort(); });  // nothing here may speak
        char pattern[] = "/tmp/cantrel-fuzz-analyzer-XXXXXX";
        const int fd = mkstemp(pattern);
        if (fd < 0) return false;
        if (write(fd, Definitions, std::char_traits<char>::length(Definitions)) < 0) return false;
        close(fd);
        UseINIFileName(pattern);
        return InitializeChordList() && InitializeScaleList() && InitializeKeyList();
    }();
    if (!loaded) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LoadDefinitionsOnce();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::uint8_t settings[8];
    int used = 0;
    if (ReadHexRecordQuietly(text.c_str(), int(text.size()), settings, 8, used) && used != 18) std::abort();

    chord record;
    if (!ReadHistoryLine(text.c_str(), int(text.size()), record)) return 0;
    const chord named = HistoryRecordOf(record);
    HistoryLineText(named, NotesMode);
    HistoryLineText(named, ChordMode);
    const chord other = HistoryRecordOf(chord());
    for (int view = 0; view < AnalyzerView::Count; ++view) {
        for (const AnalysisLine& line : AnalysisLines(CombineSelection({&named}, view), view)) {
            WordDegreesText(line.word);
            WordScaleSteps(line.word, named);
        }
        AnalysisLines(CombineSelection({&named, &other, &named}, view), view);
    }
    char line[256];
    if (!WriteHistoryLine(record, line, sizeof line)) std::abort();
    chord again;
    if (!ReadHistoryLine(line, int(std::char_traits<char>::length(line)), again)) std::abort();
    return 0;
}
