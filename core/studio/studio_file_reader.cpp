#include "core/studio/studio_file_reader.h"

#include "core/studio/byte_fields.h"
#include "core/studio/studio_file_ending.h"
#include "core/services/error.h"
#include "core/services/hex_record.h"
#include "core/services/oversized_file.h"
#include "core/services/profile.h"

namespace {

constexpr int ErrorReadingStudio = 407;
constexpr int StudioCutShort = 438;

std::string ReadKey(const std::string& path, const char* section, const std::string& key)
{
    std::string value = GetProfileString(path, section, key, std::string());
    if (value.size() > std::size_t(StudioFile::LineLimit)) value.resize(StudioFile::LineLimit);
    return value;
}

}  // namespace

std::string ExtraLineKey(int n, int j) { return std::to_string(n) + "." + std::to_string(j); }

int TypeIdOfLine(const std::string& line)
{
    if (line.size() < std::size_t(StudioFile::TypeIdColumn + 4)) return -1;
    int low = GetHex(line.c_str() + StudioFile::TypeIdColumn);
    int high = GetHex(line.c_str() + StudioFile::TypeIdColumn + 2);
    if (low < 0 || high < 0) return -1;
    return static_cast<std::int16_t>(low | (high << 8));
}

bool ReadStudioFile(const std::string& path, StudioFileContents& contents)
{
    contents.components.clear();
    contents.cutShort = false;
    if (RefuseOversizedFile(path.c_str())) return false;
    if (GetProfileString(path, StudioFile::Windows, StudioFile::VersionKey, std::string()).empty()) {
        Error(ErrorReadingStudio, path.c_str());
        return false;
    }
    for (int n = 1;; ++n) {
        std::string key = std::to_string(n);
        StudioComponentLine component;
        component.line = ReadKey(path, StudioFile::Windows, key);
        if (component.line.empty()) break;
        component.index = n;
        component.typeId = TypeIdOfLine(component.line);
        component.title = ReadKey(path, StudioFile::Titles, key);
        for (int j = 1;; ++j) {
            std::string extra = ReadKey(path, StudioFile::Windows, ExtraLineKey(n, j));
            if (extra.empty()) break;
            component.extraLines.push_back(std::move(extra));
        }
        contents.components.push_back(std::move(component));
    }
    contents.cutShort = DropCutShortEnd(path, contents);
    if (contents.cutShort) Error(StudioCutShort, path.c_str(), int(contents.components.size()));
    return true;
}

DecodedComponentLine DecodeComponentLine(const std::string& line)
{
    DecodedComponentLine decoded;
    std::uint8_t placement[44];
    int used = 0;
    if (ReadHexRecord(line.c_str(), placement, sizeof placement, used) != HexRecordRead::Read) return decoded;
    decoded.placementRead = true;
    for (int i = 0; i < 11; ++i) decoded.placement[i] = GetLE32(placement + 4 * i);
    std::uint8_t base[BaseSettingsRecord::Size];
    int baseUsed = 0;
    if (ReadHexRecord(line.c_str() + used, base, sizeof base, baseUsed) != HexRecordRead::Read) return decoded;
    decoded.baseRead = true;
    decoded.base.Decode(base);
    return decoded;
}
