#pragma once
// Files held in memory, for the save and load commands in tests.

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "files/filesystem.h"

namespace ninebox::testing {

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> unwritable;  // replace() fails for these paths
    std::set<std::string> broken;      // probe() reports an error (a bad name or folder)

    Probe probe(const std::string& path) override {
        if (broken.count(path)) return Probe::error;
        return files.count(path) ? Probe::exists : Probe::missing;
    }
    std::unique_ptr<std::istream> openRead(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end()) return nullptr;
        return std::make_unique<std::istringstream>(found->second);
    }
    bool replace(const std::string& path, const std::string& content) override {
        if (unwritable.count(path) || broken.count(path)) return false;
        files[path] = content;
        return true;
    }
};

}  // namespace ninebox::testing
