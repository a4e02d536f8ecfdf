#pragma once
// The main dialog: address row, service tree, message pane and the draggable bar between them.

#include "load/service_load.h"
#include "ui/load_worker.h"
#include "ui/tree_outline.h"

#include <wx/cursor.h>
#include <wx/dialog.h>
#include <wx/imaglist.h>
#include <wx/string.h>
#include <wx/timer.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class wxButton;
class wxCheckBox;
class wxSearchCtrl;
class wxStaticLine;
class wxStaticText;
class wxTextCtrl;
class wxThreadEvent;
class wxTreeEvent;
class CRequestPane;
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
    IDC_STATUS_LINE = 1010,
    IDC_EDIT_FILTER = 1011,
    IDC_TREE_FILTERED = 1012,
    IDC_CHECK_FOLLOW_IMPORTS = 1013,
    IDT_AUTO_PARSE = 1,
    // Commands of the tree's context menu.
    IDM_COPY_REQUEST = 1101,
    IDM_SAVE_REQUEST = 1102,
    IDM_EXPORT_ALL = 1103,
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
    void ShowModel(quorvel::WsdlModel model);
    void FillServiceTree();

    // The load on its worker thread (quorvel_dlg_loading.cpp).
    void StartLoad(const wxString& address);
    void CancelLoad();
    void ShowLoading(bool loading);
    void OnLoadProgress(wxThreadEvent& event);
    void OnLoadFinished(wxThreadEvent& event);
    void OnClose(wxCloseEvent& event);

    // The filter above the tree (quorvel_dlg_filter.cpp).
    void OnFilterText(wxCommandEvent& event);
    void ClearFilter();
    void ShowFilteredTree();
    void FillFilteredTree(const wxString& lowerFilter);
    void SelectInServiceTree();
    CServiceTreeCtrl* ShownTree() const;

    // Copy, save and export, the tree's context menu and the shortcuts (quorvel_dlg_actions.cpp).
    // Requests are saved and exported as the command line's export writes them.
    bool OnShortcut(const wxKeyEvent& event);
    void OnTreeContextMenu(wxTreeEvent& event);
    quorvel::ui::TreeRecord SelectedRecord() const;
    void OnCopyRequest(wxCommandEvent& event);
    void OnSaveRequest(wxCommandEvent& event);
    void OnExportAll(wxCommandEvent& event);
    void ShowWriteResult(bool written, const std::string& message, const wxString& status);

    wxTextCtrl* m_editAddress = nullptr;
    CServiceTreeCtrl* m_treeServices = nullptr;
    // Takes the service tree's place while the filter box holds text; the full tree keeps its items.
    CServiceTreeCtrl* m_treeFiltered = nullptr;
    CRequestPane* m_editMessage = nullptr;
    wxButton* m_btnParse = nullptr;
    wxCheckBox* m_checkFollowImports = nullptr;
    wxStaticLine* m_splitter = nullptr;
    wxSearchCtrl* m_editFilter = nullptr;
    wxStaticText* m_statusLine = nullptr;
    wxImageList m_imageList;
    // The model of the last load that succeeded; the tree's items point into it.
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

    // The load under way, if any: its serial number tells its events from those of a cancelled one.
    quorvel::ui::LoadWorker m_loader{this};
    int m_loadSerial = 0;
    bool m_bLoading = false;
    std::string m_loadingAddress;
    bool m_bLoadFollowsImports = false;
    // The tree as filled after the last load, and the item last selected by the user, by its node.
    quorvel::ui::TreeOutline m_outline;
    std::optional<std::pair<size_t, bool>> m_selectedNode;
    // The dialog itself fills a tree or selects in it: the selection events are not the user's.
    bool m_bUpdatingTree = false;

    wxDECLARE_EVENT_TABLE();
};
