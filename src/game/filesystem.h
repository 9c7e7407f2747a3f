// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the save and load commands and the game kept between runs need of the file system,
// behind an interface so that every path of them runs in tests against files held in memory.

#include <cstddef>
#include <istream>
#include <memory>
#include <string>

namespace ninebox {

class FileSystem {
public:
    enum class Probe { exists, missing, error };

    virtual ~FileSystem() = default;
    // Whether a plain file can be opened for reading at path: it exists, it does not, or the
    // name, folder or access is wrong (a pipe or a device is a wrong name).
    virtual Probe probe(const std::string& path) = 0;
    // A stream over the plain file at path, or null when it cannot be opened, is no plain
    // file or holds more than limit bytes; a bigger file is refused before it is read.
    virtual std::unique_ptr<std::istream> openRead(const std::string& path, std::size_t limit) = 0;
    // Replaces the file at path with content as a whole: on failure the old file, if any,
    // is left exactly as it was.
    virtual bool replace(const std::string& path, const std::string& content) = 0;
    // The same without waiting for the disk to have it, for a file rewritten at every move of
    // the player: a power cut may cost the latest copy, but a reader never sees half a file.
    virtual bool replaceUnsynced(const std::string& path, const std::string& content) = 0;
    // The file at path under the name `to` in the same folder; false, and nothing moved, where
    // a file of that name is already there.
    virtual bool moveAside(const std::string& path, const std::string& to) = 0;
    // While the returned object lives, other saves into the folder of path wait, so a game
    // file and its answers are written as a pair. Null when the folder cannot be held.
    virtual std::shared_ptr<void> holdFolder(const std::string& path) = 0;
};

}  // namespace ninebox
