#pragma once
// The main dialog: address row, service tree, message pane and the draggable bar between them.

#include "load/service_load.h"
#include "ui/escape_guard.h"
#include "ui/export_worker.h"
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

namespace quorvel::ui {

class RequestPane;
class ServiceTreeCtrl;

// Control, timer and menu ids of the dialog.
enum DialogId : int {
    kIdAddressLabel = 1001,
    kIdAddressBox = 1002,
    kIdOpenButton = 1003,
    kIdInterfacesLabel = 1004,
    kIdServiceTree = 1005,
    kIdMessageLabel = 1006,
    kIdMessagePane = 1007,
    kIdSplitter = 1008,
    kIdParseButton = 1009,
    kIdStatusLine = 1010,
    kIdFilterBox = 1011,
    kIdFilteredTree = 1012,
    kIdFollowImportsBox = 1013,
    kIdAutoLoadTimer = 1,
    // Commands of the tree's context menu.
    kIdCopyRequest = 1101,
    kIdSaveRequest = 1102,
    kIdExportAll = 1103,
};

class MainDialog : public wxDialog {
public:
    explicit MainDialog(wxWindow* parent = nullptr);
    ~MainDialog() override;

    // An address named on the command line; loaded automatically shortly after the dialog opens.
    void SetInitialAddress(const wxString& address) { m_initialAddress = address; }

private:
    // Creation and opening (main_dialog.cpp).
    void CreateControls();
    void SetMessagePaneFont();
    void OnInitDialog(wxInitDialogEvent& event);

    // The keyboard (main_dialog_keys.cpp): tab order, Esc, Tab in the request pane, the shortcuts.
    void ApplyTabOrder();
    void OnCharHook(wxKeyEvent& event);
    void OnEscape();
    bool HandleTabInPane(const wxKeyEvent& event);
    bool HandleShortcut(const wxKeyEvent& event);
    void OnTreeFocus(wxFocusEvent& event);

    // Tree images (tree_images.cpp).
    void BuildTreeImages();

    // Layout and splitter (main_dialog_layout.cpp).
    void LayoutControls();
    void OnSize(wxSizeEvent& event);
    void ApplyMinimumSize();
    wxRect SplitterHitZone() const;
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnMouseCaptureLost(wxMouseCaptureLostEvent& event);
    void OnSetCursor(wxSetCursorEvent& event);
    void ForwardChildMouse(wxMouseEvent& event);
    void ForwardChildSetCursor(wxSetCursorEvent& event);
    void ForwardSplitterEventsFrom(wxWindow* child);

    // Workflow (main_dialog_workflow.cpp).
    void OnOpenButton(wxCommandEvent& event);
    void OnParseButton(wxCommandEvent& event);
    void OnTreeSelChanged(wxTreeEvent& event);
    void ShowSelectedRequest();
    void ClearPane();
    void OnTimer(wxTimerEvent& event);
    void SetStatus(const wxString& text);
    void StartLoad();
    void ShowModel(WsdlModel model);
    void FillServiceTree();

    // The load on its worker thread (main_dialog_loading.cpp).
    void StartWorker(const wxString& address);
    void CancelLoad();
    void ShowLoading(bool loading);
    void ShowBusy();
    void OnLoadProgress(wxThreadEvent& event);
    void OnLoadFinished(wxThreadEvent& event);
    void OnClose(wxCloseEvent& event);

    // The filter above the tree (main_dialog_filter.cpp).
    void OnFilterText(wxCommandEvent& event);
    void ClearFilter();
    void ShowFilteredTree();
    void FillFilteredTree(const wxString& lowerFilter);
    void SelectInServiceTree();
    ServiceTreeCtrl* ShownTree() const;

    // Copy, save and export and the tree's context menu (main_dialog_actions.cpp). Requests are saved
    // and exported as the command line's export writes them.
    void OnTreeItemMenu(wxTreeEvent& event);
    void ShowItemMenu(const wxTreeItemId& item, bool fromKeyboard);
    TreeRecord SelectedRecord() const;
    std::string SelectedRequestText() const;
    void OnCopyRequest(wxCommandEvent& event);
    void OnSaveRequest(wxCommandEvent& event);
    void OnExportAll(wxCommandEvent& event);
    void CancelExport();
    void OnExportProgress(wxThreadEvent& event);
    void OnExportFinished(wxThreadEvent& event);

    wxTextCtrl* m_addressBox = nullptr;
    ServiceTreeCtrl* m_serviceTree = nullptr;
    // Takes the service tree's place while the filter box holds text; the full tree keeps its items.
    ServiceTreeCtrl* m_filteredTree = nullptr;
    RequestPane* m_messagePane = nullptr;
    wxButton* m_parseButton = nullptr;
    wxCheckBox* m_followImportsBox = nullptr;
    wxStaticLine* m_splitter = nullptr;
    wxSearchCtrl* m_filterBox = nullptr;
    wxStaticText* m_statusLine = nullptr;
    wxImageList m_imageList;
    // The model of the last load that succeeded; the tree's items point into it, and an export holds it
    // for as long as it writes, whatever loads meanwhile.
    std::shared_ptr<const WsdlModel> m_model;
    wxString m_initialAddress;
    // Copies of the request texts that the tree's operation and request items point to.
    std::vector<std::unique_ptr<wxString>> m_requestTexts;
    int32_t m_splitX = 260; // x of the bar's centre in client pixels
    bool m_dragging = false;
    wxCursor m_splitCursor;
    wxTimer m_autoLoadTimer;

    // The load under way, if any: its serial number tells its events from those of a cancelled one.
    LoadWorker m_loader{this};
    int m_loadSerial = 0;
    bool m_loading = false;
    std::string m_loadingAddress;
    bool m_loadFollowsImports = false;
    // The tree as filled after the last load, and the item last selected by the user, by its node.
    TreeOutline m_outline;
    std::optional<std::pair<size_t, bool>> m_selectedNode;
    // The dialog itself fills a tree or selects in it: the selection events are not the user's.
    bool m_updatingTree = false;
    // The request pane shows the request of the selected item (as the user may have edited it).
    bool m_paneShowsSelection = false;
    // The status line's text while the filter matches nothing, which says so instead.
    std::optional<wxString> m_statusBeforeNoMatch;

    EscapeGuard m_escapeGuard;
    // The export under way, if any; the folder the last one chose, and until then the folder of the last
    // description loaded from a file.
    ExportWorker m_exporter{this};
    bool m_exporting = false;
    size_t m_exportTotal = 0;
    wxString m_exportFolder;
    wxString m_descriptionFolder;

    wxDECLARE_EVENT_TABLE();
};

} // namespace quorvel::ui
