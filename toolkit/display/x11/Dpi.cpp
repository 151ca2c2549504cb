#include "toolkit/display/x11/Dpi.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <string_view>
#include <system_error>
#include <type_traits>

#include <X11/Xresource.h>

namespace tk::x11 {

namespace {

constexpr int kDefaultDpi = 96;

}  // namespace

int ReadDpi(::Display* display)
{
    const char* resources = XResourceManagerString(display);
    if (resources == nullptr) {
        return kDefaultDpi;
    }
    XrmInitialize();
    const std::unique_ptr<std::remove_pointer_t<XrmDatabase>, decltype(&XrmDestroyDatabase)> database(
        XrmGetStringDatabase(resources), &XrmDestroyDatabase);
    char* type = nullptr;
    XrmValue value{};
    if (!database || !XrmGetResource(database.get(), "Xft.dpi", "Xft.Dpi", &type, &value) ||
        value.addr == nullptr) {
        return kDefaultDpi;
    }
    const std::string_view text(value.addr);
    double dpi = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), dpi);
    if (error != std::errc{} || dpi < 1) {
        return kDefaultDpi;
    }
    return static_cast<int>(std::lround(dpi));
}

}  // namespace tk::x11
