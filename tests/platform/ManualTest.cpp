// The player's manual is found where the install puts it, else in the source tree: the tests run
// from the build tree, where nothing is installed, so they must find the source tree's page.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Manual.h"

namespace vortala {
namespace {

namespace fs = std::filesystem;

TEST(Manual, TheInstalledPlaceComesFirstAndADevelopmentBuildFindsTheSourceTree) {
    const std::vector<std::string> places = ManualPlaces();
    ASSERT_EQ(places.size(), 2u);
    const fs::path prefix = fs::read_symlink("/proc/self/exe").parent_path().parent_path();
    EXPECT_EQ(places[0], (prefix / "share/games/vortala/manual/index.html").string());
    EXPECT_TRUE(fs::is_regular_file(places[1])) << places[1];
    EXPECT_EQ(FindManual(), places[1]);
}

}  // namespace
}  // namespace vortala
