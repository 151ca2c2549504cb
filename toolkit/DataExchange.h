#pragma once

#include "toolkit/CString.h"

namespace tk {

class CDialog;
class CWnd;

// One exchange between a dialog's controls and its members: store (controls into members) or load.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate)
    {
    }

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Each throws std::invalid_argument naming the dialog and the id when the dialog has no such control.
void DDX_Text(CDataExchange* exchange, int controlId, CString& value);
// The group that starts at `firstButtonId`: its radio buttons are numbered from 0 in template order.
void DDX_Radio(CDataExchange* exchange, int firstButtonId, int& value);
// Binds `control` to the dialog's control `controlId` the first time; later exchanges change nothing.
void DDX_Control(CDataExchange* exchange, int controlId, CWnd& control);

}  // namespace tk
