#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The handheld's database file: a 78-byte header, a list of records (record database, ".PDB") or of
// resources (resource database, ".prc"), an optional application-info block and the entries' data.
namespace hotsync::palm {

constexpr std::size_t HeaderSize = 78;
constexpr std::size_t NameFieldSize = 32;      // name and its NUL
constexpr std::size_t RecordEntrySize = 8;     // offset, attributes, 3-byte unique id
constexpr std::size_t ResourceEntrySize = 10;  // type, id, offset
constexpr std::uint16_t ResourceDatabaseAttribute = 0x0001;

// Seconds since 1904-01-01, the handheld's epoch.
using PalmTime = std::uint32_t;

using FourCharCode = std::array<char, 4>;
constexpr FourCharCode MakeCode(const char (&text)[5])
{
    return {text[0], text[1], text[2], text[3]};
}
inline std::string CodeText(const FourCharCode& code)
{
    return {code.begin(), code.end()};
}

struct Record {
    std::uint8_t attributes = 0;
    std::uint32_t uniqueId = 0;  // 24 bits
    std::vector<std::uint8_t> data;
    friend bool operator==(const Record&, const Record&) = default;
};

struct Resource {
    FourCharCode type{};
    std::uint16_t id = 0;
    std::vector<std::uint8_t> data;
    friend bool operator==(const Resource&, const Resource&) = default;
};

struct Database {
    std::string name;  // at most 31 bytes
    std::uint16_t attributes = 0;
    std::uint16_t version = 0;
    PalmTime creationTime = 0;
    PalmTime modificationTime = 0;
    PalmTime backupTime = 0;
    std::uint32_t modificationNumber = 0;
    FourCharCode type{};
    FourCharCode creator{};
    std::uint32_t uniqueIdSeed = 0;
    std::vector<std::uint8_t> appInfo;  // empty: none
    // Exactly one of the two lists is used, chosen by ResourceDatabaseAttribute.
    std::vector<Record> records;
    std::vector<Resource> resources;

    [[nodiscard]] bool IsResourceDatabase() const { return (attributes & ResourceDatabaseAttribute) != 0; }
    [[nodiscard]] std::size_t EntryCount() const
    {
        return IsResourceDatabase() ? resources.size() : records.size();
    }
    friend bool operator==(const Database&, const Database&) = default;
};

// Why bytes are not a well-formed database, or why a database cannot be written.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws FormatError when the database cannot be stored (name too long, type not four printable
// characters, entries of the unused kind, too many entries).
std::vector<std::uint8_t> Serialize(const Database& database);

// Checks the header, the entry list and every offset against the size of `bytes`; throws FormatError
// naming the first fault. Sort-info blocks are accepted but not kept.
Database Parse(std::span<const std::uint8_t> bytes);

}  // namespace hotsync::palm
