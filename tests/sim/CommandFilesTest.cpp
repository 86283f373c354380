// The files given to vortala-sim's commands: only a regular file is read, within a cap. A FIFO
// once held a command forever and a link to /dev/zero filled the memory; both must end at once
// with status 2 and say why.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "JournalCommand.h"
#include "RtpMerge.h"

namespace vortala::sim::test {
namespace {

namespace fs = std::filesystem;

class CommandFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vortala-sim-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }

    // The command's status and what it wrote to standard error.
    static std::pair<int, std::string> Run(int (*command)(int, char**), std::vector<std::string> args) {
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        ::testing::internal::CaptureStderr();
        const int status = command(static_cast<int>(argv.size()), argv.data());
        return {status, ::testing::internal::GetCapturedStderr()};
    }

    fs::path root_;
};

TEST_F(CommandFiles, AnythingButARegularFileIsRefusedWithoutWaitingOrFillingTheMemory) {
    const std::string fifo = (root_ / "fifo").string(), zero = (root_ / "zero").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", zero);
    for (const std::string& path : {fifo, zero, root_.string(), (root_ / "missing").string()}) {
        const auto [verify, verifyWhy] = Run(RunJournalCommand, {"verify", path});
        EXPECT_EQ(verify, 2) << path;
        EXPECT_EQ(verifyWhy.rfind("journal: cannot read " + path + ": ", 0), 0u) << verifyWhy;
        const auto [merge, mergeWhy] = Run(RunMergeCommand, {path});
        EXPECT_EQ(merge, 2) << path;
        EXPECT_EQ(mergeWhy.rfind("merge: cannot read " + path + ": ", 0), 0u) << mergeWhy;
    }
    EXPECT_NE(Run(RunJournalCommand, {"verify", fifo}).second.find("not a regular file"), std::string::npos);
}

TEST_F(CommandFiles, ARegularFileBeyondTheCapIsRefusedOrReadInBoundedLines) {
    // A report far larger than any shard's is refused unread.
    const fs::path report = root_ / "report.json";
    { std::ofstream(report) << "{}"; }
    fs::resize_file(report, 17u << 20);
    const auto [merge, why] = Run(RunMergeCommand, {report.string()});
    EXPECT_EQ(merge, 2);
    EXPECT_NE(why.find("larger than 16 MB"), std::string::npos) << why;

    // A journal without a line end is one damaged line, held only up to the line cap.
    const fs::path journal = root_ / "journal.jsonl";
    { std::ofstream(journal) << "x"; }
    fs::resize_file(journal, 64u << 20);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(Run(RunJournalCommand, {"verify", journal.string()}).first, 3);
    EXPECT_NE(::testing::internal::GetCapturedStdout().find("1 damaged lines skipped"), std::string::npos);
}

}  // namespace
}  // namespace vortala::sim::test
