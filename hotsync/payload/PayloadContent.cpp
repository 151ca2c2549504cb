#include "hotsync/payload/PayloadContent.h"

#include "hotsync/BigEndian.h"
#include "install/InstallList.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace hotsync::payload {

namespace {

struct DeviceKind {
    std::string_view part;  // in the file name, after the category prefix
    std::string_view description;
};

struct Category {
    std::string_view prefix;
    std::string_view description;
    std::vector<DeviceKind> kinds;  // empty: no device-kind part
    std::vector<std::string_view> keys;
};

const std::vector<Category>& Categories()
{
    static const std::vector<Category> categories = {
        {"AUD_",
         "audio",
         {{"AMP_", "amplifier"}, {"RCV_", "receiver"}, {"", "audio system"}},
         {"POWER", "VOL+", "VOL-", "MUTE", "INPUT", "TUNER"}},
        {"CAB_", "cable box", {}, {"POWER", "CH+", "CH-", "GUIDE", "MENU", "OK"}},
        {"DVD_",
         "disc player",
         {{"CD_", "CD player"}, {"DVD_", "DVD player"}},
         {"POWER", "PLAY", "STOP", "PAUSE", "NEXT", "PREV", "MENU"}},
        {"TIV_", "recording service", {}, {"POWER", "PLAY", "PAUSE", "REPLAY", "SKIP", "GUIDE"}},
        {"TV_", "television", {}, {"POWER", "VOL+", "VOL-", "CH+", "CH-", "MUTE", "INPUT"}},
        {"VCR_", "video cassette recorder", {}, {"POWER", "PLAY", "STOP", "REW", "FF", "REC", "PAUSE"}},
    };
    return categories;
}

const std::vector<std::string_view> HelpParagraphs = {
    "OlvexRemote turns your handheld into a remote control for the television, the video recorder, the "
    "disc player, the cable box and the audio system.",
    "Choose a device with the buttons at the top of the screen, then tap the keys drawn below. Point the "
    "infrared window at the top of the handheld towards the device.",
    "Each device needs the code set of its brand. Open the device list, tap the device, and pick its brand. "
    "When a brand has more than one code set, try them in turn until the device answers.",
    "Keys you use often can be placed on the favourites page: hold a key until the handheld beeps, then "
    "tap Add to favourites.",
    "A macro sends several keys one after another, for example to switch on the television and the "
    "receiver together. Record one from the macro page.",
    "The colour build needs a handheld with a colour screen; the grayscale build runs on every model.",
};

std::vector<std::uint8_t> TextBytes(std::string_view text)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::uint32_t StableHash(std::string_view text, std::uint32_t hash = 2166136261u)
{
    for (unsigned char byte : text) {
        hash = (hash ^ byte) * 16777619u;
    }
    return hash;
}

palm::Database NewDatabase(std::string_view name, std::uint16_t attributes, const char (&type)[5])
{
    palm::Database database;
    database.name = name;
    database.attributes = attributes;
    database.version = 1;
    database.creationTime = PayloadTime;
    database.modificationTime = PayloadTime;
    database.type = palm::MakeCode(type);
    database.creator = Creator;
    return database;
}

void AddRecord(palm::Database& database, std::vector<std::uint8_t> data)
{
    const auto uniqueId = static_cast<std::uint32_t>(0x100000 + database.records.size());
    database.records.push_back({0, uniqueId, std::move(data)});
    database.uniqueIdSeed = uniqueId + 1;
}

PayloadFile Application(const char* fileName, std::string_view build, const char (&mode)[5])
{
    palm::Database database = NewDatabase("OlvexRemote", palm::ResourceDatabaseAttribute, "appl");
    database.resources = {
        {palm::MakeCode("name"), 1000, TextBytes("OlvexRemote")},
        {palm::MakeCode("vers"), 1000, TextBytes("1.0")},
        {palm::MakeCode("desc"), 1000,
         TextBytes("Remote control for home entertainment devices, " + std::string(build))},
        {palm::MakeCode("mode"), 1000, {mode, mode + 4}},
    };
    return {fileName, std::move(database)};
}

PayloadFile Help()
{
    palm::Database database = NewDatabase("OlvexRemoteHelp", 0, "Help");
    for (std::string_view paragraph : HelpParagraphs) {
        AddRecord(database, TextBytes(paragraph));
    }
    return {olvex::HELP_DATABASE_FILE, std::move(database)};
}

struct CodeSetName {
    const Category* category;
    std::string_view kind;
    std::string brand;
    int setNumber;
};

CodeSetName SplitCodeSetName(std::string_view fileName)
{
    constexpr std::string_view extension = ".PDB";
    if (!fileName.ends_with(extension)) {
        throw std::invalid_argument("code set without the .PDB extension: " + std::string(fileName));
    }
    std::string_view rest = fileName.substr(0, fileName.size() - extension.size());
    for (const Category& category : Categories()) {
        if (!rest.starts_with(category.prefix)) {
            continue;
        }
        rest.remove_prefix(category.prefix.size());
        CodeSetName name{&category, "", "", 1};
        for (const DeviceKind& kind : category.kinds) {
            if (rest.starts_with(kind.part)) {
                name.kind = kind.description;
                rest.remove_prefix(kind.part.size());
                break;
            }
        }
        if (rest.size() > 2 && rest[rest.size() - 2] == '_' && rest.back() >= '2' && rest.back() <= '4') {
            name.setNumber = rest.back() - '0';
            rest.remove_suffix(2);
        }
        if (rest.empty()) {
            throw std::invalid_argument("code set without a brand: " + std::string(fileName));
        }
        name.brand = rest;
        return name;
    }
    throw std::invalid_argument("code set of no known category: " + std::string(fileName));
}

// Four sample code words per key: a carrier word, a preamble and two data words.
std::vector<std::uint8_t> KeyRecord(std::string_view fileName, std::string_view key)
{
    std::vector<std::uint8_t> data = TextBytes(key);
    const std::uint32_t seed = StableHash(key, StableHash(fileName));
    bigendian::Append16(data, 0x006D);
    bigendian::Append16(data, static_cast<std::uint16_t>(0x0100 | (seed & 0xff)));
    bigendian::Append16(data, static_cast<std::uint16_t>(seed >> 8));
    bigendian::Append16(data, static_cast<std::uint16_t>(~seed >> 16));
    return data;
}

PayloadFile CodeSet(std::string_view fileName)
{
    const CodeSetName name = SplitCodeSetName(fileName);
    const std::string_view kind = name.kind.empty() ? name.category->description : name.kind;
    palm::Database database = NewDatabase(fileName.substr(0, fileName.size() - 4), 0, "Code");
    std::vector<std::uint8_t> header = TextBytes(name.brand);
    const std::vector<std::uint8_t> device = TextBytes(kind);
    header.insert(header.end(), device.begin(), device.end());
    header.push_back(static_cast<std::uint8_t>(name.setNumber));
    AddRecord(database, std::move(header));
    for (std::string_view key : name.category->keys) {
        AddRecord(database, KeyRecord(fileName, key));
    }
    return {std::string(fileName), std::move(database)};
}

}  // namespace

std::vector<PayloadFile> BuildPayload()
{
    std::vector<PayloadFile> files;
    files.push_back(Application(olvex::COLOR_APPLICATION_FILE, "colour build", "colr"));
    files.push_back(Application(olvex::GRAY_APPLICATION_FILE, "grayscale build", "gray"));
    files.push_back(Help());
    for (std::size_t slot = 2; slot < olvex::INSTALL_LIST_SIZE; ++slot) {
        files.push_back(CodeSet(olvex::g_installFiles[slot]));
    }
    return files;
}

}  // namespace hotsync::payload
