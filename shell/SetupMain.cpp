// The one application object of the setup; the toolkit's entry point runs it.
#include "shell/SetupApp.h"

namespace {
CSetupApp theApp;
}  // namespace
