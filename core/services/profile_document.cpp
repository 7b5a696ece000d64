#include "core/services/profile_document.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// Compacting a section rebuilds its index, so it waits until enough lines
// have gone that the cost is shared out.
constexpr std::size_t CompactAfterRemovals = 32;

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlankLine(std::string_view line) { return TrimProfileBlanks(line).empty(); }

}  // namespace

std::string_view TrimProfileBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::size_t ProfileDocument::NoCaseHash::operator()(std::string_view text) const
{
    std::size_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : text) {
        hash ^= static_cast<unsigned char>(FoldCase(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool ProfileDocument::NoCaseEqual::operator()(std::string_view a, std::string_view b) const
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

ProfileDocument ProfileDocument::Parse(std::string_view bytes)
{
    ProfileDocument doc;
    if (bytes.starts_with(ByteOrderMark)) {
        doc.byteOrderMark_ = true;
        bytes.remove_prefix(ByteOrderMark.size());
    }
    Section* current = nullptr;
    while (!bytes.empty()) {
        auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        while (line.ends_with('\r')) line.remove_suffix(1);

        const std::string_view trimmed = TrimProfileBlanks(line);
        if (trimmed.starts_with('[')) {
            std::string_view name = trimmed.substr(1);
            name = name.substr(0, name.find(']'));
            Section& section = doc.sections_.emplace_back();
            section.header = line;
            section.name = TrimProfileBlanks(name);
            current = &section;
            continue;
        }
        if (current == nullptr) {
            doc.preamble_.emplace_back(line);
            continue;
        }
        Line& entry = current->lines.emplace_back();
        entry.text = line;
        const auto equals = trimmed.find('=');
        if (!trimmed.starts_with(';') && equals != std::string_view::npos) {
            entry.key = TrimProfileBlanks(trimmed.substr(0, equals));
            entry.value = TrimProfileBlanks(trimmed.substr(equals + 1));
        }
    }
    for (Section& section : doc.sections_) {
        auto& lines = section.lines;
        std::size_t firstBlank = lines.size();
        while (firstBlank > 0 && !lines[firstBlank - 1].IsEntry() && IsBlankLine(lines[firstBlank - 1].text))
            --firstBlank;
        for (std::size_t i = firstBlank; i < lines.size(); ++i)
            section.trailingBlankLines.push_back(std::move(lines[i].text));
        lines.resize(firstBlank);
        IndexKeys(section);
    }
    doc.IndexSections();
    return doc;
}

std::string ProfileDocument::Serialize() const
{
    std::size_t length = byteOrderMark_ ? ByteOrderMark.size() : 0;
    for (const auto& line : preamble_) length += line.size() + 1;
    for (const auto& section : sections_) {
        length += section.header.size() + 2;
        for (const auto& line : section.lines) length += line.text.size() + 1;
        for (const auto& line : section.trailingBlankLines) length += line.size() + 1;
    }
    std::string out;
    out.reserve(length);
    if (byteOrderMark_) out += ByteOrderMark;
    bool afterBlankLine = true;  // nothing written counts as a blank line
    auto write = [&](const std::string& line) {
        out.append(line).push_back('\n');
        afterBlankLine = IsBlankLine(line);
    };
    for (const auto& line : preamble_) write(line);
    for (const auto& section : sections_) {
        if (section.added && !afterBlankLine) write({});
        write(section.header);
        for (const auto& line : section.lines)
            if (!line.removed) write(line.text);
        for (const auto& line : section.trailingBlankLines) write(line);
    }
    return out;
}

ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name)
{
    auto it = sectionIndex_.find(TrimProfileBlanks(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view name) const
{
    auto it = sectionIndex_.find(TrimProfileBlanks(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

ProfileDocument::Section& ProfileDocument::SectionForWriting(std::string_view name)
{
    if (Section* found = FindSection(name)) return *found;
    Section& section = sections_.emplace_back();
    section.added = true;
    section.name = name;
    section.header = "[" + section.name + "]";
    sectionIndex_.try_emplace(section.name, sections_.size() - 1);
    return section;
}

void ProfileDocument::IndexKeys(Section& section)
{
    section.keys.clear();
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        const Line& line = section.lines[i];
        if (line.IsEntry() && !line.removed) section.keys.try_emplace(line.key, i);
    }
}

void ProfileDocument::IndexSections()
{
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) sectionIndex_.try_emplace(sections_[i].name, i);
}

void ProfileDocument::CompactIfSparse(Section& section)
{
    if (section.removedLines < CompactAfterRemovals || section.removedLines * 2 < section.lines.size()) return;
    std::erase_if(section.lines, [](const Line& line) { return line.removed; });
    section.removedLines = 0;
    IndexKeys(section);
}

const std::string* ProfileDocument::Find(std::string_view section, std::string_view key) const
{
    const Section* found = FindSection(section);
    if (found == nullptr) return nullptr;
    auto it = found->keys.find(TrimProfileBlanks(key));
    return it == found->keys.end() ? nullptr : &found->lines[it->second].value;
}

void ProfileDocument::Set(std::string_view sectionName, std::string_view keyName, std::string_view value)
{
    sectionName = TrimProfileBlanks(sectionName);
    keyName = TrimProfileBlanks(keyName);
    value = TrimProfileBlanks(value);

    Section* section = &SectionForWriting(sectionName);
    auto it = section->keys.find(keyName);
    if (it != section->keys.end()) {
        Line& line = section->lines[it->second];
        line.value = value;
        line.text = line.key + "=" + line.value;
        return;
    }
    Line& line = section->lines.emplace_back();
    line.key = keyName;
    line.value = value;
    line.text = line.key + "=" + line.value;
    section->keys.try_emplace(line.key, section->lines.size() - 1);
}

bool ProfileDocument::DeleteKey(std::string_view sectionName, std::string_view keyName)
{
    Section* section = FindSection(sectionName);
    if (section == nullptr) return false;
    auto it = section->keys.find(TrimProfileBlanks(keyName));
    if (it == section->keys.end()) return false;
    const std::size_t index = it->second;
    Line& line = section->lines[index];
    line.removed = true;
    ++section->removedLines;
    section->keys.erase(it);
    // A later entry of the same key, if any, is the one seen from now on.
    for (std::size_t i = index + 1; i < section->lines.size(); ++i) {
        const Line& later = section->lines[i];
        if (!later.removed && later.IsEntry() && NoCaseEqual{}(later.key, line.key)) {
            section->keys.try_emplace(later.key, i);
            break;
        }
    }
    CompactIfSparse(*section);
    return true;
}

bool ProfileDocument::DeleteSection(std::string_view sectionName)
{
    auto it = sectionIndex_.find(TrimProfileBlanks(sectionName));
    if (it == sectionIndex_.end()) return false;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
    IndexSections();
    return true;
}

void ProfileDocument::ReplaceEntries(std::string_view sectionName,
                                     const std::vector<std::pair<std::string, std::string>>& entries)
{
    sectionName = TrimProfileBlanks(sectionName);
    Section* section = &SectionForWriting(sectionName);
    std::vector<Line> lines;
    lines.reserve(section->lines.size() + entries.size());
    bool placed = false;
    auto place = [&] {
        for (const auto& [key, value] : entries) {
            Line& line = lines.emplace_back();
            line.key = TrimProfileBlanks(key);
            line.value = TrimProfileBlanks(value);
            line.text = line.key + "=" + value;
        }
        placed = true;
    };
    for (Line& line : section->lines) {
        if (line.removed) continue;
        if (!line.IsEntry()) {
            lines.push_back(std::move(line));
            continue;
        }
        if (!placed) place();
    }
    if (!placed) place();
    section->lines = std::move(lines);
    section->removedLines = 0;
    IndexKeys(*section);
}

std::vector<std::string> ProfileDocument::SectionNames() const
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        auto it = sectionIndex_.find(sections_[i].name);
        if (it != sectionIndex_.end() && it->second == i) names.push_back(sections_[i].name);
    }
    return names;
}

std::vector<std::string> ProfileDocument::KeyNames(std::string_view sectionName) const
{
    std::vector<std::string> names;
    const Section* section = FindSection(sectionName);
    if (section == nullptr) return names;
    for (std::size_t i = 0; i < section->lines.size(); ++i) {
        const Line& line = section->lines[i];
        if (line.removed || !line.IsEntry()) continue;
        auto it = section->keys.find(line.key);
        if (it != section->keys.end() && it->second == i) names.push_back(line.key);
    }
    return names;
}
