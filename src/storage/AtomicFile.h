#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one way the program writes a file: a temporary file in the same folder is written,
// flushed to disk and renamed over the old file, so a failed save leaves the old file whole.
// Throws std::runtime_error naming the file and the reason.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

bool FileExists(const std::string& path);
