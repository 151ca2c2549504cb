#pragma once

#include <string>
#include <string_view>

namespace tk {

// 8-bit text, as the dialog toolkit of the setup's platform keeps it: no encoding is assumed.
class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text != nullptr ? text : "") {}  // NOLINT(google-explicit-constructor)
    CString(std::string text) : m_text(std::move(text)) {}              // NOLINT(google-explicit-constructor)
    CString(std::string_view text) : m_text(text) {}                    // NOLINT(google-explicit-constructor)

    // Loads string `id` of the string table; an id without text leaves the string empty and gives false.
    bool LoadString(unsigned int id);

    [[nodiscard]] int GetLength() const { return static_cast<int>(m_text.size()); }
    [[nodiscard]] bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    [[nodiscard]] const char* GetString() const { return m_text.c_str(); }
    [[nodiscard]] const std::string& Str() const { return m_text; }
    operator std::string_view() const { return m_text; }  // NOLINT(google-explicit-constructor)

    CString& operator+=(std::string_view more)
    {
        m_text += more;
        return *this;
    }
    friend CString operator+(const CString& a, std::string_view b)
    {
        return CString(a.m_text + std::string(b));
    }
    friend bool operator==(const CString& a, const CString& b) = default;
    friend bool operator==(const CString& a, const char* b) { return a.m_text == b; }

private:
    std::string m_text;
};

}  // namespace tk
