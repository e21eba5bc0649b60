// Appending the report: one whole line per call, dropped silently whenever
// the log cannot be had.
#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "child_process.h"
#include "frame/append_error_log.h"
#include "scratch_dir.h"

namespace dur::test {
namespace {

ErrorReport report_of(const char* text)
{
    ErrorReport report;
    report.length = std::strlen(text);
    report.flagged = true;
    std::memcpy(report.text, text, report.length + 1);
    return report;
}

class ErrorLog : public ::testing::TestWithParam<LogSharing> {
protected:
    ScratchDir scratch;
};

TEST_P(ErrorLog, AppendsOneLinePerCallAndKeepsEarlierLines)
{
    append_error_log("err_x.txt", report_of("1. first, "), GetParam());
    append_error_log("err_x.txt", report_of("2. second, "), GetParam());
    EXPECT_EQ(read_file("err_x.txt"), "1. first, \n2. second, \n");
}

TEST_P(ErrorLog, MissingDirectoryDropsTheReport)
{
    append_error_log("no-such-dir/err_x.txt", report_of("1. x, "), GetParam());
    EXPECT_EQ(scratch.entry_count(), 0u);
}

TEST_P(ErrorLog, DirectoryInPlaceOfTheLogDropsTheReport)
{
    std::filesystem::create_directory("err_x.txt");
    append_error_log("err_x.txt", report_of("1. x, "), GetParam());
    EXPECT_TRUE(std::filesystem::is_directory("err_x.txt"));
    EXPECT_TRUE(std::filesystem::is_empty("err_x.txt"));
    EXPECT_EQ(scratch.entry_count(), 1u);
}

TEST_P(ErrorLog, UnwritableDirectoryDropsTheReport)
{
    std::filesystem::permissions(scratch.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec |
                                                     std::filesystem::perms::others_read |
                                                     std::filesystem::perms::others_exec);
    const LogSharing sharing = GetParam();
    const int status = run_in_child([sharing] {
        append_error_log("err_x.txt", report_of("1. x, "), sharing);
        return 0;
    }, true);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(scratch.entry_count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(BothSharingModes, ErrorLog, ::testing::Values(LogSharing::exclusive, LogSharing::shared));

// Another program holds the log exclusively for a moment: the writer waits
// and its line still arrives.
TEST(ErrorLogWait, ExclusiveWriterWaitsForABriefHolder)
{
    ScratchDir scratch;
    const int holder = open("err_x.txt", O_WRONLY | O_CREAT, 0666);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX), 0);
    std::thread release([holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        close(holder);
    });
    append_error_log("err_x.txt", report_of("1. waited, "), LogSharing::exclusive);
    release.join();
    EXPECT_EQ(read_file("err_x.txt"), "1. waited, \n");
}

// A holder that never lets go: after about a second the report is dropped
// and the call returns.
TEST(ErrorLogWait, HolderPastTheBoundDropsTheReport)
{
    ScratchDir scratch;
    const int holder = open("err_x.txt", O_WRONLY | O_CREAT, 0666);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX), 0);
    for (const LogSharing sharing : {LogSharing::exclusive, LogSharing::shared})
        append_error_log("err_x.txt", report_of("1. dropped, "), sharing);
    close(holder);
    EXPECT_EQ(read_file("err_x.txt"), "");
}

}  // namespace
}  // namespace dur::test
