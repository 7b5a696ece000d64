#include "cli/cli_options.h"

#include <cerrno>
#include <cstdlib>

#include "core/theory/chord.h"
#include "core/theory/chord_spelling.h"

namespace {

enum class ValueKind {
    None,      // a switch
    Required,  // --name VALUE or --name=VALUE
    Flag,      // --name (meaning 1) or --name=0|1
};

enum class OptionId { Ini, Help, Accidentals, CustomAccidentals, NoRoot, DiffBass, BassStyle, AddStyle, Octaves };

struct OptionDescriptor {
    const char* name;
    OptionId id;
    ValueKind kind;
    unsigned maximum;  // numeric values run from 0 to this
};

const OptionDescriptor knownOptions[] = {
    {"--ini", OptionId::Ini, ValueKind::Required, 0},
    {"--help", OptionId::Help, ValueKind::None, 0},
    {"-h", OptionId::Help, ValueKind::None, 0},
    {"--accidentals", OptionId::Accidentals, ValueKind::Required, ByChordAccidentals},
    {"--custom-accidentals", OptionId::CustomAccidentals, ValueKind::Required, 31},
    {"--no-root", OptionId::NoRoot, ValueKind::Flag, 1},
    {"--diff-bass", OptionId::DiffBass, ValueKind::Flag, 1},
    {"--bass-style", OptionId::BassStyle, ValueKind::Flag, 1},
    {"--add-style", OptionId::AddStyle, ValueKind::Flag, 1},
    {"--octaves", OptionId::Octaves, ValueKind::Required, 0},
};

const OptionDescriptor* FindOption(const std::string& name)
{
    for (const OptionDescriptor& option : knownOptions)
        if (name == option.name) return &option;
    return nullptr;
}

// A whole decimal or 0x-hexadecimal number from 0 to maximum.
bool ReadNumber(const std::string& text, unsigned maximum, unsigned& value)
{
    if (text.empty() || text[0] < '0' || text[0] > '9') return false;
    // Base 16 only after "0x": a leading zero does not make a number octal.
    const bool hexadecimal = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    errno = 0;
    char* end = nullptr;
    const unsigned long number = std::strtoul(text.c_str(), &end, hexadecimal ? 16 : 10);
    if (errno != 0 || *end != '\0' || number > maximum) return false;
    value = static_cast<unsigned>(number);
    return true;
}

bool StoreValue(const OptionDescriptor& option, const std::string& value, GlobalOptions& options, std::string& problem)
{
    if (option.id == OptionId::Ini) {
        if (value.empty()) {
            problem = "--ini needs a file name";
            return false;
        }
        options.iniPath = value;
        return true;
    }
    if (option.id == OptionId::Octaves) {
        if (value != "c" && value != "C" && value != "a" && value != "A") {
            problem = "bad value for --octaves: '" + value + "' (c or a)";
            return false;
        }
        options.octaves = (value == "c" || value == "C") ? OctaveNumbering::FromC : OctaveNumbering::FromA;
        return true;
    }
    unsigned number = 0;
    if (!ReadNumber(value, option.maximum, number)) {
        problem = std::string("bad value for ") + option.name + ": '" + value + "' (0 to " +
                  std::to_string(option.maximum) + ")";
        return false;
    }
    const int flag = static_cast<int>(number);
    switch (option.id) {
    case OptionId::Accidentals: options.accidentals = flag; break;
    case OptionId::CustomAccidentals: options.customAccidentals = number; break;
    case OptionId::NoRoot: options.noRoot = flag; break;
    case OptionId::DiffBass: options.diffBass = flag; break;
    case OptionId::BassStyle: options.bassStyle = flag; break;
    case OptionId::AddStyle: options.addStyle = flag; break;
    case OptionId::Ini:
    case OptionId::Help:
    case OptionId::Octaves: break;
    }
    return true;
}

}  // namespace

bool ParseGlobalOptions(std::vector<std::string>& args, GlobalOptions& options, std::string& problem)
{
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        }
        if (arg.size() < 2 || arg[0] != '-' || (arg[1] != '-' && arg != "-h")) {
            rest.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionDescriptor* option = FindOption(name);
        if (!option && !rest.empty()) {
            rest.push_back(arg);  // after the command word: the command's own option
            continue;
        }
        if (!option) {
            problem = "unknown option '" + name + "'";
            return false;
        }
        const bool hasInlineValue = equals != std::string::npos;
        switch (option->kind) {
        case ValueKind::None:
            if (hasInlineValue) {
                problem = name + " takes no value";
                return false;
            }
            options.help = true;
            break;
        case ValueKind::Flag: {
            // "--no-root 0", "--no-root=0" and a bare "--no-root" (meaning 1) all work.
            std::string value = "1";
            if (hasInlineValue)
                value = arg.substr(equals + 1);
            else if (i + 1 < args.size() && (args[i + 1] == "0" || args[i + 1] == "1"))
                value = args[++i];
            if (!StoreValue(*option, value, options, problem)) return false;
            break;
        }
        case ValueKind::Required:
            if (hasInlineValue) {
                if (!StoreValue(*option, arg.substr(equals + 1), options, problem)) return false;
            } else if (i + 1 < args.size()) {
                if (!StoreValue(*option, args[++i], options, problem)) return false;
            } else {
                problem = name + " needs a value";
                return false;
            }
            break;
        }
    }
    args = std::move(rest);
    return true;
}

void ApplyNamingOptions(const GlobalOptions& options)
{
    if (options.accidentals) chord::Config_Accidentals = *options.accidentals;
    if (options.customAccidentals) chord::Custom_Accidentals = *options.customAccidentals;
    if (options.noRoot) chord::Config_NoRoot = static_cast<std::uint8_t>(*options.noRoot);
    if (options.diffBass) chord::Config_DiffBass = static_cast<std::uint8_t>(*options.diffBass);
    if (options.bassStyle) chord::Config_BassStyle = static_cast<std::uint8_t>(*options.bassStyle);
    if (options.addStyle) chord::Config_AddStyle = static_cast<std::uint8_t>(*options.addStyle);
    if (options.octaves) SetShownOctaveNumbering(*options.octaves);
}

const char* GlobalOptionsHelp()
{
    return "  --ini FILE                 use FILE as the settings file\n"
           "  --accidentals N            black keys as 0 sharps, 1 flats, 2 custom, 3 standard (default), 4 by chord\n"
           "  --custom-accidentals MASK  flat names under 2: 1 Db, 2 Eb, 4 Gb, 8 Ab, 16 Bb (default 0)\n"
           "  --no-root [0|1]            also name chords whose root is not played (default 1)\n"
           "  --diff-bass [0|1]          show a bass that is not the root (default 0)\n"
           "  --bass-style [0|1]         write a bass as \"C/E\", not \"C (E Bass)\" (default 0)\n"
           "  --add-style [0|1]          write an added note as \"C (Add 9)\", not \"C (Add D)\" (default 0)\n"
           "  --octaves c|a              octave numbers of the notes read and written: c from C, middle C = C4;\n"
           "                             a from A, middle C = C6 (default; the text form always counts from A)\n"
           "  -h, --help                 show this help\n";
}
