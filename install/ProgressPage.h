#pragma once

#include "resources/ResourceIds.h"
#include "toolkit/Dialog.h"
#include "toolkit/controls/ProgressCtrl.h"

// The page shown while the run hands the files over: the current file's name and a progress bar.
class CProgressPage : public tk::CDialog {
public:
    explicit CProgressPage(tk::CWnd* pParent = nullptr) : tk::CDialog(IDD_PROGRESS, pParent), m_strStatus("")
    {
    }

    void DoDataExchange(tk::CDataExchange* pDX) override;

    tk::CProgressCtrl m_progress;
    tk::CString m_strStatus;
};
