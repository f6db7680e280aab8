#pragma once
// A small base for the program's modal dialogs. The object pointer arrives in lParam at WM_INITDIALOG and
// is kept in the window's user data; the dialog procedure then dispatches to named handlers. Owner-draw
// requests are reflected back to the control that asked, so a subclassed control (an Image Button) paints
// itself.

#include <windows.h>

namespace tagmora {

// WM_DRAWITEM as reflected to the control it concerns (the value the OLE control convention uses).
constexpr UINT kReflectedDrawItem = WM_USER + 0x1C00 + WM_DRAWITEM;

class Dialog {
  public:
    Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally from the program's own resources; the result of EndDialog, or -1 when the
    // dialog could not be created.
    INT_PTR RunModal();

    HWND Window() const { return window_; }
    int TemplateId() const { return templateId_; }

  protected:
    // Return TRUE to let the system set the default focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A command from a control or an accelerator; true when handled. IDOK and IDCANCEL go to OnOK and
    // OnCancel unless handled here first.
    virtual bool OnCommand(int controlId, int notification, HWND control) { return false; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Return false for the default processing afterwards.
    virtual bool OnTimer(UINT_PTR timerId) { return false; }
    virtual bool OnPaint() { return false; }
    virtual void OnSize(UINT kind, int width, int height) {}
    virtual void OnMove(int x, int y) {}
    // Any other message. Set handled to report it processed; the result is the dialog procedure's result
    // (for most messages a nonzero value means "processed"; use SetMessageResult for a message's own
    // result value).
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) { return FALSE; }
    // After WM_NCDESTROY: the window is gone.
    virtual void OnWindowGone() {}

    void EndDialog(INT_PTR result);
    // Puts the dialog over the middle of its owner, kept inside the owner's monitor's work area. The
    // template's own centring is relative to the screen.
    void CentreOverOwner();
    // DWLP_MSGRESULT: the value a message such as WM_NOTIFY reports back to its sender.
    void SetMessageResult(LRESULT result);
    HWND Item(int controlId) const { return GetDlgItem(window_, controlId); }
    HWND Parent() const { return parent_; }

  private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND parent_;
    HWND window_ = nullptr;
};

}  // namespace tagmora
