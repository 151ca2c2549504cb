#include "resources/SetupResources.h"

#include "resources/ResourceIds.h"

#include <span>

// Generated at build time from the files in resources/.
extern const std::span<const unsigned char> g_licenseText;
extern const std::span<const unsigned char> g_mainframeIcon;
extern const std::span<const unsigned char> g_smallIcon;
extern const std::span<const unsigned char> g_bannerLarge;
extern const std::span<const unsigned char> g_bannerSmall;

namespace {

constexpr SetupVersionInfo kVersion{"OlvexRemote for PalmOS Setup", "1.0.0.1", "1.0.0.1"};

// The version block, as text a person can read with any tool that shows strings of a program.
constexpr unsigned char kVersionBlock[] =
    "ProductName=OlvexRemote for PalmOS Setup\nFileVersion=1.0.0.1\nProductVersion=1.0.0.1\n";

}  // namespace

const SetupVersionInfo& GetSetupVersionInfo()
{
    return kVersion;
}

void RegisterSetupBinaries(tk::ResourceModule& module)
{
    module.AddBinary(RT_LICENSE, IDR_LICENSE, g_licenseText);
    module.AddBinary(tk::RT_ICON, IDR_MAINFRAME, g_mainframeIcon);
    module.AddBinary(tk::RT_ICON, IDI_SMALL, g_smallIcon);
    module.AddBinary(tk::RT_BITMAP, IDB_BANNER_LARGE, g_bannerLarge);
    module.AddBinary(tk::RT_BITMAP, IDB_BANNER_SMALL, g_bannerSmall);
    module.AddBinary(tk::RT_VERSION, VS_VERSION_INFO,
                     std::span<const unsigned char>(kVersionBlock, sizeof kVersionBlock - 1));
}

void RegisterSetupResources(tk::ResourceModule& module)
{
    RegisterSetupTemplates(module);
    RegisterSetupStrings(module);
    RegisterSetupBinaries(module);
}
