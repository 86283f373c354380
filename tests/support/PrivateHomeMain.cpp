// The main of the unit tests that can reach the user's folders. Before any test or fixture member
// is built, HOME and the XDG base folders point into a private temporary folder (removed at the
// end), so no test reads or writes the player's own settings, log or journal; a test that finds
// itself pointed at the folders the user's own environment names fails, and is pointed back.
#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/UserFolders.h"

namespace {

namespace fs = std::filesystem;

std::string Normal(const std::string& folder) {
    std::string path = fs::path(folder).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// Where the game would keep its files for this user: what the environment says at start, and
// the password database's home, whatever HOME says.
struct RealFolders {
    std::set<std::string> config, data;

    RealFolders() {
        config.insert(Normal(vortala::UserConfigFolder()));
        data.insert(Normal(vortala::UserDataFolder()));
        if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && entry->pw_dir[0] == '/') {
            config.insert(Normal(std::string(entry->pw_dir) + "/.config"));
            data.insert(Normal(std::string(entry->pw_dir) + "/.local/share/Orvexa/Vortala"));
        }
    }
};

void PointAt(const fs::path& home) {
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home / "cache").c_str(), 1);
    setenv("XDG_STATE_HOME", (home / "state").c_str(), 1);
}

class RealHomeGuard : public ::testing::EmptyTestEventListener {
public:
    RealHomeGuard(RealFolders real, fs::path home) : real_(std::move(real)), home_(std::move(home)) {}

    void OnTestStart(const ::testing::TestInfo&) override { Check("starts"); }
    void OnTestEnd(const ::testing::TestInfo&) override { Check("ended"); }

private:
    void Check(const char* when) {
        const std::string config = Normal(vortala::UserConfigFolder());
        const std::string data = Normal(vortala::UserDataFolder());
        if (real_.config.count(config) == 0 && real_.data.count(data) == 0) return;
        ADD_FAILURE() << "the test " << when << " pointed at the user's own folders (" << config << ", "
                      << data << "): set XDG_CONFIG_HOME and XDG_DATA_HOME to a private folder first";
        PointAt(home_);
    }

    RealFolders real_;
    fs::path home_;
};

}  // namespace

int main(int argc, char** argv) {
    RealFolders real;
    std::string pattern = (fs::temp_directory_path() / "vortala-home-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("vortala tests: cannot make a private home");
        return 2;
    }
    const fs::path home = pattern;
    PointAt(home);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new RealHomeGuard(std::move(real), home));
    const int status = RUN_ALL_TESTS();
    std::error_code ignored;
    fs::remove_all(home, ignored);
    return status;
}
