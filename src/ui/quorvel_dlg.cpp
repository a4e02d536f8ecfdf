// The dialog's creation and opening: controls, images, fonts and the Enter key in the address box.

#include "ui/quorvel_dlg.h"

#include "ui/messages.h"
#include "ui/tree_sort.h"

#include <wx/button.h>
#include <wx/fontenum.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

using quorvel::ui::kButtonOpen;
using quorvel::ui::kButtonParse;
using quorvel::ui::kCaption;
using quorvel::ui::kLabelAddress;
using quorvel::ui::kLabelInterfaces;
using quorvel::ui::kLabelMessage;

wxBEGIN_EVENT_TABLE(CQuorvelDlg, wxDialog) EVT_BUTTON(IDC_BTN_OPEN, CQuorvelDlg::OnBnClickedOpen)
    EVT_BUTTON(IDC_BTN_PARSE, CQuorvelDlg::OnBnClickedParse)
        EVT_TREE_SEL_CHANGED(IDC_TREE_SERVICES, CQuorvelDlg::OnTvnSelchangedTree)
            EVT_TIMER(IDT_AUTO_PARSE, CQuorvelDlg::OnTimer) EVT_SIZE(CQuorvelDlg::OnSize)
                EVT_LEFT_DOWN(CQuorvelDlg::OnLButtonDown) EVT_LEFT_UP(CQuorvelDlg::OnLButtonUp)
                    EVT_MOTION(CQuorvelDlg::OnMouseMove) EVT_SET_CURSOR(CQuorvelDlg::OnSetCursor)
                        EVT_MOUSE_CAPTURE_LOST(CQuorvelDlg::OnMouseCaptureLost)
                            EVT_INIT_DIALOG(CQuorvelDlg::OnInitDialog)
                                EVT_CHAR_HOOK(CQuorvelDlg::PreTranslateMessage) wxEND_EVENT_TABLE()

                                    namespace {

    // The dialog's size in dialog units: client area, converted with the dialog font.
    const wxSize kDialogUnits(560, 360);

} // namespace

CQuorvelDlg::CQuorvelDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(kCaption), wxPoint(0, 0), wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxRESIZE_BORDER | wxMINIMIZE_BOX | wxMAXIMIZE_BOX | wxCLOSE_BOX),
      m_hSplitCursor(wxCURSOR_SIZEWE), m_autoParseTimer(this, IDT_AUTO_PARSE) {
    CreateControls();
    BuildTreeImages();
    m_treeServices->SetImageList(&m_imageList);
    SetMessagePaneFont();
    OnGetMinMaxInfo();
    SetClientSize(ConvertDialogToPixels(kDialogUnits));
}

CQuorvelDlg::~CQuorvelDlg() {
    // The items point into m_requestTexts and the tree draws from m_imageList: detach both first.
    m_treeServices->DeleteAllItems();
    m_treeServices->SetImageList(nullptr);
}

// Controls in tab order; positions and sizes come from LayoutControls.
void CQuorvelDlg::CreateControls() {
    new wxStaticText(this, IDC_STATIC_ADDRESS, wxString::FromUTF8(kLabelAddress));
    m_editAddress = new wxTextCtrl(this, IDC_EDIT_ADDRESS, wxEmptyString);
    new wxButton(this, IDC_BTN_OPEN, wxString::FromUTF8(kButtonOpen));
    new wxStaticText(this, IDC_STATIC_INTERFACES, wxString::FromUTF8(kLabelInterfaces));
    m_treeServices = new CServiceTreeCtrl(this, IDC_TREE_SERVICES,
                                          wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT |
                                              wxTR_SINGLE | wxBORDER_SIMPLE);
    m_treeServices->AddRoot(wxEmptyString);
    new wxStaticText(this, IDC_STATIC_MESSAGE, wxString::FromUTF8(kLabelMessage));
    m_editMessage = new wxTextCtrl(this, IDC_EDIT_MESSAGE, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                   wxTE_MULTILINE);
    m_btnParse =
        new wxButton(this, IDC_BTN_PARSE, wxString::FromUTF8(kButtonParse), wxPoint(0, 0), wxSize(50, 24));
    m_splitter = new wxStaticLine(this, IDC_SPLITTER, wxPoint(0, 0), wxSize(4, 100), wxLI_VERTICAL);
    ForwardSplitterEventsFrom(m_treeServices);
    ForwardSplitterEventsFrom(m_editMessage);
    ForwardSplitterEventsFrom(m_splitter);
}

// "Consolas" at the dialog font's size where that face is installed, else the platform's fixed-pitch
// face; every other property stays the dialog font's.
void CQuorvelDlg::SetMessagePaneFont() {
    wxFont font = GetFont();
    if (wxFontEnumerator::IsValidFacename("Consolas")) {
        font.SetFaceName("Consolas");
    } else {
        font.SetFamily(wxFONTFAMILY_TELETYPE);
    }
    m_editMessage->SetFont(font);
}

// Runs when the dialog is shown: the split starts at 35 % of the client width, and an address from
// the command line is put into the box and loaded once, 50 ms later.
void CQuorvelDlg::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    m_editAddress->ChangeValue(wxEmptyString);
    m_editMessage->ChangeValue(wxEmptyString);
    m_nSplitPos = GetClientSize().x * 35 / 100;
    LayoutControls();
    if (!m_strInitialAddress.empty()) {
        m_editAddress->ChangeValue(m_strInitialAddress);
        m_autoParseTimer.Start(50);
    }
    m_editAddress->SetFocus();
}

// Sees every key before the focused control: Enter in the address box loads and goes no further;
// Escape closes the dialog; everything else takes its normal course.
void CQuorvelDlg::PreTranslateMessage(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && FindFocus() == m_editAddress) {
        ParseAddress();
        return;
    }
    if (key == WXK_ESCAPE) {
        Close();
        return;
    }
    event.Skip();
}
