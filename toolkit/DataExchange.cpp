#include "toolkit/DataExchange.h"

#include "toolkit/Dialog.h"
#include "toolkit/DialogManager.h"
#include "toolkit/controls/Button.h"

#include <algorithm>
#include <stdexcept>

namespace tk {

namespace {

CWnd& ControlOf(CDataExchange* exchange, int controlId)
{
    CWnd* control = exchange->m_pDlgWnd->GetDlgItem(controlId);
    if (control == nullptr) {
        throw std::invalid_argument("dialog " + std::to_string(exchange->m_pDlgWnd->TemplateId()) +
                                    " has no control with id " + std::to_string(controlId));
    }
    return *control;
}

}  // namespace

void DDX_Text(CDataExchange* exchange, int controlId, CString& value)
{
    CWnd& control = ControlOf(exchange, controlId);
    if (exchange->m_bSaveAndValidate) {
        value = control.GetWindowText();
    } else {
        control.SetWindowText(value.Str());
    }
}

void DDX_Radio(CDataExchange* exchange, int firstButtonId, int& value)
{
    CWnd& first = ControlOf(exchange, firstButtonId);
    int number = 0;
    if (exchange->m_bSaveAndValidate) {
        value = -1;
    }
    for (CWnd* member : ControlGroup(first)) {
        auto* radio = dynamic_cast<CButton*>(member);
        if (radio == nullptr || radio->GetKind() != CButton::Kind::Radio) {
            continue;
        }
        if (exchange->m_bSaveAndValidate) {
            if (radio->GetCheck() == BST_CHECKED) {
                value = number;
            }
        } else {
            radio->SetCheck(number == value ? BST_CHECKED : BST_UNCHECKED);
        }
        ++number;
    }
}

void DDX_Control(CDataExchange* exchange, int controlId, CWnd& control)
{
    if (control.IsCreated()) {
        return;
    }
    CWnd& created = ControlOf(exchange, controlId);
    if (typeid(created) != typeid(control)) {
        throw std::invalid_argument("control " + std::to_string(controlId) + " of dialog " +
                                    std::to_string(exchange->m_pDlgWnd->TemplateId()) + " is not a " +
                                    typeid(control).name());
    }
    control.TakeOver(created);
}

}  // namespace tk
