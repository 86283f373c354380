#pragma once
// SettingsStore: the settings file seen through the key/value interface that the save and restore
// logic is written against. The file itself is the platform's; this only joins the two, so the
// rules' neighbours never depend on the file system.
#include <string>
#include <string_view>
#include <utility>

#include "app/SettingsAccess.h"
#include "platform/SettingsFile.h"

namespace vortala {

class SettingsStore : public SettingsAccess {
public:
    explicit SettingsStore(std::string filePath) : file_(std::move(filePath)) {}
    static std::string DefaultPath() { return SettingsFile::DefaultPath(); }

    std::string ReadString(std::string_view key, std::string_view section, std::string_view value,
                           std::string_view def) const override {
        return file_.ReadString(key, section, value, def);
    }
    int ReadInteger(std::string_view key, std::string_view section, std::string_view value,
                    int def) const override {
        return file_.ReadInteger(key, section, value, def);
    }
    bool ReadBool(std::string_view key, std::string_view section, std::string_view value,
                  bool def) const override {
        return file_.ReadBool(key, section, value, def);
    }
    void WriteString(std::string_view key, std::string_view section, std::string_view value,
                     std::string_view text) override {
        file_.WriteString(key, section, value, text);
    }
    void WriteInteger(std::string_view key, std::string_view section, std::string_view value,
                      int number) override {
        file_.WriteInteger(key, section, value, number);
    }
    void WriteBool(std::string_view key, std::string_view section, std::string_view value,
                   bool flag) override {
        file_.WriteBool(key, section, value, flag);
    }
    // False, with errno saying why, when the file could not be written; the writes are kept
    // for another try.
    bool Save() { return file_.Save(); }
    const std::string& Path() const { return file_.Path(); }

private:
    SettingsFile file_;
};

}  // namespace vortala
