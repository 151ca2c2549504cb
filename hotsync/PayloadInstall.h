#pragma once

#include "hotsync/AtomicFile.h"
#include "hotsync/UserStore.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Placing payload files in a user's install folder and taking them out again: the work behind the aide's
// install and clear calls. Results are the codes of InstAideCodes.h.
namespace hotsync {

// Why `fileName` cannot name a payload file: it must be a bare name, not hidden, without "..", '/', '\\'
// or control bytes, and short enough to leave room for its temporaries.
std::optional<std::string> FileNameProblem(std::string_view fileName);

// Checks that the payload file `payloadFolder/fileName` is a well-formed database whose kind matches its
// extension, then places a copy in the user's install folder (see WriteFileAtomically) under the folder's
// lock. INSTAIDE_FILE_EXISTS when a file of that name already waits there.
int InstallPayloadFile(const UserStore& store, const std::filesystem::path& payloadFolder,
                       std::string_view user, std::string_view fileName,
                       const WriteFunction& write = SystemWrite);

// Removes a file waiting in the user's install folder.
int ClearWaitingFile(const UserStore& store, std::string_view user, std::string_view fileName);

}  // namespace hotsync
