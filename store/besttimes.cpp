// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/besttimes.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tw {

namespace {

// The view is of a string literal, so it ends in a NUL and can go to the system calls.
const char* const kName = kBestTimesName.data();

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes now so that a failing close (a delayed write error) can be seen.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

std::string defaultrecord() { return std::string(kDefaultRecord); }

std::string quotedrecord() {
    std::string line = "\"";
    line += kDefaultRecord;
    line += "\"\r\n";
    return line;
}

bool readfirstline(const Fd& file, std::string& line) {
    line.clear();
    std::string buffer(kBestTimesLineLimit, '\0');
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t got = ::read(file.get(), buffer.data() + filled, buffer.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        const std::string_view fresh(buffer.data() + filled, static_cast<std::size_t>(got));
        const std::size_t cr = fresh.find('\r');
        if (cr != std::string_view::npos) {
            filled += cr;
            break;
        }
        filled += fresh.size();
    }
    buffer.resize(filled);
    line = std::move(buffer);
    return true;
}

std::string readrecord(int folder, bool followlink) {
    const int nofollow = followlink ? 0 : O_NOFOLLOW;
    Fd file(::openat(folder, kName,
                     O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | nofollow));
    if (!file.valid()) return defaultrecord();
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return defaultrecord();
    std::string line;
    if (!readfirstline(file, line)) return defaultrecord();
    return line;
}

bool writeall(const Fd& file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(file.get(), bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// Moves the finished temporary file to its name unless some entry has taken that name.
bool publish(int folder, const std::string& temporary) {
    if (::renameat2(folder, temporary.c_str(), folder, kName, RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
    if (::linkat(folder, temporary.c_str(), folder, kName, 0) != 0) return false;
    ::unlinkat(folder, temporary.c_str(), 0);
    return true;
}

void createrecord(int folder) {
    const std::string record = quotedrecord();
    for (int attempt = 0; attempt < 8; ++attempt) {
        const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
        std::string temporary = ".";
        temporary.append(kBestTimesName).append(".").append(std::to_string(::getpid()));
        temporary.append(".").append(std::to_string(tick)).append(".").append(std::to_string(attempt));
        Fd file(::openat(folder, temporary.c_str(),
                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666));
        if (!file.valid() && errno == EEXIST) continue;
        if (!file.valid()) return;
        const bool written = writeall(file, record) && ::fsync(file.get()) == 0 && file.close();
        if (!written || !publish(folder, temporary)) {
            ::unlinkat(folder, temporary.c_str(), 0);
            return;
        }
        ::fsync(folder);
        return;
    }
}

}  // namespace

std::string scoreload(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return defaultrecord();
    Fd directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.valid()) return defaultrecord();

    struct stat entry {};
    if (::fstatat(directory.get(), kName, &entry, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) createrecord(directory.get());
        return defaultrecord();
    }
    if (S_ISREG(entry.st_mode)) return readrecord(directory.get(), false);
    // A link to an ordinary file is read through, for users who link their data files; it is never written.
    if (S_ISLNK(entry.st_mode)) return readrecord(directory.get(), true);
    return defaultrecord();
}

std::filesystem::path besttimesfolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && std::filesystem::path(data).is_absolute()) {
        return std::filesystem::path(data) / "tilewarden";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".local" / "share" / "tilewarden";
    }
    return ".";
}

}  // namespace tw
