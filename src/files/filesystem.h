#pragma once
// What the save and load commands need of the file system, behind an interface so that
// every path of both commands runs in tests against files held in memory.

#include <istream>
#include <memory>
#include <string>

namespace ninebox {

class FileSystem {
public:
    enum class Probe { exists, missing, error };

    virtual ~FileSystem() = default;
    // Whether a file can be opened for reading at path: it exists, it does not, or the
    // name, folder or access is wrong.
    virtual Probe probe(const std::string& path) = 0;
    // A stream over the file, or null when it cannot be opened.
    virtual std::unique_ptr<std::istream> openRead(const std::string& path) = 0;
    // Replaces the file at path with content as a whole: on failure the old file, if any,
    // is left exactly as it was.
    virtual bool replace(const std::string& path, const std::string& content) = 0;
};

// The real disk. replace() writes a temporary file beside the target and renames it into
// place only once every byte is written and flushed.
class DiskFileSystem final : public FileSystem {
public:
    Probe probe(const std::string& path) override;
    std::unique_ptr<std::istream> openRead(const std::string& path) override;
    bool replace(const std::string& path, const std::string& content) override;
};

}  // namespace ninebox
