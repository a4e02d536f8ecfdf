#pragma once
// The main dialog: address row, service tree, message pane and the draggable bar between them.

#include "load/service_load.h"

#include <wx/cursor.h>
#include <wx/dialog.h>
#include <wx/imaglist.h>
#include <wx/string.h>
#include <wx/timer.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class wxButton;
class wxStaticLine;
class wxTextCtrl;
class wxTreeEvent;
class CServiceTreeCtrl;

// Control and timer ids of the dialog.
enum : int {
    IDC_STATIC_ADDRESS = 1001,
    IDC_EDIT_ADDRESS = 1002,
    IDC_BTN_OPEN = 1003,
    IDC_STATIC_INTERFACES = 1004,
    IDC_TREE_SERVICES = 1005,
    IDC_STATIC_MESSAGE = 1006,
    IDC_EDIT_MESSAGE = 1007,
    IDC_SPLITTER = 1008,
    IDC_BTN_PARSE = 1009,
    IDT_AUTO_PARSE = 1,
};

class CQuorvelDlg : public wxDialog {
public:
    explicit CQuorvelDlg(wxWindow* parent = nullptr);
    ~CQuorvelDlg() override;

private:
    // Creation and opening (quorvel_dlg.cpp).
    void CreateControls();
    void SetMessagePaneFont();
    void OnInitDialog(wxInitDialogEvent& event);
    void PreTranslateMessage(wxKeyEvent& event);

    // Tree images (tree_images.cpp).
    void BuildTreeImages();

    // Layout and splitter (quorvel_dlg_layout.cpp).
    void LayoutControls();
    void OnSize(wxSizeEvent& event);
    void OnGetMinMaxInfo();
    wxRect SplitterHitZone() const;
    void OnLButtonDown(wxMouseEvent& event);
    void OnLButtonUp(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnMouseCaptureLost(wxMouseCaptureLostEvent& event);
    void OnSetCursor(wxSetCursorEvent& event);
    void ForwardChildMouse(wxMouseEvent& event);
    void ForwardChildSetCursor(wxSetCursorEvent& event);
    void ForwardSplitterEventsFrom(wxWindow* child);

    // Workflow (quorvel_dlg_workflow.cpp).
    void OnBnClickedOpen(wxCommandEvent& event);
    void OnBnClickedParse(wxCommandEvent& event);
    void OnTvnSelchangedTree(wxTreeEvent& event);
    void OnTimer(wxTimerEvent& event);
    void ParseAddress();
    quorvel::LoadResult LoadWithinMemory(const std::string& address);
    void FillServiceTree();

    wxTextCtrl* m_editAddress = nullptr;
    CServiceTreeCtrl* m_treeServices = nullptr;
    wxTextCtrl* m_editMessage = nullptr;
    wxButton* m_btnParse = nullptr;
    wxStaticLine* m_splitter = nullptr;
    wxImageList m_imageList;
    quorvel::WsdlModel m_model;

public:
    // Address named on the command line; loaded automatically shortly after the dialog opens.
    wxString m_strInitialAddress;

private:
    // Copies of the request texts that the tree's operation and request items point to.
    std::vector<std::unique_ptr<wxString>> m_requestTexts;
    int32_t m_nSplitPos = 260; // x of the bar's centre in client pixels
    bool m_bDragging = false;
    wxCursor m_hSplitCursor;
    wxTimer m_autoParseTimer;

    wxDECLARE_EVENT_TABLE();
};
