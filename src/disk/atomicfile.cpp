// SPDX-License-Identifier: GPL-3.0-or-later
#include "disk/atomicfile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <random>
#include <thread>
#include <vector>

namespace ninebox {

namespace {

// Never waits (a pipe opens at once) nor takes a terminal; the descriptor is checked after.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// A pipe would wait for a writer, and replacing a device (as root) would swap it for a file.
bool plainFile(int fd, struct stat& info) { return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode); }

bool readUpTo(int fd, std::size_t max, std::string& out) {
    char buffer[16384];
    while (out.size() < max) {
        const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, max - out.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        out.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

struct Place {
    std::string folder, name;
};

Place placeOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

}  // namespace

FileState fileState(const std::string& path) {
    const int fd = ::open(path.c_str(), kReadFlags);
    if (fd < 0) {
        if (errno != ENOENT) return FileState::wrong;
        // A missing folder, or a link leading nowhere, is a wrong name.
        struct stat above {
        }, itself{};
        return ::stat(placeOf(path).folder.c_str(), &above) == 0 && S_ISDIR(above.st_mode) &&
                       ::lstat(path.c_str(), &itself) != 0
                   ? FileState::missing
                   : FileState::wrong;
    }
    struct stat info {};
    const bool plain = plainFile(fd, info);
    ::close(fd);
    return plain ? FileState::plain : FileState::wrong;
}

std::optional<std::string> readFile(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), kReadFlags);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::string content;
    // The size is checked again while reading: a file may grow after fstat, or report none.
    const std::size_t max = std::min(limit, SIZE_MAX - 1) + 1;
    const bool whole = plainFile(fd, info) && static_cast<std::uintmax_t>(info.st_size) <= limit &&
                       readUpTo(fd, max, content) && content.size() <= limit;
    ::close(fd);
    if (!whole) return std::nullopt;
    return content;
}

