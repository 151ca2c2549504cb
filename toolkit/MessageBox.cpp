#include "toolkit/MessageBox.h"

#include "toolkit/Dialog.h"
#include "toolkit/WindowSystem.h"
#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/Painter.h"
#include "toolkit/gfx/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tk {

namespace {

enum class BoxIcon { None, Error, Question };

struct ButtonSpec {
    int id;
    const char* label;
};

std::vector<ButtonSpec> ButtonsOf(unsigned int type)
{
    switch (type & 0xFU) {
    case MB_OKCANCEL:
        return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    default:
        return {{IDOK, "OK"}};
    }
}

BoxIcon IconOf(unsigned int type)
{
    switch (type & 0xF0U) {
    case MB_ICONERROR:
        return BoxIcon::Error;
    case MB_ICONQUESTION:
        return BoxIcon::Question;
    default:
        return BoxIcon::None;
    }
}

// Draws the error or question icon at `size` pixels, anti-aliased by coverage of each pixel.
void DrawBoxIcon(Painter& painter, Point at, int size, BoxIcon icon)
{
    if (icon == BoxIcon::None) {
        return;
    }
    const double r = size / 2.0 - 0.5;
    const double c = size / 2.0;
    const Color fill = icon == BoxIcon::Error ? Rgb(204, 0, 0) : Rgb(255, 255, 255);
    const Color rim = icon == BoxIcon::Error ? Rgb(128, 0, 0) : Rgb(0, 0, 128);
    auto blend = [](Color a, Color b, double t) {
        auto mix = [t](unsigned x, unsigned y) {
            return static_cast<std::uint8_t>(std::lround(x * (1 - t) + y * t));
        };
        return Rgb(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
    };
    constexpr int kSamples = 4;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int inside = 0;
            int onRim = 0;
            int onMark = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples;
                    const double py = y + (sy + 0.5) / kSamples;
                    const double dx = px - c;
                    const double dy = py - c;
                    const double d = std::sqrt(dx * dx + dy * dy);
                    if (d > r) {
                        continue;
                    }
                    ++inside;
                    if (d > r - size / 16.0) {
                        ++onRim;
                        continue;
                    }
                    const double u = dx / r;
                    const double v = dy / r;
                    bool mark = false;
                    if (icon == BoxIcon::Error) {
                        // A white cross of two bars.
                        const double w = 0.13;
                        mark = std::abs(u) < 0.5 && std::abs(v) < 0.5 &&
                               (std::abs(u - v) < w * 1.41 || std::abs(u + v) < w * 1.41);
                    } else {
                        // A question mark: an open hook above a stem and a dot.
                        const double hookR = std::sqrt(u * u + (v + 0.22) * (v + 0.22));
                        const bool hook = hookR > 0.17 && hookR < 0.36 && !(u < 0.05 && v > -0.22);
                        const bool stem = std::abs(u) < 0.095 && v > 0.05 && v < 0.3;
                        const bool dot = std::sqrt(u * u + (v - 0.5) * (v - 0.5)) < 0.11;
                        mark = hook || stem || dot;
                    }
                    onMark += mark ? 1 : 0;
                }
            }
            if (inside == 0) {
                continue;
            }
            const Color markColor = icon == BoxIcon::Error ? Rgb(255, 255, 255) : Rgb(0, 0, 160);
            const double total = kSamples * kSamples;
            Color color = blend(fill, rim, onRim / std::max(1.0, static_cast<double>(inside)));
            color = blend(color, markColor, onMark / std::max(1.0, static_cast<double>(inside)));
            const Color under = painter.Target().At(
                std::clamp(at.x + x + painter.Origin().x, 0, painter.Target().Width() - 1),
                std::clamp(at.y + y + painter.Origin().y, 0, painter.Target().Height() - 1));
            painter.SetPixel(at.x + x, at.y + y, blend(under, color, inside / total));
        }
    }
}

class MessageBoxDialog final : public CDialog {
public:
    MessageBoxDialog(CWnd* owner, unsigned int type) : CDialog(0, owner), m_type(type), m_icon(IconOf(type))
    {
    }

    int Run(const DialogTemplate& layout) { return RunModal(layout); }

    void OnCancel() override
    {
        const auto buttons = ButtonsOf(m_type);
        if (std::any_of(buttons.begin(), buttons.end(),
                        [](const ButtonSpec& b) { return b.id == IDCANCEL; })) {
            EndDialog(IDCANCEL);
        } else if (buttons.size() == 1 && buttons.front().id == IDOK) {
            EndDialog(IDOK);
        }
        // Yes and No must be answered.
    }

