#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace hotsync::tool {

constexpr int ExitSuccess = 0;
constexpr int ExitFailure = 1;  // the command ran and failed: unknown user, bad database, I/O
constexpr int ExitUsage = 2;    // the command line itself is wrong

// Runs one command line of the `hotsync` tool (without the program name); results go to `out`, messages
// to `err`. Returns the exit status.
int RunCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

}  // namespace hotsync::tool
