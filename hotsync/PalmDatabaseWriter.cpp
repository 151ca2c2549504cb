#include "hotsync/BigEndian.h"
#include "hotsync/PalmDatabase.h"

#include <algorithm>
#include <limits>

namespace hotsync::palm {

namespace {

using bigendian::Append16;
using bigendian::Append24;
using bigendian::Append32;

bool IsPrintableCode(const FourCharCode& code)
{
    return std::all_of(code.begin(), code.end(), [](char c) { return c >= 0x20 && c <= 0x7e; });
}

void CheckWritable(const Database& database)
{
    if (database.name.empty() || database.name.size() >= NameFieldSize) {
        throw FormatError("database name must be 1 to 31 bytes: \"" + database.name + "\"");
    }
    if (database.name.find('\0') != std::string::npos) {
        throw FormatError("database name holds a NUL byte");
    }
    if (!IsPrintableCode(database.type) || !IsPrintableCode(database.creator)) {
        throw FormatError("type and creator must be four printable characters");
    }
    const bool resources = database.IsResourceDatabase();
    if ((resources && !database.records.empty()) || (!resources && !database.resources.empty())) {
        throw FormatError("entries do not match the database kind");
    }
    if (database.EntryCount() > std::numeric_limits<std::uint16_t>::max()) {
        throw FormatError("too many entries");
    }
    for (const Resource& resource : database.resources) {
        if (!IsPrintableCode(resource.type)) {
            throw FormatError("resource type must be four printable characters");
        }
    }
}

void AppendCode(std::vector<std::uint8_t>& out, const FourCharCode& code)
{
    out.insert(out.end(), code.begin(), code.end());
}

}  // namespace

std::vector<std::uint8_t> Serialize(const Database& database)
{
    CheckWritable(database);
    const bool resources = database.IsResourceDatabase();
    const std::size_t count = database.EntryCount();
    // Two bytes of padding follow the entry list by long-standing convention.
    const std::size_t listEnd = HeaderSize + count * (resources ? ResourceEntrySize : RecordEntrySize) + 2;
    const std::size_t appInfoOffset = database.appInfo.empty() ? 0 : listEnd;

    std::vector<std::uint8_t> out;
    out.reserve(listEnd + database.appInfo.size());
    out.resize(NameFieldSize, 0);
    std::copy(database.name.begin(), database.name.end(), out.begin());
    Append16(out, database.attributes);
    Append16(out, database.version);
    Append32(out, database.creationTime);
    Append32(out, database.modificationTime);
    Append32(out, database.backupTime);
    Append32(out, database.modificationNumber);
    Append32(out, static_cast<std::uint32_t>(appInfoOffset));
    Append32(out, 0);  // no sort-info block
    AppendCode(out, database.type);
    AppendCode(out, database.creator);
    Append32(out, database.uniqueIdSeed);
    Append32(out, 0);  // no further entry list
    Append16(out, static_cast<std::uint16_t>(count));

    std::size_t offset = listEnd + database.appInfo.size();
    const auto checkedOffset = [&offset](std::size_t size) {
        if (offset > std::numeric_limits<std::uint32_t>::max()) {
            throw FormatError("database larger than 4 GiB");
        }
        const auto current = static_cast<std::uint32_t>(offset);
        offset += size;
        return current;
    };
    if (resources) {
        for (const Resource& resource : database.resources) {
            AppendCode(out, resource.type);
            Append16(out, resource.id);
            Append32(out, checkedOffset(resource.data.size()));
        }
    } else {
        for (const Record& record : database.records) {
            Append32(out, checkedOffset(record.data.size()));
            out.push_back(record.attributes);
            Append24(out, record.uniqueId & 0xffffff);
        }
    }
    Append16(out, 0);
    out.insert(out.end(), database.appInfo.begin(), database.appInfo.end());
    for (const Record& record : database.records) {
        out.insert(out.end(), record.data.begin(), record.data.end());
    }
    for (const Resource& resource : database.resources) {
        out.insert(out.end(), resource.data.begin(), resource.data.end());
    }
    return out;
}

}  // namespace hotsync::palm
