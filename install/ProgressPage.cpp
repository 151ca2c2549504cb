#include "install/ProgressPage.h"

#include "toolkit/DataExchange.h"

void CProgressPage::DoDataExchange(tk::CDataExchange* pDX)
{
    tk::DDX_Control(pDX, IDC_PROGRESS, m_progress);
    tk::DDX_Text(pDX, IDC_STATUS, m_strStatus);
}
