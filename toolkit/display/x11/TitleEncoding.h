#pragma once

#include <string>
#include <string_view>

namespace tk::x11 {

// Our titles are Windows-1252; X wants UTF-8 (_NET_WM_NAME) and Latin-1 (WM_NAME).

std::string Windows1252ToUtf8(std::string_view text);

// The bytes Latin-1 has no printable character for become '?'.
std::string Windows1252ToLatin1(std::string_view text);

}  // namespace tk::x11
