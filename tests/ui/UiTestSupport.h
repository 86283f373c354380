#pragma once
// Shared by the dialog tests: a machine on a recording platform, and private settings and data
// folders in a fresh temporary directory (XDG_CONFIG_HOME and XDG_DATA_HOME point there).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Machine.h"
#include "platform/UserFolders.h"
#include "records/SettingsStore.h"

namespace vortala::testing {

class RecordingPlatform : public MachinePlatform {
public:
    std::uint32_t NowMs() override { return 1000; }
    void PostInput(const InputEvent&) override {}
    void SetTimerEnabled(TimerId, bool) override {}
    void SetTimerInterval(TimerId t, int ms) override { intervals[t] = ms; }
    void StartOneShot(OneShotTimer, int) override {}
    void PlaySound(std::string_view name, bool) override { sounds.emplace_back(name); }
    std::uint32_t Entropy() override { return 7; }

    std::map<TimerId, int> intervals;
    std::vector<std::string> sounds;
};

// The folders are set in the constructor, before any member of a fixture built on this one (a
// `SettingsStore` reads its file as it is built).
class TempHome : public ::testing::Test {
protected:
    TempHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vortala-ui-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary home");
        root_ = pattern;
        setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    static std::string LogPath() { return SaveFolder() + "stat.log"; }
    static std::string ReadText(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A fresh store reading what is on disk now, as the next run would.
    static SettingsStore Store() { return SettingsStore(SettingsStore::DefaultPath()); }

    std::filesystem::path root_;
};

}  // namespace vortala::testing
