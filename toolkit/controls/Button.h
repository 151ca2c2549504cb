#pragma once

#include "toolkit/Window.h"

namespace tk {

constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

// Push buttons and automatic radio buttons: one press-and-release cycle with capture; the kind decides
// what a click means and how the button looks.
class CButton : public CWnd {
public:
    enum class Kind { Push, Radio };

    CButton() = default;
    explicit CButton(Kind kind) : m_kind(kind) {}

    [[nodiscard]] Kind GetKind() const { return m_kind; }
    [[nodiscard]] int GetCheck() const { return m_checked ? BST_CHECKED : BST_UNCHECKED; }
    void SetCheck(int check);
    [[nodiscard]] bool IsPushed() const { return m_pushed; }
    // True when the button wears the default frame now: it has the focus, or it is the dialog's default
    // button and no other push button has the focus.
    [[nodiscard]] bool LooksDefault() const;

    void Click() override;
    void OnDraw(Painter& painter) override;
    [[nodiscard]] unsigned int GetDlgCode() const override;
    [[nodiscard]] bool CanTakeFocus() const override { return true; }
    void OnKeyDown(const KeyPress& key) override;
    void OnMouseDown(Point point) override;
    void OnMouseUp(Point point) override;
    void OnMouseMove(Point point) override;
    void CopyControlState(const CWnd& from) override;

private:
    void DrawPush(Painter& painter);
    void DrawRadio(Painter& painter);

    Kind m_kind = Kind::Push;
    bool m_checked = false;
    bool m_pushed = false;
    bool m_tracking = false;
};

}  // namespace tk
