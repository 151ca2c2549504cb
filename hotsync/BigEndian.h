#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Palm databases store every number big-endian, whatever the machine that reads them.
namespace hotsync::bigendian {

inline std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

inline std::uint32_t Read24(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) << 16 | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           bytes[at + 2];
}

inline std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) << 24 | Read24(bytes, at + 1);
}

inline void Append16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

inline void Append24(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    Append16(out, static_cast<std::uint16_t>(value));
}

inline void Append32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Append16(out, static_cast<std::uint16_t>(value >> 16));
    Append16(out, static_cast<std::uint16_t>(value));
}

}  // namespace hotsync::bigendian
