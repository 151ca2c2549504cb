#include "hotsync/UserNames.h"

#include <cstdint>

namespace hotsync {

namespace {

constexpr std::size_t MaxFolderNameLength = 120;
constexpr std::size_t KeptFolderNamePrefix = 100;
constexpr char HexDigits[] = "0123456789ABCDEF";

void AppendEscaped(std::string& out, unsigned char byte)
{
    out += '%';
    out += HexDigits[byte >> 4];
    out += HexDigits[byte & 0x0f];
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool IsControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7f;
}

bool StaysInFolderName(unsigned char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
           byte == '-' || byte == '_' || byte == ' ';
}

// FNV-1a: stable across builds and machines, which the folder names on disk need.
std::uint64_t StableHash(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (unsigned char byte : text) {
        hash = (hash ^ byte) * 0x100000001b3u;
    }
    return hash;
}

}  // namespace

std::optional<std::string> UserNameProblem(std::string_view name)
{
    if (name.empty()) {
        return "a user name must not be empty";
    }
    if (name.size() > MaxUserNameLength) {
        return "a user name must not be longer than " + std::to_string(MaxUserNameLength) + " bytes";
    }
    if (name.find('\0') != std::string_view::npos) {
        return "a user name must not contain a NUL byte";
    }
    return std::nullopt;
}

std::string EncodeListLine(std::string_view name)
{
    std::string line;
    line.reserve(name.size());
    for (unsigned char byte : name) {
        if (byte == '%' || IsControl(byte)) {
            AppendEscaped(line, byte);
        } else {
            line += static_cast<char>(byte);
        }
    }
    return line;
}

std::optional<std::string> DecodeListLine(std::string_view line)
{
    std::string name;
    name.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '%') {
            name += line[i];
            continue;
        }
        if (i + 2 >= line.size()) {
            return std::nullopt;
        }
        const int high = HexValue(line[i + 1]);
        const int low = HexValue(line[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        name += static_cast<char>(high << 4 | low);
        i += 2;
    }
    if (UserNameProblem(name)) {
        return std::nullopt;
    }
    return name;
}

std::string FolderNameForUser(std::string_view name)
{
    std::string folder;
    for (unsigned char byte : name) {
        if (StaysInFolderName(byte)) {
            folder += static_cast<char>(byte);
        } else {
            AppendEscaped(folder, byte);
        }
    }
    if (folder.size() <= MaxFolderNameLength) {
        return folder;
    }
    std::size_t cut = KeptFolderNamePrefix;
    // Never split a %XX triple.
    while (cut > 0 && (folder[cut - 1] == '%' || (cut >= 2 && folder[cut - 2] == '%'))) {
        --cut;
    }
    folder.resize(cut);
    folder += '~';
    const std::uint64_t hash = StableHash(name);
    for (int shift = 60; shift >= 0; shift -= 4) {
        folder += HexDigits[(hash >> shift) & 0x0f];
    }
    return folder;
}

}  // namespace hotsync
