#include "hotsync/BigEndian.h"
#include "hotsync/PalmDatabase.h"

#include <algorithm>
#include <cstring>

namespace hotsync::palm {

namespace {

using bigendian::Read16;
using bigendian::Read24;
using bigendian::Read32;

// Header field positions.
constexpr std::size_t AttributesAt = 32;
constexpr std::size_t VersionAt = 34;
constexpr std::size_t CreationTimeAt = 36;
constexpr std::size_t ModificationTimeAt = 40;
constexpr std::size_t BackupTimeAt = 44;
constexpr std::size_t ModificationNumberAt = 48;
constexpr std::size_t AppInfoAt = 52;
constexpr std::size_t SortInfoAt = 56;
constexpr std::size_t TypeAt = 60;
constexpr std::size_t CreatorAt = 64;
constexpr std::size_t UniqueIdSeedAt = 68;
constexpr std::size_t NextListAt = 72;
constexpr std::size_t EntryCountAt = 76;

FourCharCode ReadCode(std::span<const std::uint8_t> bytes, std::size_t at)
{
    FourCharCode code{};
    std::memcpy(code.data(), bytes.data() + at, code.size());
    return code;
}

bool IsPrintableCode(const FourCharCode& code)
{
    return std::all_of(code.begin(), code.end(), [](char c) { return c >= 0x20 && c <= 0x7e; });
}

std::string ReadName(std::span<const std::uint8_t> bytes)
{
    const auto* begin = reinterpret_cast<const char*>(bytes.data());
    const void* nul = std::memchr(begin, 0, NameFieldSize);
    if (nul == nullptr) {
        throw FormatError("database name is not NUL-terminated within 32 bytes");
    }
    std::string name(begin, static_cast<const char*>(nul));
    if (name.empty()) {
        throw FormatError("database name is empty");
    }
    return name;
}

// Offsets of the entries' data, checked to lie in the file after the entry list and in ascending order.
std::vector<std::size_t> ReadEntryOffsets(std::span<const std::uint8_t> bytes, bool resources,
                                          std::size_t count, std::size_t listEnd)
{
    const std::size_t entrySize = resources ? ResourceEntrySize : RecordEntrySize;
    const std::size_t offsetWithinEntry = resources ? 6 : 0;
    std::vector<std::size_t> offsets;
    offsets.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t offset = Read32(bytes, HeaderSize + i * entrySize + offsetWithinEntry);
        if (offset < listEnd || offset > bytes.size()) {
            throw FormatError("entry " + std::to_string(i) + " lies outside the file (offset " +
                              std::to_string(offset) + ", file size " + std::to_string(bytes.size()) + ")");
        }
        if (!offsets.empty() && offset < offsets.back()) {
            throw FormatError("entry " + std::to_string(i) + " starts before the entry ahead of it");
        }
        offsets.push_back(offset);
    }
    return offsets;
}

std::vector<std::uint8_t> Slice(std::span<const std::uint8_t> bytes, std::size_t begin, std::size_t end)
{
    return {bytes.begin() + static_cast<std::ptrdiff_t>(begin),
            bytes.begin() + static_cast<std::ptrdiff_t>(end)};
}

}  // namespace

Database Parse(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < HeaderSize) {
        throw FormatError("file of " + std::to_string(bytes.size()) +
                          " bytes is shorter than the 78-byte header");
    }
    Database database;
    database.name = ReadName(bytes);
    database.attributes = Read16(bytes, AttributesAt);
    database.version = Read16(bytes, VersionAt);
    database.creationTime = Read32(bytes, CreationTimeAt);
    database.modificationTime = Read32(bytes, ModificationTimeAt);
    database.backupTime = Read32(bytes, BackupTimeAt);
    database.modificationNumber = Read32(bytes, ModificationNumberAt);
    database.type = ReadCode(bytes, TypeAt);
    database.creator = ReadCode(bytes, CreatorAt);
    database.uniqueIdSeed = Read32(bytes, UniqueIdSeedAt);
    if (!IsPrintableCode(database.type) || !IsPrintableCode(database.creator)) {
        throw FormatError("type or creator is not four printable characters");
    }
    if (Read32(bytes, NextListAt) != 0) {
        throw FormatError("chained entry lists are not supported");
    }

    const bool resources = database.IsResourceDatabase();
    const std::size_t count = Read16(bytes, EntryCountAt);
    const std::size_t listEnd = HeaderSize + count * (resources ? ResourceEntrySize : RecordEntrySize);
    if (listEnd > bytes.size()) {
        throw FormatError("entry list of " + std::to_string(count) +
                          " entries runs past the end of the file");
    }
    const std::vector<std::size_t> offsets = ReadEntryOffsets(bytes, resources, count, listEnd);
    const std::size_t dataStart = offsets.empty() ? bytes.size() : offsets.front();

    const std::size_t appInfo = Read32(bytes, AppInfoAt);
    const std::size_t sortInfo = Read32(bytes, SortInfoAt);
    const std::size_t appInfoEnd = sortInfo != 0 ? sortInfo : dataStart;
    if (appInfo != 0 && (appInfo < listEnd || appInfo > appInfoEnd)) {
        throw FormatError("application-info block lies outside its room");
    }
    if (sortInfo != 0 && (sortInfo < std::max(listEnd, appInfo) || sortInfo > dataStart)) {
        throw FormatError("sort-info block lies outside its room");
    }
    if (appInfo != 0) {
        database.appInfo = Slice(bytes, appInfo, appInfoEnd);
    }

    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t end = i + 1 < count ? offsets[i + 1] : bytes.size();
        if (resources) {
            const std::size_t at = HeaderSize + i * ResourceEntrySize;
            database.resources.push_back(
                {ReadCode(bytes, at), Read16(bytes, at + 4), Slice(bytes, offsets[i], end)});
        } else {
            const std::size_t at = HeaderSize + i * RecordEntrySize;
            database.records.push_back({bytes[at + 4], Read24(bytes, at + 5), Slice(bytes, offsets[i], end)});
        }
    }
    return database;
}

}  // namespace hotsync::palm
