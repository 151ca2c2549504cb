#pragma once

#include "toolkit/Window.h"
#include "toolkit/controls/ScrollBar.h"

#include <string>
#include <vector>

namespace tk {

constexpr int CB_ERR = -1;

// A drop-down list without an edit field: a field showing the selection, an arrow button, and a list
// that drops down over the dialog. Sorted lists keep their entries in alphabetical order.
class CComboBox : public CWnd {
public:
    int AddString(std::string_view text);
    void ResetContent();
    [[nodiscard]] int GetCount() const { return static_cast<int>(m_items.size()); }
    [[nodiscard]] int GetCurSel() const { return m_selection; }
    int SetCurSel(int index);  // from code: no notification
    void GetLBText(int index, CString& text) const;
    [[nodiscard]] bool GetDroppedState() const { return m_dropped; }
    void ShowDropDown(bool show);
    // The template's height is how far the list drops; the control itself is as high as its field.
    void SetDroppedHeight(int pixels);

    [[nodiscard]] CString GetWindowText() const override;
    void OnDraw(Painter& painter) override;
    void DrawDroppedList(Painter& topLevelPainter);
    [[nodiscard]] Rect DroppedListRect() const;  // in the top-level window's client coordinates
    [[nodiscard]] unsigned int GetDlgCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    [[nodiscard]] bool CanTakeFocus() const override { return true; }
    void OnKeyDown(const KeyPress& key) override;
    void OnMouseDown(Point point) override;
    void OnMouseUp(Point point) override;
    void OnMouseMove(Point point) override;
    void OnMouseWheel(int steps) override;
    void CopyControlState(const CWnd& from) override;
    // Input while the list is dropped down; points in the top-level window's client coordinates.
    void OnPopupMouseDown(Point point);
    void OnPopupMouseMove(Point point);
    void OnPopupMouseUp(Point point);

private:
    [[nodiscard]] int FieldHeight() const;
    [[nodiscard]] int ItemHeight() const;
    [[nodiscard]] int VisibleItems() const;
    [[nodiscard]] VerticalScrollBar ListScrollBar() const;
    void SelectByUser(int index);
    void EnsureVisible(int index);

    std::vector<std::string> m_items;
    int m_selection = CB_ERR;
    bool m_dropped = false;
    int m_hot = CB_ERR;  // the entry under the pointer or the keyboard while dropped
    int m_topIndex = 0;  // first entry shown in the dropped list
    bool m_draggingThumb = false;
    int m_dragOffset = 0;
    int m_dropHeight = 0;  // the control's template height: how far the list drops
};

}  // namespace tk
