#include "toolkit/controls/Static.h"

#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/Style.h"
#include "toolkit/gfx/TextLayout.h"

namespace tk {

void CStatic::OnDraw(Painter& painter)
{
    const Rect bounds{0, 0, m_rect.Width(), m_rect.Height()};
    switch (m_kind) {
    case Kind::BlackFrame:
        painter.FrameRect(bounds, colors::WindowFrame);
        return;
    case Kind::EtchedHorizontal:
        style::EtchedHorizontal(painter, {0, 0, bounds.right, 2});
        return;
    case Kind::Text:
        break;
    }
    painter.FillRect(bounds, colors::ButtonFace);
    const Font& font = GetFont();
    const Label label = ParseLabel(m_text.Str());
    const int lineHeight = font.Metrics().height;
    const auto lines = WrapText(font, label.text, bounds.Width(), LongWords::Overflow);
    const auto state = IsWindowEnabled() ? style::TextState::Normal : style::TextState::Disabled;
    int y = 0;
    for (const TextLine& line : lines) {
        // Text is clipped to the control: a line that does not fit whole is cut, as the platform does.
        Label part{std::string(line.text), -1};
        if (label.mnemonicIndex >= 0 && static_cast<std::size_t>(label.mnemonicIndex) >= line.start &&
            static_cast<std::size_t>(label.mnemonicIndex) < line.start + line.text.size()) {
            part.mnemonicIndex = label.mnemonicIndex - static_cast<int>(line.start);
        }
        style::LabelText(painter, font, {0, y}, part, state);
        y += lineHeight;
        if (y >= bounds.Height()) {
            break;
        }
    }
}

void CStatic::CopyControlState(const CWnd& from)
{
    if (auto* control = dynamic_cast<const CStatic*>(&from)) {
        m_kind = control->m_kind;
    }
}

}  // namespace tk
