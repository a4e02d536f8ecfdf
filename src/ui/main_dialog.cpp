// The dialog's creation and opening: controls, images, fonts and the Enter key in the address box.

#include "ui/main_dialog.h"

#include "ui/messages.h"
#include "ui/utf8_text.h"
#include "ui/request_pane.h"
#include "ui/response_pane.h"
#include "ui/tree_sort.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/fontenum.h>
#include <wx/srchctrl.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace quorvel::ui {

// clang-format off
wxBEGIN_EVENT_TABLE(MainDialog, wxDialog)
    EVT_BUTTON(kIdOpenButton, MainDialog::OnOpenButton)
    EVT_BUTTON(kIdParseButton, MainDialog::OnParseButton)
    EVT_TREE_SEL_CHANGED(kIdServiceTree, MainDialog::OnTreeSelChanged)
    EVT_TREE_SEL_CHANGED(kIdFilteredTree, MainDialog::OnTreeSelChanged)
    EVT_TIMER(kIdAutoLoadTimer, MainDialog::OnTimer)
    EVT_SIZE(MainDialog::OnSize)
    EVT_LEFT_DOWN(MainDialog::OnLeftDown)
    EVT_LEFT_UP(MainDialog::OnLeftUp)
    EVT_MOTION(MainDialog::OnMotion)
    EVT_SET_CURSOR(MainDialog::OnSetCursor)
    EVT_MOUSE_CAPTURE_LOST(MainDialog::OnMouseCaptureLost)
    EVT_INIT_DIALOG(MainDialog::OnInitDialog)
    EVT_CHAR_HOOK(MainDialog::OnCharHook)
    EVT_CLOSE(MainDialog::OnClose)
    EVT_TEXT(kIdFilterBox, MainDialog::OnFilterText)
    EVT_TREE_ITEM_MENU(kIdServiceTree, MainDialog::OnTreeItemMenu)
    EVT_TREE_ITEM_MENU(kIdFilteredTree, MainDialog::OnTreeItemMenu)
    EVT_MENU(kIdCopyRequest, MainDialog::OnCopyRequest)
    EVT_MENU(kIdSaveRequest, MainDialog::OnSaveRequest)
    EVT_MENU(kIdExportAll, MainDialog::OnExportAll)
wxEND_EVENT_TABLE();
// clang-format on

namespace {

// The dialog's size in dialog units: client area, converted with the dialog font.
const wxSize kDialogUnits(560, 360);

} // namespace

MainDialog::MainDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, FromUtf8(ui_msg::kCaption), wxPoint(0, 0), wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxRESIZE_BORDER | wxMINIMIZE_BOX | wxMAXIMIZE_BOX | wxCLOSE_BOX),
      m_splitCursor(wxCURSOR_SIZEWE), m_autoLoadTimer(this, kIdAutoLoadTimer) {
    CreateControls();
    BuildTreeImages();
    m_serviceTree->SetImageList(&m_imageList);
    m_filteredTree->SetImageList(&m_imageList);
    SetMessagePaneFont();
    ApplyMinimumSize();
    SetClientSize(ConvertDialogToPixels(kDialogUnits));
    Bind(EVT_LOAD_PROGRESS, &MainDialog::OnLoadProgress, this);
    Bind(EVT_LOAD_FINISHED, &MainDialog::OnLoadFinished, this);
    Bind(EVT_TREE_CONTENT, &MainDialog::OnTreeContent, this);
    Bind(wxEVT_IDLE, &MainDialog::OnIdle, this);
    Bind(EVT_EXPORT_PROGRESS, &MainDialog::OnExportProgress, this);
    Bind(EVT_EXPORT_FINISHED, &MainDialog::OnExportFinished, this);
    Bind(EVT_REBUILD_PROGRESS, &MainDialog::OnRebuildProgress, this);
    Bind(EVT_REBUILD_FINISHED, &MainDialog::OnRebuildFinished, this);
    m_escapeGuard.Register();
}

