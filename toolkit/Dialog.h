#pragma once

#include "toolkit/DialogTemplate.h"
#include "toolkit/Window.h"
#include "toolkit/display/Display.h"

#include <memory>

namespace tk {

class CDataExchange;

// A dialog built from a template: modal and top-level (DoModal), or a child that groups controls inside
// its parent (Create).
class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the window, runs it until EndDialog and destroys it again; -1 when the template is missing
    // or the window cannot be created.
    virtual int DoModal();
    // Creates the dialog as a child of `parent`; false when the template is missing or creation failed.
    bool Create(int templateId, CWnd* parent);

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);

    bool UpdateData(bool saveAndValidate = true);
    virtual void DoDataExchange(CDataExchange* exchange);

    void MapDialogRect(Rect* rect) const;
    [[nodiscard]] int GetDefID() const { return m_defaultId; }
    void SetDefID(int id);
    [[nodiscard]] int TemplateId() const { return m_templateId; }

    bool OnCommand(int id, int code) override;
    void OnCloseRequest() override;
    void OnDraw(Painter& painter) override;

protected:
    // Default processing of window creation, before the template's controls exist: succeeds (0).
    virtual int OnCreate(CreateStruct* create);
    // Lets a window kind other than a dialog (a message box) say how its native window behaves.
    [[nodiscard]] virtual WindowKind NativeKind() const { return WindowKind::Dialog; }
    [[nodiscard]] virtual bool CloseBoxEnabled() const { return true; }
    // The modal run of DoModal over a template already at hand.
    int RunModal(const DialogTemplate& dialog);
    // Builds the window from a template already found; shared by DoModal, Create and message boxes.
    bool CreateFromTemplate(const DialogTemplate& dialog, CWnd* parent);

private:
    void CreateControls(const DialogTemplate& dialog);
    [[nodiscard]] Point CentredPosition(Size size) const;

    int m_templateId;
    CWnd* m_parentOrOwner;
    int m_defaultId = IDOK;
    int m_modalResult = -1;
    bool m_modalDone = false;
};

}  // namespace tk
