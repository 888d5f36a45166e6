#pragma once

#include "kermit/KermitFiles.h"

namespace kermit {

// Files on disk, with the standard library only. A received file is written
// into NAME.part beside its target (NAME.2.part and so on when an earlier
// incomplete file holds that name), renamed over the target when it is whole
// and left under its marked name when it is not. When the mark would make
// the name too long for a folder entry, the marked name is NAME cut short.
class DiskFiles : public KermitFiles {
public:
    bool Exists(const std::filesystem::path& path) override;
    std::unique_ptr<IncomingFile> Create(const std::filesystem::path& target,
                                         std::error_code& error) override;
    bool ReadToServe(const std::filesystem::path& path,
                     std::vector<std::uint8_t>& content) override;
};

}  // namespace kermit
