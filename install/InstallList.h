#pragma once

#include <cstddef>

namespace olvex {

// Slots of the install list, and the files the run hands over from it.
constexpr std::size_t INSTALL_LIST_SIZE = 53;
constexpr std::size_t INSTALL_RUN_FILE_COUNT = 52;  // slots 0 to 51; slot 52 is not offered

// The two builds of the application; one of them goes into slot 0 at the start of a run.
constexpr const char* COLOR_APPLICATION_FILE = "OlvexRemoteC.prc";
constexpr const char* GRAY_APPLICATION_FILE = "OlvexRemoteGray.prc";
constexpr const char* HELP_DATABASE_FILE = "OlvexRemoteHelp.PDB";

// The install list: bare file names, no folder. Slot 0 is empty (nullptr) until the run writes the chosen
// application file into it; slot 1 is the help database; slots 2 to 52 are the code-set databases in
// ascending byte order, named <category>_[<device kind>_]<brand>[_<n>].PDB. The files themselves lie in
// the payload folder beside the executable.
extern const char* g_installFiles[INSTALL_LIST_SIZE];

}  // namespace olvex
