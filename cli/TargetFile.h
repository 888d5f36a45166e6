#pragma once

#include <filesystem>

// What is at the path of `capture --out`, as the system tells it: one file
// per platform.
enum class TargetKind { Missing, Regular, Folder, Other };
TargetKind KindOf(const std::filesystem::path& path);
