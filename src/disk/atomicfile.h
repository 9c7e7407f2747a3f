// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files as wholes: a file is replaced only by a complete new one, and read only when it is a
// plain file of bounded size. Every program file (games, answers, settings, printed PDFs)
// goes through these, so none is ever left half written or written through a link.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ninebox {

enum class FileState { plain, missing, wrong };

// Whether a plain file can be opened for reading at path: it can, there is none in an
// existing folder, or the name, folder or access is wrong (a pipe or a device is a wrong
// name). The file is opened without waiting and checked once open.
FileState fileState(const std::string& path);

// The content of the plain file at path, or none when it cannot be opened, is no plain file
// or holds more than limit bytes; a bigger file is refused before it is read.
std::optional<std::string> readFile(const std::string& path, std::size_t limit);

// Puts content at path as a whole: an unnamed temporary file in the same folder (a named one,
// ".ninebox-" and six letters or digits, where the file system has none) is written, synced
// and only then given the name, replacing whatever had it (a link itself, never the file it
// points to); the folder is synced after. An existing plain file's mode is kept; a new file
// gets the usual mode less the umask. On failure the old file stays exactly as it was. A
// running replacement holds a lock on its temporary file, so one left by a killed program is
// removed by the next replacement in that folder. Not synced, the same happens without either
// sync: quicker, and still whole for every reader, but a power cut may cost the new content.
bool replaceFile(const std::string& path, std::string_view content, bool synced = true);

// Makes folder and every missing folder above it, each readable by its owner alone (as the
// XDG rule asks of state folders); true when the folder is there.
bool makePrivateFolder(const std::string& folder);

// While an object lives, other holders of the same folder wait (up to a few seconds, then
// they go on without it): two saves of a game and its answers run one after the other.
class FolderHold {
public:
    explicit FolderHold(const std::string& path);  // the folder of the file at path
    ~FolderHold();
    FolderHold(const FolderHold&) = delete;
    FolderHold& operator=(const FolderHold&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace ninebox
