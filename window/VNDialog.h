// The base class of every dialog of the suite. A dialog is made from a
// template of the program's resources (resources/), shown modally or
// modelessly, and its messages call the virtual handlers below (in slot
// order). Subclasses reach their controls by id through Controls(); no
// dialog class touches a toolkit widget.
//
// Every shown dialog is registered in one instance table of
// VND_INSTANCES_MAX slots while its window exists.
#pragma once

#include "platform/DialogHost.h"
#include "platform/Handle.h"
#include "platform/Message.h"
#include "scenario/VNString.h"

#include <memory>
#include <string>

constexpr int VND_INSTANCES_MAX = 256;

class VNDialog {
public:
    VNDialog();
    // The dialog must have ended first ("hWnd == NULL").
    virtual ~VNDialog();
    VNDialog(const VNDialog&) = delete;
    VNDialog& operator=(const VNDialog&) = delete;

    // Slot 0: WM_INITDIALOG, after the handle is stored, the dialog
    // registered and the caption set. The base returns true.
    virtual bool OnInit();
    // Slot 1: WM_CLOSE. The base ends the dialog with 0.
    virtual void OnClose();
    // Slot 2: WM_DROPFILES (templates that accept files).
    virtual void OnDropFiles(const platform::DropFiles& drop);
    // Slot 3: WM_COMMAND, wparam = control id | notification << 16, lparam
    // the control's handle (0 for menus). The base ends the dialog with 1
    // for control 1 (OK) and 0 for control 2 (Cancel).
    virtual void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam);
    // Slot 4: WM_SIZE, the client area's size.
    virtual void OnSize(int width, int height);
    // Slot 5: WM_DRAWITEM for owner-drawn buttons.
    virtual void OnDrawItem(int controlId, platform::DrawItem& item);

    // Runs the dialog modally and returns the value it was ended with; -1
    // when it could not be made. An empty caption keeps the template's.
    int ShowModal(const VNString& caption, const std::string& templateName,
                  platform::WindowHandle parent);
    // Shows the dialog modelessly; true when its window exists.
    bool ShowModeless(const VNString& caption, const std::string& templateName,
                      platform::WindowHandle parent);
    // Ends a shown dialog with 0 (a modeless dialog's window goes away) and
    // unregisters it. Nothing happens when no dialog is shown.
    void End();
    platform::WindowHandle Handle() const { return hWnd; }
    const VNString& Caption() const { return caption_; }

    // The dialog's controls by id; usable while the dialog is shown.
    platform::DialogHost& Controls() { return *host_; }
    const platform::DialogHost& Controls() const { return *host_; }

    // The registered dialog with this handle, or null.
    static VNDialog* FromHandle(platform::WindowHandle handle);
    static int InstanceCount();

protected:
    // Ends the dialog with `result` and forgets the handle.
    void EndDialog(int result);

private:
    class Sink;
    void Forget();

    platform::WindowHandle hWnd = nullptr;
    VNString caption_;
    bool registered_ = false;
    std::unique_ptr<Sink> sink_;
    std::unique_ptr<platform::DialogHost> host_;
};
