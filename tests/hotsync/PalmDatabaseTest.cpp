#include "hotsync/PalmDatabase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace palm = hotsync::palm;
using Bytes = std::vector<std::uint8_t>;

palm::Database RecordDatabase()
{
    palm::Database database;
    database.name = "Sample";
    database.version = 3;
    database.creationTime = 0xE57B6980;
    database.modificationTime = 0xE57B6981;
    database.modificationNumber = 7;
    database.type = palm::MakeCode("Data");
    database.creator = palm::MakeCode("Test");
    database.uniqueIdSeed = 0x123457;
    database.appInfo = {9, 8, 7};
    database.records = {{0x40, 0x123456, {1, 2, 3}}, {0, 0x000001, {}}, {0, 0xABCDEF, {4, 5}}};
    return database;
}

palm::Database ResourceDatabase()
{
    palm::Database database;
    database.name = "Sample App";
    database.attributes = palm::ResourceDatabaseAttribute;
    database.type = palm::MakeCode("appl");
    database.creator = palm::MakeCode("Test");
    database.resources = {{palm::MakeCode("name"), 1000, {'x', 0}}, {palm::MakeCode("code"), 1, {0xFF}}};
    return database;
}

TEST(PalmDatabase, RecordAndResourceDatabasesRoundTrip)
{
    for (const palm::Database& database : {RecordDatabase(), ResourceDatabase()}) {
        const Bytes bytes = palm::Serialize(database);
        EXPECT_EQ(palm::Parse(bytes), database) << database.name;
    }
}

TEST(PalmDatabase, HeaderFieldsAreBigEndianAtTheirPlaces)
{
    const Bytes bytes = palm::Serialize(RecordDatabase());
    ASSERT_GE(bytes.size(), palm::HeaderSize);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 7), std::string("Sample\0", 7));
    EXPECT_EQ(bytes[35], 3);  // version
    EXPECT_EQ((Bytes{bytes.begin() + 36, bytes.begin() + 40}), (Bytes{0xE5, 0x7B, 0x69, 0x80}));
    EXPECT_EQ(std::string(bytes.begin() + 60, bytes.begin() + 68), "DataTest");
    EXPECT_EQ(bytes[76] << 8 | bytes[77], 3);  // record count
    // First record entry: offset, attributes, unique id.
    EXPECT_EQ(bytes[82], 0x40);
    EXPECT_EQ((Bytes{bytes.begin() + 83, bytes.begin() + 86}), (Bytes{0x12, 0x34, 0x56}));
}

TEST(PalmDatabase, MalformedFilesAreRefusedWithAReason)
{
    const Bytes good = palm::Serialize(RecordDatabase());
    const auto put32 = [](Bytes& bytes, std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
        }
    };
    struct Case {
        const char* fault;
        std::function<void(Bytes&)> damage;
    };
    const Case cases[] = {
        {"empty file", [](Bytes& b) { b.clear(); }},
        {"shorter than the header", [](Bytes& b) { b.resize(77); }},
        {"entry list cut off", [](Bytes& b) { b.resize(palm::HeaderSize + 12); }},
        {"last record cut off", [&](Bytes& b) { b.resize(b.size() - 3); }},
        {"name without NUL", [](Bytes& b) { std::fill(b.begin(), b.begin() + 32, 'A'); }},
        {"empty name", [](Bytes& b) { b[0] = 0; }},
        {"type with a control byte", [](Bytes& b) { b[60] = 0x01; }},
        {"creator with a NUL", [](Bytes& b) { b[67] = 0x00; }},
        {"chained entry list", [&](Bytes& b) { put32(b, 72, 200); }},
        {"record offset past the end", [&](Bytes& b) { put32(b, 78, 100000); }},
        {"record offset inside the entry list", [&](Bytes& b) { put32(b, 78, 80); }},
        {"records out of order", [&](Bytes& b) { put32(b, 78 + 16, 105); }},
        {"app info past the records", [&](Bytes& b) { put32(b, 52, static_cast<std::uint32_t>(b.size())); }},
        {"record count beyond the file", [](Bytes& b) { b[76] = 0x40; }},
    };
    for (const Case& c : cases) {
        Bytes bytes = good;
        c.damage(bytes);
        EXPECT_THROW(palm::Parse(bytes), palm::FormatError) << c.fault;
    }
}

TEST(PalmDatabase, UnwritableDatabasesAreRefused)
{
    palm::Database longName = RecordDatabase();
    longName.name = std::string(32, 'n');
    palm::Database badType = RecordDatabase();
    badType.type = {'a', 'b', '\n', 'c'};
    palm::Database mixedEntries = ResourceDatabase();
    mixedEntries.records.push_back({});
    for (const palm::Database& database : {longName, badType, mixedEntries}) {
        EXPECT_THROW(palm::Serialize(database), palm::FormatError);
    }
}

}  // namespace
