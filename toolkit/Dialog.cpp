#include "toolkit/Dialog.h"

#include "toolkit/DataExchange.h"
#include "toolkit/DialogManager.h"
#include "toolkit/WindowSystem.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/ComboBox.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/ProgressCtrl.h"
#include "toolkit/controls/Static.h"
#include "toolkit/gfx/Font.h"
#include "toolkit/gfx/Painter.h"

#include <algorithm>
#include <cstdio>

namespace tk {

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_parentOrOwner(parent) {}

CDialog::~CDialog()
{
    DestroyWindow();
}

namespace {

std::unique_ptr<CWnd> MakeControl(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
        return std::make_unique<CButton>(CButton::Kind::Push);
    case ControlKind::AutoRadioButton:
        return std::make_unique<CButton>(CButton::Kind::Radio);
    case ControlKind::StaticText:
        return std::make_unique<CStatic>(CStatic::Kind::Text);
    case ControlKind::StaticBlackFrame:
        return std::make_unique<CStatic>(CStatic::Kind::BlackFrame);
    case ControlKind::StaticEtchedHorz:
        return std::make_unique<CStatic>(CStatic::Kind::EtchedHorizontal);
    case ControlKind::Edit:
        return std::make_unique<CEdit>();
    case ControlKind::ComboBoxDropList:
        return std::make_unique<CComboBox>();
    case ControlKind::ProgressBar:
        return std::make_unique<CProgressCtrl>();
    }
    return std::make_unique<CWnd>();
}

bool IsInTree(const CWnd& root, const CWnd* candidate)
{
    if (&root == candidate) {
        return true;
    }
    return std::any_of(root.Children().begin(), root.Children().end(),
                       [candidate](const CWnd* child) { return IsInTree(*child, candidate); });
}

// Statics open a new group of their own; a control's group ends where the next group starts.
Style ImpliedStyle(const ControlTemplate& control)
{
    Style style = control.style | WS_CHILD;
    switch (control.kind) {
    case ControlKind::StaticText:
    case ControlKind::StaticBlackFrame:
    case ControlKind::StaticEtchedHorz:
        style = style | WS_GROUP;
        break;
    default:
        break;
    }
    return style;
}

}  // namespace

void CDialog::CreateControls(const DialogTemplate& dialog)
{
    for (const ControlTemplate& control : dialog.controls) {
        std::unique_ptr<CWnd> window = MakeControl(control.kind);
        CWnd* raw = window.get();
        const Rect rect = Rect::FromPointSize({MapDialogX(control.x), MapDialogY(control.y)},
                                              {MapDialogX(control.width), MapDialogY(control.height)});
        raw->AttachToParent(this, rect, control.id, ImpliedStyle(control), control.exStyle, control.text);
        AdoptChild(std::move(window));
        if (auto* combo = dynamic_cast<CComboBox*>(raw)) {
            combo->SetDroppedHeight(rect.Height());
        }
        if ((control.style & BS_DEFPUSHBUTTON) != 0) {
            m_defaultId = control.id;
        }
    }
}

Point CDialog::CentredPosition(Size size) const
{
    const Size screen = WindowSystem::Get().GetDisplay().ScreenSize();
    return {(screen.width - size.width) / 2, (screen.height - size.height) / 2};
}

bool CDialog::CreateFromTemplate(const DialogTemplate& dialog, CWnd* parent)
{
    WindowSystem& system = WindowSystem::Get();
    m_font = Font::Load(dialog.font.family, dialog.font.points, system.Dpi());
    const bool child = (dialog.style & WS_CHILD) != 0;
    const Size size{MapDialogX(dialog.width), MapDialogY(dialog.height)};
    const Style visible = static_cast<Style>(dialog.style & WS_VISIBLE);
    const auto initialStyle = static_cast<Style>(dialog.style & ~static_cast<std::uint32_t>(WS_VISIBLE));
    if (child) {
        const Rect rect = Rect::FromPointSize({MapDialogX(dialog.x), MapDialogY(dialog.y)}, size);
        AttachToParent(parent, rect, dialog.id, initialStyle | visible, dialog.exStyle, dialog.caption);
    } else {
        AttachToParent(nullptr, Rect::FromPointSize({}, size), 0, initialStyle, dialog.exStyle,
                       dialog.caption);
        m_parentOrOwner = parent;
        Point position{MapDialogX(dialog.x), MapDialogY(dialog.y)};
        const bool ownedBox = NativeKind() == WindowKind::MessageBox && parent != nullptr;
        if (ownedBox) {
            Rect owner;
            parent->GetTopLevel()->GetWindowRect(&owner);
            position = {owner.left + (owner.Width() - size.width) / 2,
                        owner.top + (owner.Height() - size.height) / 2};
        } else if ((dialog.style & DS_CENTER) != 0 || (position.x == 0 && position.y == 0)) {
            position = CentredPosition(size);
        }
        m_rect = Rect::FromPointSize(position, size);
        WindowDescription description;
        description.title = dialog.caption;
        description.clientSize = size;
        description.position = position;
        description.kind = NativeKind();
        description.closeBoxEnabled = CloseBoxEnabled();
        if (parent != nullptr && parent->GetTopLevel()->IsTopLevel()) {
            description.owner = parent->GetTopLevel()->m_topLevel->native;
        }
        system.CreateNative(*this, description);
    }

    CreateStruct create{dialog.id};
    const MessageMapBase* map = GetMessageMap();
    std::optional<int> created = map != nullptr ? map->Create(*this, &create) : std::nullopt;
    const int result = created ? *created : OnCreate(&create);
    if (result == -1) {
        DestroyWindow();
        return false;
    }
    CreateControls(dialog);
    if (OnInitDialog()) {
        if (!child) {
            if (CWnd* first = FirstTabStop(*this)) {
                first->SetFocus();
            }
        }
    }
    return true;
}

