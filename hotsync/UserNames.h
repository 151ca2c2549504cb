#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// HotSync user names: 8-bit text of 1 to 249 bytes without NUL. Any other byte is allowed, so a name can
// reach the disk only in an encoded form.
namespace hotsync {

constexpr std::size_t MaxUserNameLength = 249;

// Why `name` cannot be a user name, or nothing when it can.
std::optional<std::string> UserNameProblem(std::string_view name);

// A name as one line of the users list: '%' and control bytes become %XX, so that every name fits on one
// line and the usual names stay readable.
std::string EncodeListLine(std::string_view name);
// The reverse; nothing when the line is not a valid encoded name.
std::optional<std::string> DecodeListLine(std::string_view line);

// The name of a user's install folder: letters, digits, '-', '_' and blanks stay, every other byte becomes
// %XX (so no '/', no '.', no "..", no control byte reaches the file system), and a long result is cut and
// followed by '~' and a 64-bit hash of the whole name, to stay far below the file system's name limit.
std::string FolderNameForUser(std::string_view name);

}  // namespace hotsync
