// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every program file goes through these, so none is ever left half written or written through
// a link, and none is read unless it is a plain file of bounded size.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ninebox {

enum class FileState { plain, missing, wrong };

// missing: none in an existing folder; wrong: the name, folder or access (a pipe or device too).
FileState fileState(const std::string& path);

// None for no plain file, or one over limit bytes (refused unread).
std::optional<std::string> readFile(const std::string& path, std::size_t limit);

// An unnamed temporary file in the same folder (else ".ninebox-" and six characters) is written,
// synced, then put in path's place (a link itself, never its target), and the folder synced; the
// old mode is kept, a new file gets 0666 less the umask. On failure the old file stays as it
// was. A temporary file a killed program left (unlocked) goes at the next replacement there.
// Unsynced is quicker and still whole to readers, but a power cut may cost the new content.
bool replaceFile(const std::string& path, std::string_view content, bool synced = true);

// With every missing folder above it, each private to its owner (as XDG asks of state folders).
bool makePrivateFolder(const std::string& folder);

// While one lives, other holders of the folder wait (a few seconds at most), so that a
// game and its answers are saved as a pair.
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
