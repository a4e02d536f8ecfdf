#pragma once
// The main dialog. (Interface agreed with the application shell; the UI owner fills in the rest.)

#include <wx/dialog.h>
#include <wx/string.h>

class CQuorvelDlg : public wxDialog {
public:
    explicit CQuorvelDlg(wxWindow* parent = nullptr);

    // Address named on the command line; loaded automatically shortly after the dialog opens.
    wxString m_strInitialAddress;
};
