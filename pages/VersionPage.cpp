#include "pages/VersionPage.h"

#include "toolkit/DataExchange.h"

void CVersionPage::DoDataExchange(tk::CDataExchange* pDX)
{
    tk::DDX_Radio(pDX, IDC_COLOR, m_nVersion);
}
