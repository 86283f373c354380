#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "platform/Shell.h"

namespace vortala {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A stand-in xdg-open records its arguments, one to a line, and whether it inherited a descriptor
// the game left without close-on-exec.
TEST(Shell, OpenUrlPassesTheAddressAsOneArgumentWithoutAShellOrOurFiles) {
    const fs::path folder = fs::temp_directory_path() / ("vortala-shell-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path record = folder / "args";
    const int leaked = open("/dev/null", O_RDONLY);  // no O_CLOEXEC
    ASSERT_GE(leaked, 0);
    {
        std::ofstream script(folder / "xdg-open");
        script << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > " << record << ".tmp\n"
               << "[ -e /proc/$$/fd/" << leaked << " ] && echo inherited >> " << record << ".tmp\nmv "
               << record << ".tmp " << record << "\n";
    }
    fs::permissions(folder / "xdg-open", fs::perms::owner_all);
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (folder.string() + ":" + oldPath).c_str(), 1);

    const std::string url = "https://example.invalid/a?b=1&c=$(touch x);d `e` 'f\" g";
    OpenUrl(url);
    setenv("PATH", oldPath.c_str(), 1);
    close(leaked);

    const auto start = std::chrono::steady_clock::now();
    while (!fs::exists(record) && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(ReadText(record), url + "\n");
    EXPECT_FALSE(fs::exists(folder / "x"));
    EXPECT_FALSE(fs::exists("x"));

    // The child is reaped for us: soon there is no child left to wait for.
    bool reaped = false;
    while (!reaped && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        reaped = waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD;
        if (!reaped) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(reaped);
    fs::remove_all(folder);
}

TEST(Shell, MessagesGoToStandardErrorWhenDialogsAreOff) {
    setenv("VORTALA_NO_DIALOGS", "1", 1);
    ::testing::internal::CaptureStderr();
    ShowMessage("BMP Unit", "Couldn't load JPG Resource - \"font.jpg\"");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "BMP Unit: Couldn't load JPG Resource - \"font.jpg\"\n");
    unsetenv("VORTALA_NO_DIALOGS");
}

}  // namespace
}  // namespace vortala
