#pragma once
// SettingsAccess: the stored settings as the game reads and writes them: a key, a section and a
// named value, all kept as text, every read naming its default. The settings file implements it;
// the save and restore logic works against this interface only.
#include <string>
#include <string_view>

namespace vortala {

class SettingsAccess {
public:
    virtual ~SettingsAccess() = default;

    virtual std::string ReadString(std::string_view key, std::string_view section, std::string_view value,
                                   std::string_view def) const = 0;
    // The default also when the stored text is not a decimal integer in range.
    virtual int ReadInteger(std::string_view key, std::string_view section, std::string_view value,
                            int def) const = 0;
    // True when the stored integer is not 0.
    virtual bool ReadBool(std::string_view key, std::string_view section, std::string_view value,
                          bool def) const {
        return ReadInteger(key, section, value, def ? 1 : 0) != 0;
    }

    virtual void WriteString(std::string_view key, std::string_view section, std::string_view value,
                             std::string_view text) = 0;
    // Integers in decimal, booleans as "1" and "0".
    virtual void WriteInteger(std::string_view key, std::string_view section, std::string_view value,
                              int number) {
        WriteString(key, section, value, std::to_string(number));
    }
    virtual void WriteBool(std::string_view key, std::string_view section, std::string_view value,
                           bool flag) {
        WriteString(key, section, value, flag ? "1" : "0");
    }
};

}  // namespace vortala
