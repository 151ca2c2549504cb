#pragma once

#include "install/InstallAide.h"

namespace olvex {

// The install aide the setup talks to: the loaded library in the program, scripted calls in tests.
// Until one is installed every call fails as an aide without users would.
const InstallAide& CurrentInstallAide();
void UseInstallAide(const InstallAide& calls);

}  // namespace olvex
