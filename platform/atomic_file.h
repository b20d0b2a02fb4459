// Safe file writing: every file the programs write goes through here. The bytes are written to
// a temporary file in the target's folder, flushed and checked, and only then renamed over the
// target; on any failure the old file is untouched and the temporary file removed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Writes `bytes` to `path` (Windows-1252 path). On failure returns false and sets `error` to a
// readable reason; the old file is then unchanged. A replaced file keeps its permission bits,
// a new one gets 0666 less the umask; a symbolic link is written through (the link stays), also
// when the file it names does not exist yet (that file is then created). Temporary files that
// earlier saves of the same target left behind when their process died are removed.
// A file whose permission bits forbid writing (no write bit at all, or none for this user) is
// write-protected: the save fails and the file stays as it is. errno tells why a save failed.
bool WriteFileAtomic(std::string_view path, std::string_view bytes, std::string* error = nullptr);
// The same for a path that is already the file system's bytes (UTF-8), passed on unchanged.
bool WriteNativeFileAtomic(std::string_view path, std::string_view bytes,
                           std::string* error = nullptr);

// An existing regular file that the user may not write (see WriteFileAtomic).
bool FileWriteProtected(std::string_view path);

// The most that a reader takes unless it names its own limit.
inline constexpr std::size_t kDefaultReadLimit = std::size_t{256} << 20;

// Reads a whole regular file; nullopt when it is missing, not a regular file, cannot be read or
// is larger than `limit` bytes (then *tooLarge is set; the size is looked at before anything is
// read). Never creates, truncates or changes a file.
std::optional<std::string> ReadFileBytes(std::string_view path,
                                         std::size_t limit = kDefaultReadLimit,
                                         bool* tooLarge = nullptr);
// The same for a path that is already the file system's bytes.
std::optional<std::string> ReadNativeFileBytes(std::string_view path,
                                               std::size_t limit = kDefaultReadLimit,
                                               bool* tooLarge = nullptr);
// The first `count` bytes of a regular file (fewer when it is shorter), and its size.
std::optional<std::string> ReadFileHead(std::string_view path, std::size_t count,
                                        uint64_t* fileSize = nullptr);
// The same for a path that is already the file system's bytes.
std::optional<std::string> ReadNativeFileHead(std::string_view path, std::size_t count,
                                              uint64_t* fileSize = nullptr);
