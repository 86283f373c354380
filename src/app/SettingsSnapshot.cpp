#include "app/SettingsSnapshot.h"

#include <charconv>

namespace vortala {

std::string SettingsSnapshot::ReadString(std::string_view key, std::string_view section,
                                         std::string_view value, std::string_view def) const {
    const auto found = values_.find({std::string(key), std::string(section), std::string(value)});
    return found == values_.end() ? std::string(def) : found->second;
}

int SettingsSnapshot::ReadInteger(std::string_view key, std::string_view section, std::string_view value,
                                  int def) const {
    const std::string text = ReadString(key, section, value, "");
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() ? number : def;
}

void SettingsSnapshot::WriteString(std::string_view key, std::string_view section, std::string_view value,
                                   std::string_view text) {
    values_[{std::string(key), std::string(section), std::string(value)}] = text;
}

void SettingsSnapshot::CopyTo(SettingsAccess& store) const {
    for (const auto& [name, text] : values_)
        store.WriteString(std::get<0>(name), std::get<1>(name), std::get<2>(name), text);
}

}  // namespace vortala
