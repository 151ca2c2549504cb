#pragma once

#include "install/InstallAide.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace wizardtest {

// What the scripted install aide answers and what it was asked. The aide's entry points are plain
// functions, so they read this one test-global state; each test starts from a fresh one.
struct ScriptedAideState {
    // Reported by the user calls in this order. A name longer than the caller's buffer is handed back
    // cut to the buffer, without a NUL.
    std::vector<std::string> users{"Palm User"};
    int failingNameIndex = -1;  // the user name read of this index fails

    // Answers of the install call per file, taken one per call; a file without answers left is placed.
    std::map<std::string, std::deque<int>> installAnswers;
    std::string throwOnFile;  // the install call for this file throws std::bad_alloc

    // Runs inside every install call, before it answers: the test looks at the screen from there.
    std::function<void(const std::string& file)> onInstall;

    int userCountCalls = 0;
    int userNameCalls = 0;
    std::vector<std::string> offered;       // file of every install call, in order
    std::vector<std::string> offeredUsers;  // user of every install call, in order
    std::vector<std::string> cleared;       // file of every clear call, in order
};

ScriptedAideState& ScriptedAide();
void ResetScriptedAide();
// The four entry points over ScriptedAide().
olvex::InstallAide ScriptedAideCalls();

}  // namespace wizardtest
