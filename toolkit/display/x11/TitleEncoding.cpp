#include "toolkit/display/x11/TitleEncoding.h"

#include "toolkit/gfx/Windows1252.h"

namespace tk::x11 {

std::string Windows1252ToUtf8(std::string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const char32_t code = Windows1252CodePoint(static_cast<unsigned char>(c));
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0U | (code >> 6U));
            utf8 += static_cast<char>(0x80U | (code & 0x3FU));
        } else {
            utf8 += static_cast<char>(0xE0U | (code >> 12U));
            utf8 += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
            utf8 += static_cast<char>(0x80U | (code & 0x3FU));
        }
    }
    return utf8;
}

// Windows-1252 and Latin-1 agree except on 0x80..0x9F, which Latin-1 leaves to control codes.
std::string Windows1252ToLatin1(std::string_view text)
{
    std::string latin1(text);
    for (char& c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0) {
            c = '?';
        }
    }
    return latin1;
}

}  // namespace tk::x11
