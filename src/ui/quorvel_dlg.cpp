// The dialog's creation and opening: controls, images, fonts and the Enter key in the address box.

#include "ui/quorvel_dlg.h"

#include "ui/messages.h"
#include "ui/request_pane.h"
#include "ui/tree_sort.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/fontenum.h>
#include <wx/srchctrl.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

using quorvel::ui::kButtonOpen;
using quorvel::ui::kButtonParse;
using quorvel::ui::kCaption;
using quorvel::ui::kCheckFollowImports;
using quorvel::ui::kFilterHint;
using quorvel::ui::kLabelAddress;
using quorvel::ui::kLabelInterfaces;
using quorvel::ui::kLabelMessage;

// clang-format off
wxBEGIN_EVENT_TABLE(CQuorvelDlg, wxDialog)
    EVT_BUTTON(IDC_BTN_OPEN, CQuorvelDlg::OnBnClickedOpen)
    EVT_BUTTON(IDC_BTN_PARSE, CQuorvelDlg::OnBnClickedParse)
    EVT_TREE_SEL_CHANGED(IDC_TREE_SERVICES, CQuorvelDlg::OnTvnSelchangedTree)
    EVT_TREE_SEL_CHANGED(IDC_TREE_FILTERED, CQuorvelDlg::OnTvnSelchangedTree)
    EVT_TIMER(IDT_AUTO_PARSE, CQuorvelDlg::OnTimer)
    EVT_SIZE(CQuorvelDlg::OnSize)
    EVT_LEFT_DOWN(CQuorvelDlg::OnLButtonDown)
    EVT_LEFT_UP(CQuorvelDlg::OnLButtonUp)
    EVT_MOTION(CQuorvelDlg::OnMouseMove)
    EVT_SET_CURSOR(CQuorvelDlg::OnSetCursor)
    EVT_MOUSE_CAPTURE_LOST(CQuorvelDlg::OnMouseCaptureLost)
    EVT_INIT_DIALOG(CQuorvelDlg::OnInitDialog)
    EVT_CHAR_HOOK(CQuorvelDlg::PreTranslateMessage)
    EVT_CLOSE(CQuorvelDlg::OnClose)
    EVT_TEXT(IDC_EDIT_FILTER, CQuorvelDlg::OnFilterText)
    EVT_TREE_ITEM_MENU(IDC_TREE_SERVICES, CQuorvelDlg::OnTreeContextMenu)
    EVT_TREE_ITEM_MENU(IDC_TREE_FILTERED, CQuorvelDlg::OnTreeContextMenu)
    EVT_MENU(IDM_COPY_REQUEST, CQuorvelDlg::OnCopyRequest)
    EVT_MENU(IDM_SAVE_REQUEST, CQuorvelDlg::OnSaveRequest)
    EVT_MENU(IDM_EXPORT_ALL, CQuorvelDlg::OnExportAll)
wxEND_EVENT_TABLE();
// clang-format on

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
    m_treeFiltered->SetImageList(&m_imageList);
    SetMessagePaneFont();
    OnGetMinMaxInfo();
    SetClientSize(ConvertDialogToPixels(kDialogUnits));
    Bind(quorvel::ui::EVT_LOAD_PROGRESS, &CQuorvelDlg::OnLoadProgress, this);
    Bind(quorvel::ui::EVT_LOAD_FINISHED, &CQuorvelDlg::OnLoadFinished, this);
}

CQuorvelDlg::~CQuorvelDlg() {
    m_loader.Stop();
    // The items point into m_requestTexts and the tree draws from m_imageList: detach both first.
    for (CServiceTreeCtrl* tree : {m_treeServices, m_treeFiltered}) {
        tree->DeleteAllItems();
        tree->SetImageList(nullptr);
    }
}

// Controls in tab order; positions and sizes come from LayoutControls.
void CQuorvelDlg::CreateControls() {
    new wxStaticText(this, IDC_STATIC_ADDRESS, wxString::FromUTF8(kLabelAddress));
    m_editAddress = new wxTextCtrl(this, IDC_EDIT_ADDRESS, wxEmptyString);
    new wxButton(this, IDC_BTN_OPEN, wxString::FromUTF8(kButtonOpen));
    new wxStaticText(this, IDC_STATIC_INTERFACES, wxString::FromUTF8(kLabelInterfaces));
    m_editFilter = new wxSearchCtrl(this, IDC_EDIT_FILTER);
    m_editFilter->ShowCancelButton(true);
    m_editFilter->SetDescriptiveText(wxString::FromUTF8(kFilterHint));
    for (CServiceTreeCtrl** tree : {&m_treeServices, &m_treeFiltered}) {
        *tree = new CServiceTreeCtrl(this, tree == &m_treeServices ? IDC_TREE_SERVICES : IDC_TREE_FILTERED,
                                     wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE |
                                         wxBORDER_SIMPLE);
        (*tree)->AddRoot(wxEmptyString);
    }
    m_treeFiltered->Hide();
    new wxStaticText(this, IDC_STATIC_MESSAGE, wxString::FromUTF8(kLabelMessage));
    m_editMessage = new CRequestPane(this, IDC_EDIT_MESSAGE);
    m_btnParse =
        new wxButton(this, IDC_BTN_PARSE, wxString::FromUTF8(kButtonParse), wxPoint(0, 0), wxSize(50, 24));
    // Unchecked: a load reads the one document, as without the box.
    m_checkFollowImports =
        new wxCheckBox(this, IDC_CHECK_FOLLOW_IMPORTS, wxString::FromUTF8(kCheckFollowImports));
    m_splitter = new wxStaticLine(this, IDC_SPLITTER, wxPoint(0, 0), wxSize(4, 100), wxLI_VERTICAL);
    m_statusLine = new wxStaticText(this, IDC_STATUS_LINE, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                    wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    ForwardSplitterEventsFrom(m_treeServices);
    ForwardSplitterEventsFrom(m_treeFiltered);
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
// Escape cancels a load under way, else clears the filter box it is pressed in, else closes the
// dialog; the shortcuts act wherever the focus is; everything else takes its normal course.
void CQuorvelDlg::PreTranslateMessage(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && FindFocus() == m_editAddress) {
        ParseAddress();
        return;
    }
    if (key == WXK_ESCAPE) {
        if (m_bLoading) {
            CancelLoad();
        } else if (FindFocus() == m_editFilter && !m_editFilter->GetValue().empty()) {
            ClearFilter();
        } else {
            Close();
        }
        return;
    }
    if (!OnShortcut(event)) {
        event.Skip();
    }
}
