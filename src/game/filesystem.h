// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An interface, so that tests run every path of saving and loading against files in memory.

#include <cstddef>
#include <istream>
#include <memory>
#include <string>

namespace ninebox {

class FileSystem {
public:
    enum class Probe { exists, missing, error };

    virtual ~FileSystem() = default;
    virtual Probe probe(const std::string& path) = 0;  // error: a wrong name, folder or access (a pipe too)
    // Null for no plain file, or one over limit bytes (refused unread).
    virtual std::unique_ptr<std::istream> openRead(const std::string& path, std::size_t limit) = 0;
    // As a whole: on failure the old file stays as it was. Unsynced, for a file rewritten at
    // every move, it does not wait for the disk: a power cut may cost it.
    virtual bool replace(const std::string& path, const std::string& content) = 0;
    virtual bool replaceUnsynced(const std::string& path, const std::string& content) = 0;
    // Renamed within its folder; false, nothing moved, where `to` exists.
    virtual bool moveAside(const std::string& path, const std::string& to) = 0;
    // While it lives, other saves into path's folder wait; null when the folder cannot be held.
    virtual std::shared_ptr<void> holdFolder(const std::string& path) = 0;
};

}  // namespace ninebox