int CDialog::OnCreate(CreateStruct* /*create*/)
{
    return 0;
}

int CDialog::DoModal()
{
    const DialogTemplate* dialog = AfxGetResourceHandle().FindDialog(m_templateId);
    if (dialog == nullptr) {
        std::fprintf(stderr, "dialog template %d is missing\n", m_templateId);
        return -1;
    }
    return RunModal(*dialog);
}

int CDialog::RunModal(const DialogTemplate& dialog)
{
    CWnd* owner = m_parentOrOwner != nullptr ? m_parentOrOwner->GetTopLevel() : nullptr;
    m_modalDone = false;
    m_modalResult = -1;
    CWnd* focusBefore = owner != nullptr ? GetFocus() : nullptr;
    try {
        if (!CreateFromTemplate(dialog, owner)) {
            return -1;
        }
    } catch (...) {
        // An error while the dialog initialises (a data exchange naming a missing control) must not
        // leave a half-built window on the screen for the caller who handles it.
        DestroyWindow();
        throw;
    }
    // A modal window disables its owner until it ends, so only the window on top takes input.
    const bool ownerWasEnabled = owner != nullptr && owner->IsWindowEnabled();
    if (ownerWasEnabled) {
        owner->ModifyStyle(WS_NONE, WS_DISABLED);
    }
    ShowWindow(SW_SHOW);
    struct ModalEnd {
        CDialog& dialog;
        CWnd* owner;
        bool reenable;
        CWnd* focus;
        ~ModalEnd()
        {
            dialog.DestroyWindow();
            if (reenable && owner != nullptr && owner->IsCreated()) {
                owner->ModifyStyle(WS_DISABLED, WS_NONE);
                // Compared by address first: the window that had the focus may be gone by now.
                if (focus != nullptr && IsInTree(*owner, focus)) {
                    focus->SetFocus();
                }
            }
        }
    } end{*this, owner, ownerWasEnabled, focusBefore};
    WindowSystem::Get().RunModalLoop(*this, m_modalDone);
    return m_modalResult;
}

bool CDialog::Create(int templateId, CWnd* parent)
{
    m_templateId = templateId;
    const DialogTemplate* dialog = AfxGetResourceHandle().FindDialog(templateId);
    if (dialog == nullptr || parent == nullptr || !parent->IsCreated()) {
        if (dialog == nullptr) {
            std::fprintf(stderr, "dialog template %d is missing\n", templateId);
        }
        return false;
    }
    return CreateFromTemplate(*dialog, parent);
}

bool CDialog::OnInitDialog()
{
    if (!UpdateData(false)) {
        EndDialog(-1);
        return false;
    }
    return true;
}

void CDialog::OnOK()
{
    if (!UpdateData(true)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int result)
{
    m_modalResult = result;
    m_modalDone = true;
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return true;
}

void CDialog::DoDataExchange(CDataExchange* /*exchange*/) {}

void CDialog::MapDialogRect(Rect* rect) const
{
    *rect = {MapDialogX(rect->left), MapDialogY(rect->top), MapDialogX(rect->right),
             MapDialogY(rect->bottom)};
}

void CDialog::SetDefID(int id)
{
    m_defaultId = id;
    Invalidate();
}

bool CDialog::OnCommand(int id, int code)
{
    if (CWnd::OnCommand(id, code)) {
        return true;
    }
    if (code != BN_CLICKED) {
        return false;
    }
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::OnCloseRequest()
{
    OnCommand(IDCANCEL, BN_CLICKED);
}

void CDialog::OnDraw(Painter& painter)
{
    Rect client;
    GetClientRect(&client);
    painter.FillRect(client, colors::ButtonFace);
}

}  // namespace tk
