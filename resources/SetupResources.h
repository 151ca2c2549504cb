#pragma once

#include "toolkit/Resources.h"

// The setup's own resources: dialog templates, string table, icons, banner bitmaps, licence text and
// version information, all embedded in the program.
void RegisterSetupResources(tk::ResourceModule& module);

void RegisterSetupTemplates(tk::ResourceModule& module);
void RegisterSetupStrings(tk::ResourceModule& module);
void RegisterSetupBinaries(tk::ResourceModule& module);

// The product name and version the setup file carries.
struct SetupVersionInfo {
    const char* productName;
    const char* fileVersion;
    const char* productVersion;
};
const SetupVersionInfo& GetSetupVersionInfo();
