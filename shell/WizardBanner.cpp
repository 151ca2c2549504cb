#include "resources/ResourceIds.h"
#include "shell/SetupWizardDlg.h"
#include "toolkit/Gdi.h"

namespace {
// A banner frame this wide or narrower gets the small picture.
constexpr int kSmallBannerMaxWidth = 105;
}  // namespace

void CSetupWizardDlg::OnPaint()
{
    tk::CPaintDC dc(this);
    if (IsIconic()) {
        SendMessage(tk::WM_ICONERASEBKGND, &dc);
        const int cxIcon = tk::GetSystemMetrics(tk::SM_CXICON);
        const int cyIcon = tk::GetSystemMetrics(tk::SM_CYICON);
        tk::Rect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - cxIcon + 1) / 2;
        const int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
        return;
    }

    tk::Rect rect;
    GetDlgItem(IDC_BANNER)->GetWindowRect(&rect);
    ScreenToClient(&rect);
    const int width = rect.right - rect.left;
    tk::CBitmap bitmap;
    if (!bitmap.LoadBitmap(width <= kSmallBannerMaxWidth ? IDB_BANNER_SMALL : IDB_BANNER_LARGE)) {
        return;
    }
    tk::BITMAP info;
    bitmap.GetBitmap(&info);
    tk::CDC memory;
    memory.CreateCompatibleDC(&dc);
    tk::CBitmap* previous = memory.SelectObject(&bitmap);
    dc.SetStretchBltMode(tk::HALFTONE);
    dc.StretchBlt(rect.left, rect.top, width, rect.bottom - rect.top, &memory, 0, 0, info.bmWidth,
                  info.bmHeight, tk::SRCCOPY);
    memory.SelectObject(previous);
    memory.DeleteDC();
    bitmap.DeleteObject();
}
