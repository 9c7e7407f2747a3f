// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/filesystem.h"

namespace ninebox {

class DiskFileSystem final : public FileSystem {
public:
    Probe probe(const std::string& path) override;
    std::unique_ptr<std::istream> openRead(const std::string& path, std::size_t limit) override;
    bool replace(const std::string& path, const std::string& content) override;
    bool replaceUnsynced(const std::string& path, const std::string& content) override;
    bool moveAside(const std::string& path, const std::string& to) override;
    std::shared_ptr<void> holdFolder(const std::string& path) override;
};

}  // namespace ninebox