MainDialog::~MainDialog() {
    m_loader.Stop();
    m_sender.Stop();
    m_rebuilder.Stop();
    m_treeContentMaker.Stop();
    m_releaser.Stop();
    // The items point into m_requestTexts and the tree draws from m_imageList: detach both first.
    for (ServiceTreeCtrl* tree : {m_serviceTree, m_filteredTree}) {
        tree->DeleteAllItems();
        tree->SetImageList(nullptr);
    }
}

// Positions and sizes come from LayoutControls, the order of the tab stops from ApplyTabOrder.
void MainDialog::CreateControls() {
    new wxStaticText(this, kIdAddressLabel, FromUtf8(ui_msg::kLabelAddress));
    m_addressBox = new wxTextCtrl(this, kIdAddressBox, wxEmptyString);
    new wxButton(this, kIdOpenButton, FromUtf8(ui_msg::kButtonOpen));
    new wxStaticText(this, kIdInterfacesLabel, FromUtf8(ui_msg::kLabelInterfaces));
    m_filterBox = new wxSearchCtrl(this, kIdFilterBox);
    m_filterBox->ShowCancelButton(true);
    m_filterBox->SetDescriptiveText(FromUtf8(ui_msg::kFilterHint));
    for (ServiceTreeCtrl** tree : {&m_serviceTree, &m_filteredTree}) {
        *tree = new ServiceTreeCtrl(this, tree == &m_serviceTree ? kIdServiceTree : kIdFilteredTree,
                                    wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE |
                                        wxBORDER_SIMPLE);
        (*tree)->AddRoot(wxEmptyString);
    }
    m_filteredTree->Hide();
    m_serviceFiller = std::make_unique<TreeFiller>(*m_serviceTree);
    m_filteredFiller = std::make_unique<TreeFiller>(*m_filteredTree);
    new wxStaticText(this, kIdMessageLabel, FromUtf8(ui_msg::kLabelMessage));
    m_messagePane = new RequestPane(this, kIdMessagePane);
    m_parseButton =
        new wxButton(this, kIdParseButton, FromUtf8(ui_msg::kButtonParse), wxPoint(0, 0), wxSize(50, 24));
    // Unchecked: a load reads the one document, as without the box.
    m_followImportsBox = new wxCheckBox(this, kIdFollowImportsBox, FromUtf8(ui_msg::kCheckFollowImports));
    m_splitter = new wxStaticLine(this, kIdSplitter, wxPoint(0, 0), wxSize(4, 100), wxLI_VERTICAL);
    CreateSendControls();
    m_statusLine = new wxStaticText(this, kIdStatusLine, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                    wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
    ForwardSplitterEventsFrom(m_serviceTree);
    ForwardSplitterEventsFrom(m_filteredTree);
    ForwardSplitterEventsFrom(m_messagePane);
    ForwardSplitterEventsFrom(m_splitter);
    for (ServiceTreeCtrl* tree : {m_serviceTree, m_filteredTree}) {
        tree->Bind(wxEVT_SET_FOCUS, &MainDialog::OnTreeFocus, this);
    }
    ApplyTabOrder();
}

// "Consolas" at the dialog font's size where that face is installed, else the platform's fixed-pitch
// face; every other property stays the dialog font's. The response's body takes the same font.
void MainDialog::SetMessagePaneFont() {
    wxFont font = GetFont();
    if (wxFontEnumerator::IsValidFacename("Consolas")) {
        font.SetFaceName("Consolas");
    } else {
        font.SetFamily(wxFONTFAMILY_TELETYPE);
    }
    m_messagePane->SetFont(font);
    m_responsePane->SetBodyFont(font);
}

// Runs when the dialog is shown: the split starts at 35 % of the client width, and an address from
// the command line is put into the box and loaded once, 50 ms later.
void MainDialog::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    m_addressBox->ChangeValue(wxEmptyString);
    m_messagePane->ChangeValue(wxEmptyString);
    m_splitX = GetClientSize().x * 35 / 100;
    LayoutControls();
    if (!m_initialAddress.empty()) {
        m_addressBox->ChangeValue(m_initialAddress);
        m_autoLoadTimer.Start(50);
    }
    m_addressBox->SetFocus();
}

} // namespace quorvel::ui
