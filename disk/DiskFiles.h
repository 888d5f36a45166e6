#pragma once

#include "kermit/KermitFiles.h"

namespace disk {

// The mark of a file that did not arrive whole.
inline constexpr char kPartSuffix[] = ".part";

// True when `name` carries the mark, in any case.
bool IsMarkedIncomplete(const std::filesystem::path& name);

// Files on the system's disk, named in its 8-bit text (EightBitText.h) and
// held to its name rules. A received file is written into NAME.part beside
// its target (NAME.2.part and so on when an earlier incomplete file holds
// that name), put in the target's place when it is whole (FileBeside) and
// left under its marked name when it is not, and takes the date its sender
// announced once in place. When the mark would make the name too long for
// a folder entry, the marked name is NAME cut short.
class DiskFiles : public kermit::KermitFiles {
public:
    bool Exists(const std::filesystem::path& path) override;
    std::unique_ptr<kermit::IncomingFile> Create(const std::filesystem::path& target,
                                                 std::error_code& error) override;
    std::unique_ptr<kermit::SendSource> OpenToServe(const std::filesystem::path& path) override;
    std::filesystem::path PathFromName(std::string_view name8bit) const override;
    std::string NameFromPath(const std::filesystem::path& path) const override;
    bool WindowsNameRules() const override;
    // What std::filesystem::space calls available: the room for an
    // unprivileged user.
    std::optional<std::uint64_t> FreeSpace(const std::filesystem::path& folder) override;
};

}  // namespace disk
