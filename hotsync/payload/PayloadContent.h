#pragma once

#include "hotsync/PalmDatabase.h"

#include <string>
#include <vector>

namespace hotsync::payload {

// Fixed times keep the generated files byte-identical from one build to the next.
constexpr palm::PalmTime PayloadTime = 3850070400u;  // 2026-01-01 00:00 UTC
constexpr palm::FourCharCode Creator = palm::MakeCode("OlvX");

struct PayloadFile {
    std::string fileName;
    palm::Database database;
};

// Every file of the install list, from one table: the list supplies the names, and a description per
// device category turns each code-set name into its content. Throws std::invalid_argument when a name
// of the list does not have the form the descriptions expect.
std::vector<PayloadFile> BuildPayload();

}  // namespace hotsync::payload
