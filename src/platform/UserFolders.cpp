#include "platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace vortala {

namespace {

// Relative values are ignored, as the base-directory rules ask.
std::string AbsoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : "";
}

// Never a relative path: without $HOME the password database, and the temporary folder as the
// last resort, so that nothing lands in whatever the current folder is.
std::string HomeFolder() {
    std::string home = AbsoluteEnv("HOME");
    if (!home.empty()) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    return std::filesystem::temp_directory_path().string();
}

std::string BaseFolder(const char* variable, const char* fallbackUnderHome) {
    std::string folder = AbsoluteEnv(variable);
    if (folder.empty()) folder = HomeFolder() + fallbackUnderHome;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

std::string UserConfigFolder() {
    return BaseFolder("XDG_CONFIG_HOME", "/.config");
}

std::string UserDataFolder() {
    return BaseFolder("XDG_DATA_HOME", "/.local/share") + "/Orvexa/Vortala/";
}

std::string SaveFolder() {
    const std::string folder = UserDataFolder();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace vortala
