#include "toolkit/gfx/TextLayout.h"

#include "toolkit/gfx/Font.h"

#include <cctype>

namespace tk {

char Label::Mnemonic() const
{
    if (mnemonicIndex < 0 || static_cast<std::size_t>(mnemonicIndex) >= text.size()) {
        return 0;
    }
    return static_cast<char>(
        std::tolower(static_cast<unsigned char>(text[static_cast<std::size_t>(mnemonicIndex)])));
}

Label ParseLabel(std::string_view withPrefix)
{
    Label label;
    label.text.reserve(withPrefix.size());
    for (std::size_t i = 0; i < withPrefix.size(); ++i) {
        if (withPrefix[i] == '&' && i + 1 < withPrefix.size()) {
            ++i;
            if (withPrefix[i] != '&' && label.mnemonicIndex < 0) {
                label.mnemonicIndex = static_cast<int>(label.text.size());
            }
        }
        label.text.push_back(withPrefix[i]);
    }
    return label;
}

namespace {

// Lays out one paragraph (no line breaks inside) starting at `offset` of the whole text.
void WrapParagraph(const Font& font, std::string_view text, std::size_t offset, int width,
                   LongWords longWords, std::vector<TextLine>& lines)
{
    std::size_t lineStart = 0;
    while (true) {
        if (lineStart >= text.size()) {
            if (lineStart == 0) {
                lines.push_back({offset, text.substr(0, 0)});
            }
            return;
        }
        int used = 0;
        std::size_t lastBreak = std::string_view::npos;
        std::size_t i = lineStart;
        for (; i < text.size(); ++i) {
            const int advance = font.GlyphFor(static_cast<unsigned char>(text[i])).advance;
            if (text[i] == ' ') {
                lastBreak = i;
            } else if (used + advance > width && i > lineStart) {
                break;
            }
            used += advance;
        }
        if (i >= text.size()) {
            lines.push_back({offset + lineStart, text.substr(lineStart)});
            return;
        }
        std::size_t end = i;
        std::size_t next = i;
        if (lastBreak != std::string_view::npos && lastBreak > lineStart) {
            end = lastBreak;
            next = lastBreak;
        } else if (longWords == LongWords::Overflow) {
            end = text.find(' ', i);
            if (end == std::string_view::npos) {
                lines.push_back({offset + lineStart, text.substr(lineStart)});
                return;
            }
            next = end;
        }
        while (end > lineStart && text[end - 1] == ' ') {
            --end;
        }
        lines.push_back({offset + lineStart, text.substr(lineStart, end - lineStart)});
        while (next < text.size() && text[next] == ' ') {
            ++next;
        }
        lineStart = next;
        if (lineStart >= text.size()) {
            return;
        }
    }
}

}  // namespace

std::vector<TextLine> WrapText(const Font& font, std::string_view text, int width, LongWords longWords)
{
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        const std::size_t paragraphEnd = end == std::string_view::npos ? text.size() : end;
        WrapParagraph(font, text.substr(start, paragraphEnd - start), start, width, longWords, lines);
        if (end == std::string_view::npos) {
            break;
        }
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
        if (start == text.size()) {
            break;  // a final line break does not open an empty last line
        }
    }
    return lines;
}

}  // namespace tk