    void OnOK() override { EndDialog(IDOK); }

    bool OnCommand(int id, int code) override
    {
        if (code == BN_CLICKED && (id == IDYES || id == IDNO)) {
            EndDialog(id);
            return true;
        }
        return CDialog::OnCommand(id, code);
    }

    void OnDraw(Painter& painter) override
    {
        CDialog::OnDraw(painter);
        DrawBoxIcon(painter, m_iconAt, m_iconSize, m_icon);
    }

    void SetIconPlacement(Point at, int size)
    {
        m_iconAt = at;
        m_iconSize = size;
    }

protected:
    [[nodiscard]] WindowKind NativeKind() const override { return WindowKind::MessageBox; }
    [[nodiscard]] bool CloseBoxEnabled() const override
    {
        const auto buttons = ButtonsOf(m_type);
        return buttons.size() == 1 || buttons.back().id == IDCANCEL;
    }

private:
    unsigned int m_type;
    BoxIcon m_icon;
    Point m_iconAt;
    int m_iconSize = 32;
};

}  // namespace

int ShowMessageBox(CWnd* owner, std::string_view text, std::string_view caption, unsigned int type)
{
    const std::shared_ptr<const Font> font = Font::Load("MS Sans Serif", 8, WindowSystem::Get().Dpi());
    const FontMetrics& m = font->Metrics();
    const double unitX = m.averageCharWidth / 4.0;
    const double unitY = m.height / 8.0;
    auto toUnitsX = [&](int pixels) { return static_cast<int>(std::ceil(pixels / unitX)); };
    auto toUnitsY = [&](int pixels) { return static_cast<int>(std::ceil(pixels / unitY)); };

    const BoxIcon icon = IconOf(type);
    const int iconPixels = GetSystemMetrics(SM_CXICON);
    const int margin = 7;
    const int iconUnits = icon == BoxIcon::None ? 0 : toUnitsX(iconPixels) + 7;
    // Wide enough for a sentence or two a line, narrow enough to sit within its owner.
    const int maxTextPixels = 320 * WindowSystem::Get().Dpi() / 96;
    const auto lines = WrapText(*font, text, maxTextPixels, LongWords::Break);
    int widest = 0;
    for (const auto& line : lines) {
        widest = std::max(widest, font->TextWidth(line.text));
    }
    const int textWidth = toUnitsX(widest + 2);
    const int textHeight = toUnitsY(static_cast<int>(lines.size()) * m.height);
    const int iconHeight = icon == BoxIcon::None ? 0 : toUnitsY(iconPixels);
    const auto buttons = ButtonsOf(type);
    constexpr int kButtonWidth = 50;
    constexpr int kButtonHeight = 14;
    constexpr int kButtonGap = 4;
    const int buttonsWidth = static_cast<int>(buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;

    const int contentWidth = std::max(iconUnits + textWidth, buttonsWidth);
    const int width = contentWidth + 2 * margin;
    const int bodyHeight = std::max(textHeight, iconHeight);
    const int textTop = margin + std::max(0, (iconHeight - textHeight) / 2);
    const int buttonTop = margin + bodyHeight + 9;

    DialogTemplate layout;
    layout.id = -2;
    layout.caption = std::string(caption);
    layout.width = width;
    layout.height = buttonTop + kButtonHeight + margin;
    layout.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    layout.controls.push_back({IDC_MESSAGE_TEXT, ControlKind::StaticText, std::string(text),
                               margin + iconUnits, textTop, textWidth, textHeight, WS_VISIBLE});
    int x = (width - buttonsWidth) / 2;
    bool first = true;
    for (const ButtonSpec& button : buttons) {
        const Style style = WS_VISIBLE | WS_TABSTOP | (first ? BS_DEFPUSHBUTTON | WS_GROUP : WS_NONE);
        layout.controls.push_back({button.id, ControlKind::PushButton, button.label, x, buttonTop,
                                   kButtonWidth, kButtonHeight, style});
        x += kButtonWidth + kButtonGap;
        first = false;
    }

    MessageBoxDialog box(owner, type);
    box.SetIconPlacement(
        {static_cast<int>(std::lround(margin * unitX)), static_cast<int>(std::lround(margin * unitY))},
        iconPixels);
    return box.Run(layout);
}

}  // namespace tk
