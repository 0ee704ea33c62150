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

std::string quotedline() { return "\"" + std::string(tw::kDefaultRecord) + "\""; }
std::string createdbytes() { return quotedline() + "\r\n"; }

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void spit(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Permission bits do not stop root, so those faults are played by an unprivileged child.
bool dropprivileges() {
    if (::geteuid() != 0) return true;
    constexpr uid_t kNobody = 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

// A full disk: past ten bytes every write fails with EFBIG instead of killing the process.
bool limitfilesize() {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    limit.rlim_cur = 10;
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
        fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
        folder_ = root_ / "tilewarden";
    }

    // Only empty folders are left without write permission, so everything can be removed.
    void TearDown() override { fs::remove_all(root_); }

    fs::path file() const { return folder_ / tw::kBestTimesName; }

    void makefile(std::string_view bytes) {
        fs::create_directories(folder_);
        spit(file(), bytes);
    }

    fs::path root_;
    fs::path folder_;
};

TEST_F(BestTimesTest, ReadingStopsAfter64KiBOfTheFirstLine) {
    const std::size_t limit = tw::kBestTimesLineLimit;
    makefile(std::string(limit + 10, 'x'));
    constexpr off_t kHundredMegabytes = 100 * 1024 * 1024;
    ASSERT_EQ(::truncate(file().c_str(), kHundredMegabytes), 0);
    EXPECT_EQ(tw::scoreload(folder_), std::string(limit, 'x'));
    EXPECT_EQ(fs::file_size(file()), static_cast<std::uintmax_t>(kHundredMegabytes));

    makefile(std::string(limit, 'y') + "\r\n");
    EXPECT_EQ(tw::scoreload(folder_), std::string(limit, 'y'));
    makefile(std::string(limit - 1, 'z') + "\r");
    EXPECT_EQ(tw::scoreload(folder_), std::string(limit - 1, 'z'));
    // The end of the file ends a line that has no CR, an empty one too.
    makefile("\"short\"");
    EXPECT_EQ(tw::scoreload(folder_), "\"short\"");
    makefile("");
    EXPECT_EQ(tw::scoreload(folder_), "");
}

// A folder that cannot be written, one whose parent cannot be, and a record that cannot be read.
TEST_F(BestTimesTest, WhatCannotBeReadOrWrittenGivesTheDefaultAndStaysAsItWas) {
    makefile("\"kept\"\r\n");
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
    EXPECT_EQ(entries(folder_), std::vector<std::string>{"minebs.txt"});
}

// A first start on a full disk leaves nothing; the next one creates the record, later ones read it back.
TEST_F(BestTimesTest, FirstStartCreatesTheQuotedRecordOrNothingAtAll) {
    EXPECT_EQ(childloadsdefault(folder_, limitfilesize), true);
    EXPECT_TRUE(entries(folder_).empty());

    EXPECT_EQ(tw::scoreload(folder_), tw::kDefaultRecord);
    EXPECT_EQ(slurp(file()), createdbytes());
    EXPECT_EQ(entries(folder_), std::vector<std::string>{"minebs.txt"});
    for (int start = 0; start < 2; ++start) EXPECT_EQ(tw::scoreload(folder_), quotedline());
    EXPECT_EQ(slurp(file()), createdbytes());
}

// A file as the folder's parent, then a folder, a pipe, a dangling link and links to a folder and a pipe as the file.
TEST_F(BestTimesTest, EntriesThatAreNotOrdinaryFilesAreLeftAlone) {
    spit(root_ / "plain", "not a folder");
    EXPECT_EQ(tw::scoreload(root_ / "plain" / "tilewarden"), tw::kDefaultRecord);
    EXPECT_EQ(slurp(root_ / "plain"), "not a folder");
    fs::create_directories(file());
    EXPECT_EQ(tw::scoreload(folder_), tw::kDefaultRecord);
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(file())));
    fs::remove_all(file());
    ASSERT_EQ(::mkfifo(file().c_str(), 0644), 0);
    EXPECT_EQ(tw::scoreload(folder_), tw::kDefaultRecord);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(file())));
    fs::rename(file(), root_ / "pipe");
    for (const fs::path& target : {root_ / "missing.txt", root_, root_ / "pipe"}) {
        fs::create_symlink(target, file());
        EXPECT_EQ(tw::scoreload(folder_), tw::kDefaultRecord);
        EXPECT_EQ(fs::read_symlink(file()), target);
        fs::remove(file());
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(root_ / "missing.txt")));
    EXPECT_TRUE(entries(folder_).empty());
}

TEST_F(BestTimesTest, SymbolicLinkIsReadThroughButNeverWrittenOrReplaced) {
    fs::create_directories(folder_);
    const fs::path target = root_ / "elsewhere.txt";
    spit(target, "\"linked\"\r\nrest");
    fs::create_symlink(target, file());
    EXPECT_EQ(tw::scoreload(folder_), "\"linked\"");
    EXPECT_EQ(slurp(target), "\"linked\"\r\nrest");
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_EQ(fs::read_symlink(file()), target);
}

// Sets or, for none, unsets an environment variable; gives back what it held.
std::optional<std::string> setenvironment(const char* name, const char* value) {
    const char* was = std::getenv(name);
    std::optional<std::string> old = was != nullptr ? std::optional<std::string>(was) : std::nullopt;
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    return old;
}

TEST(BestTimesFolderTest, FollowsTheDataHomeThenHomeThenTheCurrentFolder) {
    const auto data = setenvironment("XDG_DATA_HOME", nullptr);
    const auto home = setenvironment("HOME", nullptr);
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
    setenvironment("XDG_DATA_HOME", data ? data->c_str() : nullptr);
    setenvironment("HOME", home ? home->c_str() : nullptr);
}

}  // namespace
