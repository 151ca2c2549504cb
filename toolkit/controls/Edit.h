#pragma once

#include "toolkit/Window.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/gfx/TextLayout.h"

#include <vector>

namespace tk {

// A multi-line text box in read-only mode: it wraps its text at its width, shows the text's line breaks
// and scrolls vertically by scroll bar, keyboard and wheel.
class CEdit : public CWnd {
public:
    void SetWindowText(std::string_view text) override;
    [[nodiscard]] int GetFirstVisibleLine() const { return m_topLine; }
    [[nodiscard]] int GetLineCount();
    void LineScroll(int lines);

    void OnDraw(Painter& painter) override;
    [[nodiscard]] unsigned int GetDlgCode() const override;
    [[nodiscard]] bool CanTakeFocus() const override { return true; }
    void OnKeyDown(const KeyPress& key) override;
    void OnMouseDown(Point point) override;
    void OnMouseUp(Point point) override;
    void OnMouseMove(Point point) override;
    void OnMouseWheel(int steps) override;
    void CopyControlState(const CWnd& from) override;

private:
    [[nodiscard]] int BorderWidth() const;
    [[nodiscard]] Rect TextArea() const;
    [[nodiscard]] int VisibleLines() const;
    VerticalScrollBar ScrollBar();
    void Relayout();
    void ScrollTo(int line);

    std::vector<TextLine> m_lines;
    int m_layoutWidth = -1;
    int m_topLine = 0;
    VerticalScrollBar::Part m_pressed = VerticalScrollBar::Part::None;
    int m_dragOffset = 0;
};

}  // namespace tk
