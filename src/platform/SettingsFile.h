#pragma once
// SettingsFile: the game's stored settings, addressed like the registry it replaces: a key, a
// section under it and a named value, every value kept as text (integers in decimal, booleans
// "1" and "0") and every read naming its default. The store lives in one text file. Writes are
// collected and go to disk with Save, which merges them into the file's current contents and
// replaces the file atomically, so another store on the same file loses nothing and a crash
// mid-write leaves the old file whole. A missing, unreadable or garbled file reads as empty.
#include <string>
#include <string_view>

#include "platform/IniText.h"

namespace vortala {

class SettingsFile {
public:
    explicit SettingsFile(std::string filePath);
    // $XDG_CONFIG_HOME/orvexa/vortala.ini, else ~/.config/orvexa/vortala.ini.
    static std::string DefaultPath();

    std::string ReadString(std::string_view key, std::string_view section, std::string_view value,
                           std::string_view def) const;
    // The default also when the stored text is not a decimal integer in range.
    int ReadInteger(std::string_view key, std::string_view section, std::string_view value, int def) const;
    // True when the stored integer is not 0.
    bool ReadBool(std::string_view key, std::string_view section, std::string_view value, bool def) const;

    void WriteString(std::string_view key, std::string_view section, std::string_view value,
                     std::string_view text);
    void WriteInteger(std::string_view key, std::string_view section, std::string_view value, int number);
    void WriteBool(std::string_view key, std::string_view section, std::string_view value, bool flag);

    // False, with errno saying why, when the file could not be written; the writes are kept
    // for another try.
    bool Save();
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    IniData data_;     // the file as last read, with the unsaved writes applied
    IniData pending_;  // writes not yet saved
};

}  // namespace vortala
