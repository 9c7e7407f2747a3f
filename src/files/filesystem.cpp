#include "files/filesystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <vector>

namespace ninebox {

FileSystem::Probe DiskFileSystem::probe(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) return Probe::error;
        // Only a file missing from an existing folder is "missing"; a missing folder is a
        // wrong name.
        const std::size_t slash = path.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
        struct stat above {};
        return ::stat(folder.c_str(), &above) == 0 && S_ISDIR(above.st_mode) ? Probe::missing : Probe::error;
    }
    // Only a plain file holds a game: opening a pipe would wait for a writer, and replacing
    // a device (as root) would swap it for a file.
    if (!S_ISREG(info.st_mode)) return Probe::error;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Probe::error;
    ::close(fd);
    return Probe::exists;
}

std::unique_ptr<std::istream> DiskFileSystem::openRead(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
    auto in = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*in) return nullptr;
    return in;
}

namespace {

bool writeAll(int fd, const std::string& content) {
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

// New files get the usual rw-rw-rw- less the umask; a replaced file keeps its own mode.
mode_t modeFor(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool DiskFileSystem::replace(const std::string& path, const std::string& content) {
    std::vector<char> temp(path.begin(), path.end());
    for (const char c : std::string(".XXXXXX")) temp.push_back(c);
    temp.push_back('\0');
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = writeAll(fd, content) && ::fchmod(fd, modeFor(path)) == 0 && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (written && closed && ::rename(temp.data(), path.c_str()) == 0) return true;
    ::unlink(temp.data());
    return false;
}

}  // namespace ninebox
