#pragma once
// SettingsSnapshot: settings writes caught in memory instead of a file. A save routine run into
// one shows what it would store; comparing two tells whether anything changed, and CopyTo hands
// the writes on to the real store in the same text form.
#include <map>
#include <string>
#include <tuple>

#include "app/SettingsAccess.h"

namespace vortala {

class SettingsSnapshot : public SettingsAccess {
public:
    std::string ReadString(std::string_view key, std::string_view section, std::string_view value,
                           std::string_view def) const override;
    int ReadInteger(std::string_view key, std::string_view section, std::string_view value,
                    int def) const override;
    void WriteString(std::string_view key, std::string_view section, std::string_view value,
                     std::string_view text) override;

    void CopyTo(SettingsAccess& store) const;
    bool operator==(const SettingsSnapshot& other) const { return values_ == other.values_; }
    bool operator!=(const SettingsSnapshot& other) const { return !(*this == other); }

private:
    using Name = std::tuple<std::string, std::string, std::string>;  // key, section, value
    std::map<Name, std::string> values_;
};

}  // namespace vortala