namespace {

bool writeAll(int fd, std::string_view content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Some file systems have no locks; there the age of a left file decides (abandoned below).
bool lockedOrNoLocks(int fd) {
    while (::flock(fd, LOCK_EX) != 0)
        if (errno != EINTR) return errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL;
    return true;
}

constexpr char kTempPrefix[] = ".ninebox-";
constexpr std::size_t kTempPrefixLength = sizeof kTempPrefix - 1, kTempLetters = 6;
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string tempName() {
    thread_local std::mt19937 random{std::random_device{}()};
    std::string name = kTempPrefix;
    for (std::size_t i = 0; i < kTempLetters; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

bool isTempName(const char* name) {
    if (std::strlen(name) != kTempPrefixLength + kTempLetters ||
        std::strncmp(name, kTempPrefix, kTempPrefixLength) != 0)
        return false;
    return std::all_of(name + kTempPrefixLength, name + kTempPrefixLength + kTempLetters,
                       [](char c) { return c != '\0' && std::strchr(kLetters, c) != nullptr; });
}

// A replacement locks its temporary file from before it is named until it is in place; without
// locks, only a file untouched for an hour counts as left.
bool abandoned(int fd, const struct stat& info) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    return errno != EWOULDBLOCK && errno != EINTR && std::time(nullptr) - info.st_mtime > 3600;
}

void removeAbandoned(int dir) {
    const int listed = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* const listing = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!listing) {
        if (listed >= 0) ::close(listed);
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(listing))
        if (isTempName(entry->d_name)) names.emplace_back(entry->d_name);
    ::closedir(listing);
    for (const std::string& name : names) {
        const int fd = ::openat(dir, name.c_str(), kReadFlags | O_NOFOLLOW);
        if (fd < 0) continue;
        struct stat info {};
        struct stat named {};
        // Still the same file, lock held: another program may have put its own there meanwhile.
        if (plainFile(fd, info) && info.st_uid == ::geteuid() && abandoned(fd, info) &&
            ::fstatat(dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == info.st_dev &&
            named.st_ino == info.st_ino)
            ::unlinkat(dir, name.c_str(), 0);
        ::close(fd);
    }
}

// Gives the unnamed file fd the name in dir; errno tells why not.
bool linkUnnamed(int fd, int dir, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), dir, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno != ENOENT) return false;
    return ::linkat(fd, "", dir, name.c_str(), AT_EMPTY_PATH) == 0;  // no /proc: needs a privilege
}

// The unnamed file fd under a fresh temporary name in dir, or "".
std::string linkUnnamedTemp(int fd, int dir) {
    for (int tries = 0; tries < 100; ++tries) {
        std::string temp = tempName();
        if (linkUnnamed(fd, dir, temp)) return temp;
        if (errno != EEXIST) break;
    }
    return {};
}

constexpr mode_t kNewFileMode = 0666;  // less the umask, which the kernel takes off

// Locked, its name in temp, for a file system with no unnamed files; -1 on failure.
int createNamedTemp(int dir, std::string& temp) {
    for (int tries = 0; tries < 100; ++tries) {
        temp = tempName();
        const int fd =
            ::openat(dir, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) break;
        if (!lockedOrNoLocks(fd)) {
            ::close(fd);
            ::unlinkat(dir, temp.c_str(), 0);
            break;
        }
        // Between its creation and the lock, another program may have taken it for a left one.
        struct stat info {};
        if (::fstat(fd, &info) == 0 && info.st_nlink > 0) return fd;
        ::close(fd);
    }
    temp.clear();
    return -1;
}

bool keptMode(int dir, const std::string& name, mode_t& mode) {  // a plain file's, not a link's
    struct stat info {};
    if (::fstatat(dir, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) return false;
    mode = info.st_mode & 07777;
    return true;
}

// Once reported done, the new name must survive a power cut; some file systems cannot sync a folder.
bool syncFolder(int dir) {
    if (::fsync(dir) == 0) return true;
    return errno == EINVAL || errno == EROFS || errno == EBADF;
}

bool replaceIn(int dir, const std::string& name, std::string_view content, bool synced) {
    mode_t mode = 0;
    const bool keepMode = keptMode(dir, name, mode);
    std::string temp;  // the temporary file's name, once it has one
    int fd = ::openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
    if (fd >= 0 && !lockedOrNoLocks(fd)) {  // before it has a name
        ::close(fd);
        return false;
    }
    if (fd < 0) fd = createNamedTemp(dir, temp);
    if (fd < 0) return false;
    bool done =
        (!keepMode || ::fchmod(fd, mode) == 0) && writeAll(fd, content) && (!synced || ::fsync(fd) == 0);
    if (done && temp.empty()) {
        // An unnamed file takes a new name at once; an existing file can only be replaced by
        // a rename, so the unnamed file goes under a temporary name first.
        if (linkUnnamed(fd, dir, name)) {
            ::close(fd);
            return !synced || syncFolder(dir);
        }
        done = errno == EEXIST && !(temp = linkUnnamedTemp(fd, dir)).empty();
    }
    if (done) done = ::renameat(dir, temp.c_str(), dir, name.c_str()) == 0;
    if (!done && !temp.empty()) ::unlinkat(dir, temp.c_str(), 0);
    ::close(fd);
    return done && (!synced || syncFolder(dir));
}

// A folder to list, sync and lock; one that may be entered but not read can still be written.
int openFolder(const std::string& folder) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0 || errno != EACCES) return dir;
    return ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

bool replaceFile(const std::string& path, std::string_view content, bool synced) {
    const Place place = placeOf(path);
    if (place.name.empty()) return false;
    const int dir = openFolder(place.folder);
    if (dir < 0) return false;
    removeAbandoned(dir);
    const bool done = replaceIn(dir, place.name, content, synced);
    ::close(dir);
    return done;
}

FolderHold::FolderHold(const std::string& path) {
    const int dir = openFolder(placeOf(path).folder);
    if (dir < 0) return;
    // A program that never lets go must not stall the window for good.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (::flock(dir, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > until) {
            ::close(dir);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    fd_ = dir;
}

FolderHold::~FolderHold() {
    if (fd_ >= 0) ::close(fd_);  // closing lets go of the lock
}

bool makePrivateFolder(const std::string& folder) {
    // Folders already there stay as they are; whether the last one is there decides.
    for (std::size_t at = 0; at != std::string::npos; at = folder.find('/', at + 1))
        ::mkdir(folder.substr(0, folder.find('/', at + 1)).c_str(), 0700);
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace ninebox
