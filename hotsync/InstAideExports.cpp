#include "hotsync/InstAideExports.h"

#include "hotsync/ExecutableFolder.h"
#include "hotsync/InstAideCodes.h"
#include "hotsync/PayloadInstall.h"
#include "hotsync/UserStore.h"

#include <climits>
#include <cstring>
#include <system_error>

#define INSTAIDE_EXPORT __attribute__((visibility("default")))

namespace {

using namespace hotsync;

// No exception may cross into the caller, which may not even be C++.
template <typename Body> int Guarded(Body body) noexcept
{
    try {
        return body();
    } catch (const StoreError&) {
        return INSTAIDE_IO_FAILURE;
    } catch (const std::system_error&) {
        return INSTAIDE_IO_FAILURE;
    } catch (...) {
        return INSTAIDE_INTERNAL_FAILURE;
    }
}

}  // namespace

extern "C" {

INSTAIDE_EXPORT int InstAideUserCount()
{
    return Guarded([] {
        const std::size_t count = UserStore(DefaultStoreRoot()).Users().size();
        return count > INT_MAX ? INT_MAX : static_cast<int>(count);
    });
}

INSTAIDE_EXPORT int InstAideUserName(int index, char* name, int* size)
{
    if (name == nullptr || size == nullptr || *size <= 0) {
        return INSTAIDE_BAD_ARGUMENT;
    }
    return Guarded([&] {
        const std::vector<std::string> users = UserStore(DefaultStoreRoot()).Users();
        if (index < 0 || static_cast<std::size_t>(index) >= users.size()) {
            return INSTAIDE_NO_SUCH_USER;
        }
        const std::string& user = users[static_cast<std::size_t>(index)];
        const int length = static_cast<int>(user.size());  // at most 249 bytes
        if (length + 1 > *size) {
            *size = length + 1;
            return INSTAIDE_BUFFER_TOO_SMALL;
        }
        std::memcpy(name, user.c_str(), user.size() + 1);
        *size = length;
        return length;
    });
}

INSTAIDE_EXPORT int InstAideInstallFile(const char* user, const char* fileName)
{
    if (user == nullptr || fileName == nullptr) {
        return INSTAIDE_BAD_ARGUMENT;
    }
    return Guarded(
        [&] { return InstallPayloadFile(UserStore(DefaultStoreRoot()), PayloadFolder(), user, fileName); });
}

INSTAIDE_EXPORT int InstAideClearFile(const char* user, const char* fileName)
{
    if (user == nullptr || fileName == nullptr) {
        return INSTAIDE_BAD_ARGUMENT;
    }
    return Guarded([&] { return ClearWaitingFile(UserStore(DefaultStoreRoot()), user, fileName); });
}
}
