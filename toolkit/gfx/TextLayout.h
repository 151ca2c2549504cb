#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Font;

// A label with its mnemonic marker taken out: "&Next >" shows "Next >" with 'N' underlined.
struct Label {
    std::string text;
    int mnemonicIndex = -1;               // index into `text` of the underlined character, -1 for none
    [[nodiscard]] char Mnemonic() const;  // lower case, 0 for none
};
Label ParseLabel(std::string_view withPrefix);

struct TextLine {
    std::size_t start = 0;  // offset into the laid-out text
    std::string_view text;
};

enum class LongWords { Overflow, Break };

// Breaks text into lines no wider than `width` at blanks; CR LF, LF and CR end a line. Trailing blanks
// of a wrapped line are dropped. Words wider than a line overflow (labels) or are broken (text boxes).
std::vector<TextLine> WrapText(const Font& font, std::string_view text, int width, LongWords longWords);

}  // namespace tk
