#include "app/quorvel_app.h"

#include "app/messages.h"
#include "ui/main_dialog.h"
#include "ui/utf8_text.h"

#include <wx/init.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include <iostream>

namespace quorvel::ui {

bool QuorvelApp::OnInit() {
    auto* dialog = new MainDialog();
    const std::string address = InitialDialogAddress(m_args);
    if (!address.empty()) {
        dialog->SetInitialAddress(wxString::FromUTF8(address));
    }
    if (dialog->GetHandle() == nullptr) {
        wxMessageBox(FromUtf8(app_msg::kDialogCreateFailed), wxMessageBoxCaptionStr, wxOK);
    } else {
        SetTopWindow(dialog);
        dialog->ShowModal();
    }
    dialog->Destroy();
    return false;
}

} // namespace quorvel::ui

namespace quorvel {

int RunInteractive(int argc, char** argv, CommandLine args) {
    wxApp::SetInstance(new ui::QuorvelApp(std::move(args)));
    bool started = false;
    {
        const wxLogNull quiet; // our own line below says it better than the toolkit's log
        started = wxEntryStart(argc, argv);
    }
    if (!started) {
        std::cerr << app_msg::kNoDisplay << '\n';
        return 1;
    }
    wxTheApp->CallOnInit();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}

} // namespace quorvel
