#pragma once

#include "toolkit/Window.h"

namespace tk {

// A segmented progress bar: blocks of the highlight colour fill it from the left in proportion to the
// position within the range. Setting the position paints at once, so a bar moves while its owner works.
class CProgressCtrl : public CWnd {
public:
    void SetRange(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int position);
    [[nodiscard]] int GetPos() const { return m_position; }

    void OnDraw(Painter& painter) override;
    void CopyControlState(const CWnd& from) override;

private:
    int m_lower = 0;
    int m_upper = 100;
    int m_position = 0;
};

}  // namespace tk
