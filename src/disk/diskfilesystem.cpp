// SPDX-License-Identifier: GPL-3.0-or-later
#include "disk/diskfilesystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <sstream>

#include "disk/atomicfile.h"

namespace ninebox {

FileSystem::Probe DiskFileSystem::probe(const std::string& path) {
    switch (fileState(path)) {
        case FileState::plain: return Probe::exists;
        case FileState::missing: return Probe::missing;
        case FileState::wrong: break;
    }
    return Probe::error;
}

std::unique_ptr<std::istream> DiskFileSystem::openRead(const std::string& path, std::size_t limit) {
    auto content = readFile(path, limit);
    if (!content) return nullptr;
    return std::make_unique<std::istringstream>(std::move(*content));
}

bool DiskFileSystem::replace(const std::string& path, const std::string& content) {
    return replaceFile(path, content);
}

bool DiskFileSystem::replaceUnsynced(const std::string& path, const std::string& content) {
    return replaceFile(path, content, false);
}

bool DiskFileSystem::moveAside(const std::string& path, const std::string& to) {
    if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL) return false;
    // A file system without that kind of rename: a second name, then the first one dropped.
    return ::link(path.c_str(), to.c_str()) == 0 && ::unlink(path.c_str()) == 0;
}

std::shared_ptr<void> DiskFileSystem::holdFolder(const std::string& path) {
    auto hold = std::make_shared<FolderHold>(path);
    return hold->held() ? hold : nullptr;
}

}  // namespace ninebox
