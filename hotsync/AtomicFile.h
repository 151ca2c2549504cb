#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace hotsync {

// The one system call through which file contents are written. Production code passes SystemWrite; fault
// tests pass a function that fails or stalls, to show what a full disk or a crash leaves behind.
using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;
ssize_t SystemWrite(int fd, const void* data, std::size_t size);

enum class ExistingFile { Keep, Replace };
enum class WriteOutcome { Written, TargetExists };

// Writes `bytes` to `folder/name` so that the name never shows a partial file: the bytes go to a
// temporary file in the same folder, which is flushed to disk, renamed to `name`, and the folder flushed
// after it. With ExistingFile::Keep an existing `name` is left alone and TargetExists returned. Throws
// std::system_error on failure, after removing the temporary.
WriteOutcome WriteFileAtomically(const std::filesystem::path& folder, std::string_view name,
                                 std::span<const std::uint8_t> bytes, ExistingFile existing,
                                 const WriteFunction& write = SystemWrite);

// The name prefix of the temporaries made for `name`; the prefix starts with a dot, so listings that skip
// hidden files never show them.
std::string TemporaryPrefix(std::string_view name);

// Removes the temporaries for `name` that a writer killed in the middle of a copy left behind. Only safe
// while holding the lock that every writer to the folder takes.
void RemoveStaleTemporaries(const std::filesystem::path& folder, std::string_view name);

}  // namespace hotsync
