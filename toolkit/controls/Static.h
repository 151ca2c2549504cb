#pragma once

#include "toolkit/Window.h"

namespace tk {

// Static controls: word-wrapped text, a black frame that leaves its inside to the parent, or the etched
// separator line. They take neither focus nor the mouse.
class CStatic : public CWnd {
public:
    enum class Kind { Text, BlackFrame, EtchedHorizontal };

    explicit CStatic(Kind kind = Kind::Text) : m_kind(kind) {}

    [[nodiscard]] Kind GetKind() const { return m_kind; }
    void OnDraw(Painter& painter) override;
    [[nodiscard]] unsigned int GetDlgCode() const override { return DLGC_STATIC; }
    [[nodiscard]] bool IsHitTransparent() const override { return true; }
    void CopyControlState(const CWnd& from) override;

private:
    Kind m_kind;
};

}  // namespace tk
