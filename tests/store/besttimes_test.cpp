// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/besttimes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void spit(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

Names entries(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Permission bits do not stop root, so those faults are played by an unprivileged child.
bool dropprivileges() {
    constexpr uid_t kNobody = 65534;
    return ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
}

// A full disk: past ten bytes every write fails with EFBIG instead of killing the process.
bool limitfilesize() {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{10, RLIM_INFINITY};
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// Whether scoreload, run in a child after `prepare`, gives the default record; a dropped user id
// or a file size limit stays out of the test process. Empty when the child could not prepare.
std::optional<bool> childloadsdefault(const fs::path& folder, bool (*prepare)()) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(!prepare() ? 77 : tw::scoreload(folder) == tw::kDefaultRecord ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) return std::nullopt;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class BestTimesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = ::testing::TempDir() + "besttimes-XXXXXX";
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        root_ = name;
        fs::permissions(root_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
        fs::create_directories(folder_ = root_ / "tilewarden");
    }
    // Only empty folders are left without write permission, so everything can be removed.
    void TearDown() override { fs::remove_all(root_); }

    fs::path file() const { return folder_ / tw::kBestTimesName; }

    fs::path root_;
    fs::path folder_;
};

// The first line ends at the first CR, the end of the file or 64 KiB, whatever comes first; the
// reading stops there, and the file stays as it was.
TEST_F(BestTimesTest, ReadsTheFirstLineUpTo64KiBAndLeavesTheFileAlone) {
    const std::size_t limit = tw::kBestTimesLineLimit;
    const std::pair<std::string, std::string> files[] = {
        {std::string(limit + 10, 'x'), std::string(limit, 'x')},
        {std::string(limit, 'y') + "\r\n", std::string(limit, 'y')},
        {std::string(limit - 1, 'z') + "\r", std::string(limit - 1, 'z')},
        {"\"a\nb\"\r\nc\rd", "\"a\nb\""}, {"\"short\"", "\"short\""}, {"", ""}};
    for (const auto& [bytes, line] : files) {
        spit(file(), bytes);
        EXPECT_EQ(tw::scoreload(folder_), line);
        EXPECT_EQ(slurp(file()), bytes);
    }
    constexpr off_t kHundredMegabytes = 100 * 1024 * 1024;
    ASSERT_EQ(::truncate(file().c_str(), kHundredMegabytes), 0);
    EXPECT_EQ(tw::scoreload(folder_), std::string(limit, '\0'));
    EXPECT_EQ(fs::file_size(file()), static_cast<std::uintmax_t>(kHundredMegabytes));
    EXPECT_EQ(entries(folder_), Names{"minebs.txt"});
}

// A folder that cannot be written, one whose parent cannot be, and a record that cannot be read.
TEST_F(BestTimesTest, WhatCannotBeReadOrWrittenGivesTheDefaultAndStaysAsItWas) {
    spit(file(), "\"kept\"\r\n");
    fs::permissions(folder_, fs::perms::all);
    fs::permissions(file(), fs::perms::none);
    const fs::path locked = root_ / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    for (const fs::path& folder : {folder_, locked, locked / "tilewarden"}) {
        const auto loaded = childloadsdefault(folder, dropprivileges);
        if (!loaded) GTEST_SKIP() << "cannot run as an unprivileged user";
        EXPECT_TRUE(*loaded) << folder;
    }
    EXPECT_TRUE(entries(locked).empty());
    EXPECT_EQ(fs::status(file()).permissions(), fs::perms::none);
    fs::permissions(file(), fs::perms::owner_read);
    EXPECT_EQ(slurp(file()), "\"kept\"\r\n");
    EXPECT_EQ(entries(folder_), Names{"minebs.txt"});
}

// A first start on a full disk leaves nothing; the next one creates the record, later ones read it back.
TEST_F(BestTimesTest, FirstStartCreatesTheQuotedRecordOrNothingAtAll) {
    fs::remove(folder_);
    EXPECT_EQ(childloadsdefault(folder_, limitfilesize), true);
    EXPECT_TRUE(entries(folder_).empty());
    const std::string quoted = std::string("\"").append(tw::kDefaultRecord).append("\"");
    for (const std::string_view loaded : {tw::kDefaultRecord, std::string_view(quoted), std::string_view(quoted)}) {
        EXPECT_EQ(tw::scoreload(folder_), loaded);
        EXPECT_EQ(slurp(file()), quoted + "\r\n");
        EXPECT_EQ(entries(folder_), Names{"minebs.txt"});
    }
}

// A file as the folder's parent, a folder or a pipe as the file, and links to nothing, to a folder,
// to a pipe and to a record elsewhere: only the last is read, and nothing is written or replaced.
TEST_F(BestTimesTest, EntriesThatAreNotOrdinaryFilesAreLeftAlone) {
    spit(root_ / "plain", "not a folder");
    EXPECT_EQ(tw::scoreload(root_ / "plain" / "tilewarden"), tw::kDefaultRecord);
    EXPECT_EQ(slurp(root_ / "plain"), "not a folder");
    fs::create_directories(file());
    EXPECT_EQ(tw::scoreload(folder_), tw::kDefaultRecord);
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(file())));
    fs::remove(file());
    ASSERT_EQ(::mkfifo(file().c_str(), 0644), 0);
    EXPECT_EQ(tw::scoreload(folder_), tw::kDefaultRecord);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(file())));
    fs::rename(file(), root_ / "pipe");
    spit(root_ / "elsewhere.txt", "\"linked\"\r\nrest");
    const std::pair<fs::path, std::string_view> links[] = {{root_ / "missing.txt", tw::kDefaultRecord},
        {root_, tw::kDefaultRecord}, {root_ / "pipe", tw::kDefaultRecord}, {root_ / "elsewhere.txt", "\"linked\""}};
    for (const auto& [target, loaded] : links) {
        fs::create_symlink(target, file());
        EXPECT_EQ(tw::scoreload(folder_), loaded) << target;
        EXPECT_EQ(fs::read_symlink(file()), target);
        fs::remove(file());
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(root_ / "missing.txt")));
    EXPECT_EQ(slurp(root_ / "elsewhere.txt"), "\"linked\"\r\nrest");
    EXPECT_TRUE(entries(folder_).empty());
}

// Sets or, for none, unsets an environment variable.
void setenvironment(const char* name, const char* value) { value ? ::setenv(name, value, 1) : ::unsetenv(name); }

TEST(BestTimesFolderTest, FollowsTheDataHomeThenHomeThenTheCurrentFolder) {
    const std::string player = "/home/player/.local/share/tilewarden";
    // XDG_DATA_HOME, HOME (nullptr: unset) and the folder they give.
    const std::vector<std::tuple<const char*, const char*, fs::path>> cases = {
        {"/data", "/home/player", "/data/tilewarden"}, {"/data", nullptr, "/data/tilewarden"},
        {"relative/data", "/home/player", player},     {"", "/home/player", player},
        {nullptr, "/home/player", player},             {nullptr, nullptr, "."},
        {"relative/data", "", "."}};
    for (const auto& [datahome, homefolder, folder] : cases) {
        SCOPED_TRACE(std::string(datahome ? datahome : "(unset)") + " " + (homefolder ? homefolder : "(unset)"));
        setenvironment("XDG_DATA_HOME", datahome);
        setenvironment("HOME", homefolder);
        EXPECT_EQ(tw::besttimesfolder(), folder);
    }
}

}  // namespace
