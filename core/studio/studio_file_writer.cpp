#include "core/studio/studio_file_writer.h"

#include <utility>

#include "core/services/profile.h"
#include "core/studio/studio_file_reader.h"

StudioFileWriter::StudioFileWriter(std::string path) : path_(std::move(path)) {}

bool StudioFileWriter::Write(const char* section, const std::string& key, const char* value)
{
    written_ = written_ && WritePrivateProfileString(section, key.c_str(), value, path_.c_str());
    return written_;
}

bool StudioFileWriter::Begin() { return Write(StudioFile::Windows, StudioFile::VersionKey, StudioFile::Version); }

bool StudioFileWriter::AddComponent(const std::string& keptTitle, const char* line)
{
    const std::string key = std::to_string(++components_);
    extras_ = 0;
    return Write(StudioFile::Titles, key, keptTitle.c_str()) && Write(StudioFile::Windows, key, line);
}

bool StudioFileWriter::AddExtraLine(const char* extra)
{
    return Write(StudioFile::Windows, ExtraLineKey(components_, ++extras_), extra);
}

bool StudioFileWriter::EndComponent()
{
    if (!written_) return false;
    // The first extra line not written must not be read as this component's.
    WritePrivateProfileString(StudioFile::Windows, ExtraLineKey(components_, extras_ + 1).c_str(), nullptr,
                              path_.c_str());
    return true;
}

bool StudioFileWriter::End()
{
    if (!written_) return false;
    // A file that held more components before must end here.
    WritePrivateProfileString(StudioFile::Windows, std::to_string(components_ + 1).c_str(), nullptr, path_.c_str());
    return true;
}
