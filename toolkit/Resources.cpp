#include "toolkit/Resources.h"

#include "toolkit/gfx/Dib.h"

#include <algorithm>
#include <cstdlib>
#include <deque>

namespace tk {

const Surface* Icon::ImageOfSize(int size) const
{
    const Surface* best = nullptr;
    for (const Surface& image : images) {
        if (best == nullptr || std::abs(image.Width() - size) < std::abs(best->Width() - size)) {
            best = &image;
        }
    }
    return best;
}

void ResourceModule::AddDialog(DialogTemplate dialog)
{
    const int id = dialog.id;
    m_dialogs.insert_or_assign(id, std::move(dialog));
}

void ResourceModule::AddString(unsigned int id, std::string text)
{
    m_strings.insert_or_assign(id, std::move(text));
}

void ResourceModule::AddBinary(std::string type, int id, std::span<const unsigned char> bytes)
{
    m_binaries.insert_or_assign({std::move(type), id}, bytes);
    m_icons.erase(id);
}

void ResourceModule::RemoveBinary(const std::string& type, int id)
{
    m_binaries.erase({type, id});
}

const DialogTemplate* ResourceModule::FindDialog(int id) const
{
    auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}

const std::string* ResourceModule::FindString(unsigned int id) const
{
    auto it = m_strings.find(id);
    return it == m_strings.end() ? nullptr : &it->second;
}

std::optional<std::span<const unsigned char>> ResourceModule::FindBinary(std::string_view type, int id) const
{
    auto it = m_binaries.find(std::make_pair(std::string(type), id));
    if (it == m_binaries.end()) {
        return std::nullopt;
    }
    return it->second;
}

HICON ResourceModule::LoadIcon(int id) const
{
    if (auto it = m_icons.find(id); it != m_icons.end()) {
        return it->second.get();
    }
    auto bytes = FindBinary(RT_ICON, id);
    if (!bytes) {
        return nullptr;
    }
    auto icon = std::make_unique<Icon>();
    icon->images = DecodeIconFile(*bytes);
    if (icon->images.empty()) {
        return nullptr;
    }
    std::sort(icon->images.begin(), icon->images.end(),
              [](const Surface& a, const Surface& b) { return a.Width() < b.Width(); });
    return m_icons.emplace(id, std::move(icon)).first->second.get();
}

namespace {

ResourceModule& ProgramModule()
{
    static ResourceModule module;
    return module;
}

ResourceModule* g_current = nullptr;

}  // namespace

ResourceModule& AfxGetResourceHandle()
{
    return g_current != nullptr ? *g_current : ProgramModule();
}

void AfxSetResourceHandle(ResourceModule* module)
{
    g_current = module;
}

CString LoadStringResource(unsigned int id)
{
    const std::string* text = AfxGetResourceHandle().FindString(id);
    return text != nullptr ? CString(*text) : CString();
}

bool CString::LoadString(unsigned int id)
{
    const std::string* text = AfxGetResourceHandle().FindString(id);
    m_text = text != nullptr ? *text : std::string();
    return text != nullptr;
}

HRSRC FindResource(int id, std::string_view type)
{
    // Handles stay valid for the process, as the platform's do; one per distinct lookup result.
    static std::deque<ResourceInfo> handles;
    auto bytes = AfxGetResourceHandle().FindBinary(type, id);
    if (!bytes) {
        return nullptr;
    }
    for (const ResourceInfo& info : handles) {
        if (info.bytes.data() == bytes->data() && info.bytes.size() == bytes->size()) {
            return &info;
        }
    }
    handles.push_back({*bytes});
    return &handles.back();
}

const void* LoadResource(HRSRC resource)
{
    return resource;
}

const void* LockResource(const void* loaded)
{
    if (loaded == nullptr) {
        return nullptr;
    }
    const auto* info = static_cast<const ResourceInfo*>(loaded);
    return info->bytes.data();
}

unsigned int SizeofResource(HRSRC resource)
{
    return resource != nullptr ? static_cast<unsigned int>(resource->bytes.size()) : 0U;
}

HICON LoadIcon(int id)
{
    return AfxGetResourceHandle().LoadIcon(id);
}

}  // namespace tk
