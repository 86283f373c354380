#include "platform/SettingsFile.h"

#include <charconv>
#include <utility>

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "platform/UserFolders.h"

namespace vortala {

namespace {

// Far more than the game ever writes; anything bigger is not our file.
constexpr std::size_t kMaxFileSize = 1 << 20;

std::string SectionPath(std::string_view key, std::string_view section) {
    auto trim = [](std::string_view s) {
        while (!s.empty() && s.front() == '\\') s.remove_prefix(1);
        while (!s.empty() && s.back() == '\\') s.remove_suffix(1);
        return s;
    };
    key = trim(key);
    section = trim(section);
    std::string path(key);
    if (!key.empty() && !section.empty()) path += '\\';
    path += section;
    return path;
}

IniData LoadFile(const std::string& path) {
    const auto text = ReadRegularFile(path, kMaxFileSize, ReadPart::Whole);
    return text ? ParseIni(*text) : IniData{};
}

}  // namespace

SettingsFile::SettingsFile(std::string filePath) : path_(std::move(filePath)), data_(LoadFile(path_)) {}

std::string SettingsFile::DefaultPath() {
    return UserConfigFolder() + "/orvexa/vortala.ini";
}

std::string SettingsFile::ReadString(std::string_view key, std::string_view section, std::string_view value,
                                     std::string_view def) const {
    const auto found = data_.find(SectionPath(key, section));
    if (found == data_.end()) return std::string(def);
    const auto text = found->second.find(value);
    return text == found->second.end() ? std::string(def) : text->second;
}

int SettingsFile::ReadInteger(std::string_view key, std::string_view section, std::string_view value,
                              int def) const {
    const std::string text = ReadString(key, section, value, "");
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos) return def;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+' && end - begin > 1 && begin[1] != '-') ++begin;
    int number = 0;
    const auto [stop, error] = std::from_chars(begin, end, number);
    return error == std::errc() && stop == end ? number : def;
}

bool SettingsFile::ReadBool(std::string_view key, std::string_view section, std::string_view value,
                            bool def) const {
    return ReadInteger(key, section, value, def ? 1 : 0) != 0;
}

void SettingsFile::WriteString(std::string_view key, std::string_view section, std::string_view value,
                               std::string_view text) {
    const std::string path = SectionPath(key, section);
    data_[path][std::string(value)] = text;
    pending_[path][std::string(value)] = text;
}

void SettingsFile::WriteInteger(std::string_view key, std::string_view section, std::string_view value,
                                int number) {
    WriteString(key, section, value, std::to_string(number));
}

void SettingsFile::WriteBool(std::string_view key, std::string_view section, std::string_view value,
                             bool flag) {
    WriteString(key, section, value, flag ? "1" : "0");
}

bool SettingsFile::Save() {
    IniData merged = LoadFile(path_);
    for (const auto& [path, values] : pending_) {
        for (const auto& [name, text] : values) merged[path][name] = text;
    }
    if (!ReplaceFileAtomically(path_, FormatIni(merged))) return false;
    data_ = std::move(merged);
    pending_.clear();
    return true;
}

}  // namespace vortala
