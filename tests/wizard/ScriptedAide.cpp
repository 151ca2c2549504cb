#include "tests/wizard/ScriptedAide.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace wizardtest {

namespace {

int UserCount()
{
    ScriptedAideState& state = ScriptedAide();
    ++state.userCountCalls;
    return static_cast<int>(state.users.size());
}

int UserName(int index, char* name, int* size)
{
    ScriptedAideState& state = ScriptedAide();
    ++state.userNameCalls;
    if (index == state.failingNameIndex || index < 0 || index >= static_cast<int>(state.users.size())) {
        return 0;
    }
    const std::string& user = state.users[static_cast<std::size_t>(index)];
    const std::size_t room = static_cast<std::size_t>(*size);
    std::memcpy(name, user.data(), std::min(user.size(), room));
    if (user.size() < room) {
        name[user.size()] = '\0';
    }
    return static_cast<int>(std::max<std::size_t>(user.size(), 1));
}

int InstallFile(const char* user, const char* fileName)
{
    ScriptedAideState& state = ScriptedAide();
    state.offered.emplace_back(fileName);
    state.offeredUsers.emplace_back(user);
    if (state.onInstall) {
        state.onInstall(fileName);
    }
    if (state.throwOnFile == fileName) {
        throw std::bad_alloc();
    }
    auto answers = state.installAnswers.find(fileName);
    if (answers == state.installAnswers.end() || answers->second.empty()) {
        return 0;
    }
    const int code = answers->second.front();
    answers->second.pop_front();
    return code;
}

int ClearFile(const char* /*user*/, const char* fileName)
{
    ScriptedAide().cleared.emplace_back(fileName);
    return 0;
}

}  // namespace

ScriptedAideState& ScriptedAide()
{
    static ScriptedAideState state;
    return state;
}

void ResetScriptedAide()
{
    ScriptedAide() = ScriptedAideState{};
}

olvex::InstallAide ScriptedAideCalls()
{
    return {UserCount, UserName, InstallFile, ClearFile};
}

}  // namespace wizardtest
