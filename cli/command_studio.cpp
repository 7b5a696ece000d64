// cantrel-cli studio [--json] [--layout] FILE : the components of a studio
// file as one JSON object, in file order; with --layout each also gives the
// position of its icon in the Connections window right after loading.
#include <cstdio>
#include <string>

#include "core/studio/chord_record.h"
#include "core/studio/studio_file_layout.h"
#include "core/studio/studio_file_reader.h"
#include "cli/cli_commands.h"
#include "cli/cli_exit_codes.h"
#include "cli/cli_output.h"
#include "cli/json_text.h"
#include "core/theory/chord.h"

namespace {

// Placement record fields.
constexpr int ShowField = 2;
constexpr int NormalField = 7;

// iconPos: the JSON of the icon position, empty when not asked for.
std::string ComponentJson(const StudioComponentLine& line, const DecodedComponentLine& decoded,
                          const std::string& iconPos)
{
    const BaseSettingsRecord& base = decoded.base;
    chord notes;
    if (decoded.baseRead) ChordRecord::Decode(base.chordBytes, notes);

    std::string json = "{\"index\": " + std::to_string(line.index);
    json += ", \"typeId\": " + std::to_string(line.typeId);
    json += ", \"title\": " + JsonString(line.title);
    json += ", \"showCmd\": " + std::to_string(decoded.placement[ShowField]);
    json += ", \"normal\": [";
    for (int i = 0; i < 4; ++i) json += (i ? ", " : "") + std::to_string(decoded.placement[NormalField + i]);
    json += "], \"mode\": " + std::to_string(base.mode);
    json += ", \"soundOn\": " + std::to_string(base.soundOn);
    json += ", \"passThrough\": " + std::to_string(base.passThrough);
    json += ", \"manualPosition\": " + std::to_string(base.manualPosition);
    json += ", \"icon\": [" + std::to_string(base.storedIconX) + ", " + std::to_string(base.storedIconY) + "]";
    if (!iconPos.empty()) json += ", \"iconPos\": " + iconPos;
    json += ", \"notes\": [";
    for (int i = 0; i < chord::Slots; ++i) json += (i ? ", " : "") + std::to_string(notes.notes[i]);
    json += "], \"program\": " + std::to_string(notes.program);
    json += ", \"links\": [";
    bool first = true;
    for (int slot = 0; slot < 3; ++slot) {
        if (base.linkFrom[slot] == 0 && base.linkTo[slot] == 0) continue;
        json += first ? "" : ", ";
        first = false;
        json += "{\"slot\": " + std::to_string(slot) + ", \"from\": " + std::to_string(base.linkFrom[slot]) +
                ", \"to\": " + std::to_string(base.linkTo[slot]) + "}";
    }
    json += "], \"extraLines\": " + std::to_string(line.extraLines.size()) + "}";
    return json;
}

}  // namespace

int RunStudioCommand(const std::vector<std::string>& args)
{
    std::string path;
    bool withLayout = false;
    for (const std::string& arg : args) {
        if (arg == "--json") continue;
        if (arg == "--layout") {
            withLayout = true;
            continue;
        }
        if (!path.empty()) return UsageError("studio takes one file");
        path = arg;
    }
    if (path.empty()) return UsageError("studio needs a studio file");
    StudioFileContents contents;
    if (!ReadStudioFile(path, contents)) return ExitFailure;
    std::vector<DecodedComponentLine> decoded;
    bool whole = true;
    for (const StudioComponentLine& line : contents.components) {
        decoded.push_back(DecodeComponentLine(line.line));
        if (decoded.back().placementRead && decoded.back().baseRead) continue;
        std::fprintf(stderr, "%s: %s: component %d is damaged: [Windows] %d is not a placement and settings record\n",
                     ProgramName, path.c_str(), line.index, line.index);
        whole = false;
    }
    std::vector<LayoutComponent> layout;
    // A studio that would not load shows no icons: their positions are null.
    const bool loads = withLayout && LayOutStudioFile(contents, decoded, layout);
    if (withLayout && !loads)
        std::fprintf(stderr, "cantrel-cli: %s names a component type the program does not make; it would not load\n",
                     path.c_str());
    std::string json = "{\"components\": [";
    for (std::size_t i = 0; i < contents.components.size(); ++i) {
        std::string iconPos;
        if (loads)
            iconPos = "[" + std::to_string(layout[i].iconX) + ", " + std::to_string(layout[i].iconY) + "]";
        else if (withLayout)
            iconPos = "null";
        json += (i ? ",\n  " : "\n  ") + ComponentJson(contents.components[i], decoded[i], iconPos);
    }
    json += contents.components.empty() ? "]}" : "\n]}";
    std::printf("%s\n", json.c_str());
    return whole ? ExitOk : ExitFailure;
}
