#pragma once

#include "toolkit/CString.h"
#include "toolkit/DialogTemplate.h"
#include "toolkit/gfx/Surface.h"

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tk {

// Resource type names of the binary resources a module carries.
inline constexpr const char* RT_BITMAP = "BITMAP";
inline constexpr const char* RT_ICON = "ICON";
inline constexpr const char* RT_VERSION = "VERSION";

// A loaded icon: its images, smallest first. Icons are kept until the process ends.
struct Icon {
    std::vector<Surface> images;
    [[nodiscard]] const Surface* ImageOfSize(int size) const;  // the image of that size, else the nearest
};
using HICON = const Icon*;

// Everything a program's module carries besides code: dialog templates, the string table and binary
// resources addressed by a type name and a numeric id. The program registers its own at start-up; a
// test may install another module to see how the program copes with different resources.
class ResourceModule {
public:
    void AddDialog(DialogTemplate dialog);
    void AddString(unsigned int id, std::string text);
    void AddBinary(std::string type, int id, std::span<const unsigned char> bytes);
    void RemoveBinary(const std::string& type, int id);

    [[nodiscard]] const DialogTemplate* FindDialog(int id) const;
    [[nodiscard]] const std::string* FindString(unsigned int id) const;
    [[nodiscard]] std::optional<std::span<const unsigned char>> FindBinary(std::string_view type,
                                                                           int id) const;

    // Loads icon `id` once and keeps it for the life of the module; nullptr when it is missing or broken.
    HICON LoadIcon(int id) const;

private:
    std::map<int, DialogTemplate> m_dialogs;
    std::map<unsigned int, std::string> m_strings;
    std::map<std::pair<std::string, int>, std::span<const unsigned char>, std::less<>> m_binaries;
    mutable std::map<int, std::unique_ptr<Icon>> m_icons;
};

// The module resources are looked up in; the program's own unless a test installs another.
ResourceModule& AfxGetResourceHandle();
void AfxSetResourceHandle(ResourceModule* module);  // nullptr restores the program's own

// The string table; an id without text gives an empty string (and false from CString::LoadString).
CString LoadStringResource(unsigned int id);

// The binary resource lookup of the platform: find, load, lock, size. Each step can fail with nullptr.
struct ResourceInfo {
    std::span<const unsigned char> bytes;
};
using HRSRC = const ResourceInfo*;
HRSRC FindResource(int id, std::string_view type);
const void* LoadResource(HRSRC resource);
const void* LockResource(const void* loaded);
unsigned int SizeofResource(HRSRC resource);

HICON LoadIcon(int id);

}  // namespace tk
