#include "hotsync/tool/Commands.h"

#include "hotsync/PalmDatabase.h"
#include "hotsync/UserNames.h"
#include "hotsync/UserStore.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace hotsync::tool {

namespace {

constexpr const char* UsageText =
    "Usage: hotsync COMMAND [ARGUMENT]\n"
    "Keeps the HotSync users of this computer and the files waiting for their next HotSync.\n"
    "\n"
    "Commands:\n"
    "  users             list the users, one a line, in the order they were added\n"
    "  add-user NAME     add a user (a name of 1 to 249 bytes)\n"
    "  remove-user NAME  remove a user and the files waiting for them\n"
    "  pending NAME      list the files waiting in the user's install folder, sorted\n"
    "  check FILE        check that FILE is a well-formed handheld database and describe it\n"
    "  --help            show this text\n"
    "\n"
    "In listed names, '%' and control bytes are shown as %XX.\n"
    "The store is $HOTSYNC_HOME, else $XDG_DATA_HOME/hotsync, else ~/.local/share/hotsync.\n"
    "Exit status: 0 on success, 1 when the command failed, 2 when the command line is wrong.\n";

struct Command {
    std::string_view name;
    bool takesArgument;
    int (*run)(std::string_view argument, std::ostream& out, std::ostream& err);
};

UserStore Store()
{
    return UserStore(DefaultStoreRoot());
}

int ListUsers(std::string_view, std::ostream& out, std::ostream&)
{
    for (const std::string& user : Store().Users()) {
        out << EncodeListLine(user) << '\n';
    }
    return ExitSuccess;
}

int AddUser(std::string_view name, std::ostream&, std::ostream&)
{
    Store().AddUser(name);
    return ExitSuccess;
}

int RemoveUser(std::string_view name, std::ostream&, std::ostream&)
{
    Store().RemoveUser(name);
    return ExitSuccess;
}

int ListPending(std::string_view name, std::ostream& out, std::ostream&)
{
    for (const std::string& file : Store().PendingFiles(name)) {
        out << file << '\n';
    }
    return ExitSuccess;
}

int CheckDatabase(std::string_view fileName, std::ostream& out, std::ostream& err)
{
    const std::string path(fileName);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << "hotsync: cannot open " << path << '\n';
        return ExitFailure;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    if (file.bad()) {
        err << "hotsync: cannot read " << path << '\n';
        return ExitFailure;
    }
    try {
        const palm::Database database = palm::Parse(bytes);
        char attributes[8];
        std::snprintf(attributes, sizeof attributes, "0x%04X", database.attributes);
        out << "name: " << database.name << '\n'
            << "type: " << palm::CodeText(database.type) << '\n'
            << "creator: " << palm::CodeText(database.creator) << '\n'
            << "attributes: " << attributes
            << (database.IsResourceDatabase() ? " (resource database)" : " (record database)") << '\n'
            << "records: " << database.EntryCount() << '\n';
        return ExitSuccess;
    } catch (const palm::FormatError& error) {
        err << "hotsync: " << path << " is not a well-formed database: " << error.what() << '\n';
        return ExitFailure;
    }
}

constexpr Command Commands[] = {
    {"users", false, &ListUsers},    {"add-user", true, &AddUser},    {"remove-user", true, &RemoveUser},
    {"pending", true, &ListPending}, {"check", true, &CheckDatabase},
};

int UsageError(std::ostream& err, const std::string& message)
{
    err << "hotsync: " << message << "\nTry 'hotsync --help' for more information.\n";
    return ExitUsage;
}

}  // namespace

int RunCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty()) {
        return UsageError(err, "missing command");
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        out << UsageText;
        return ExitSuccess;
    }
    for (const Command& command : Commands) {
        if (arguments[0] != command.name) {
            continue;
        }
        const std::size_t expected = command.takesArgument ? 2 : 1;
        if (arguments.size() < expected) {
            return UsageError(err, "'" + std::string(command.name) + "' needs an argument");
        }
        if (arguments.size() > expected) {
            return UsageError(err, "too many arguments for '" + std::string(command.name) + "'");
        }
        try {
            return command.run(command.takesArgument ? arguments[1] : std::string_view(), out, err);
        } catch (const StoreError& error) {
            err << "hotsync: " << error.what() << '\n';
            return ExitFailure;
        } catch (const std::system_error& error) {
            err << "hotsync: " << error.what() << '\n';
            return ExitFailure;
        }
    }
    return UsageError(err, "unknown command '" + std::string(arguments[0]) + "'");
}

}  // namespace hotsync::tool
