#pragma once

#include "toolkit/CString.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace tk {

using FormatArgument = std::variant<std::string, std::int32_t>;

// Fills a message template with numbered inserts: "%1" to "%99", each optionally followed by a printf
// conversion between exclamation marks ("%1!s!", "%2!d!"); "%%" is one percent sign. Throws
// std::invalid_argument naming the insert when it has no argument or a conversion that does not fit it.
CString FormatMessageText(std::string_view messageTemplate, std::span<const FormatArgument> arguments);

}  // namespace tk
