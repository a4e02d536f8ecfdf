#pragma once
// The main dialog: address row, service tree, message pane and the draggable bar between them.

#include "gen/sample_options.h"
#include "load/service_load.h"
#include "ui/escape_guard.h"
#include "ui/export_worker.h"
#include "ui/connection_settings.h"
#include "ui/load_worker.h"
#include "ui/rebuild_worker.h"
#include "ui/send_worker.h"
#include "ui/tree_filler.h"
#include "ui/tree_outline.h"
#include "ui/worker_threads.h"
#include "validate/request_validation.h"

#include <wx/cursor.h>
#include <wx/dialog.h>
#include <wx/imaglist.h>
#include <wx/string.h>
#include <wx/timer.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class wxButton;
class wxCheckBox;
class wxListBox;
class wxNotebook;
class wxSearchCtrl;
class wxStaticLine;
class wxStaticText;
class wxTextCtrl;
class wxThreadEvent;
class wxTreeEvent;

namespace quorvel::ui {

class RequestPane;
class ResponsePane;
class ServiceTreeCtrl;

// Queued to the dialog when the tree's content of a loaded model is made: GetInt() is the load's serial
// number, the payload a LoadMade.
wxDECLARE_EVENT(EVT_TREE_CONTENT, wxThreadEvent);

// A good load and what its tree shows; no content when there was no memory to make it.
struct LoadMade {
    std::shared_ptr<LoadResult> load;
    std::shared_ptr<TreeContent> content;
};

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
    kIdOptionsButton = 1014,
    kIdEndpointBox = 1015,
    kIdResetEndpointButton = 1016,
    kIdSendButton = 1017,
    kIdValidateButton = 1018,
    kIdRowSplitter = 1019,
    kIdResultsBook = 1020,
    kIdResponsePane = 1021,
    kIdProblemList = 1022,
    kIdAutoLoadTimer = 1,
    // Commands of the tree's context menu.
    kIdCopyRequest = 1101,
    kIdSaveRequest = 1102,
    kIdExportAll = 1103,
    // Commands of the options menu.
    kIdOptionHeaderParts = 1111,
    kIdOptionAttributes = 1112,
    kIdOptionExampleValues = 1113,
    kIdOptionWsSecurity = 1114,
    kIdConnectionSettings = 1115,
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
    void CreateSendControls();
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
    int SplitRows(int clientHeight);
    void OnSize(wxSizeEvent& event);
    void ApplyMinimumSize();
    wxRect SplitterHitZone() const;
    wxRect RowSplitterHitZone() const;
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
    void ShowModel(WsdlModel model, TreeContent content);
    void FillServiceTree();
    // Adds a part to each tree still filling while the window is idle.
    void OnIdle(wxIdleEvent& event);

    // The load on its worker thread (main_dialog_loading.cpp).
    void StartWorker(const wxString& address);
    void CancelLoad();
    void ShowLoading(bool loading);
    void ShowBusy();
    void OnLoadProgress(wxThreadEvent& event);
    void OnLoadFinished(wxThreadEvent& event);
    void StartTreeContent(std::shared_ptr<LoadResult> load);
    void OnTreeContent(wxThreadEvent& event);
    void ShowLoadFailure(const LoadResult& load, std::string_view failure);
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

    // The endpoint box, sending and the response (main_dialog_sending.cpp).
    bool HandleSendKeys(const wxKeyEvent& event);
    void ShowEndpoint(const TreeRecord& record);
    void OnEndpointText(wxCommandEvent& event);
    void OnResetEndpoint(wxCommandEvent& event);
    void OnSendButton(wxCommandEvent& event);
    void StartSend();
    void CancelSend();
    void ShowSending(bool sending);
    void OnSendFinished(wxThreadEvent& event);
    void ShowResults(int page);
    // Asks once per window before credentials go out over plain http; false when the user says no.
    bool MaySendCredentialsTo(const std::string& url);
    HttpOptions ConnectionOptions() const;

    // The options menu and the connection settings (main_dialog_options.cpp).
    void OnOptionsButton(wxCommandEvent& event);
    void OnSampleOption(wxCommandEvent& event);
    void OnConnectionSettings(wxCommandEvent& event);

    // The requests built again with the sample options on their worker thread
    // (main_dialog_rebuilding.cpp).
    void StartRebuild();
    void CancelRebuild();
    void DropRebuild();
    void ShowRebuilding(bool rebuilding);
    void OnRebuildProgress(wxThreadEvent& event);
    void OnRebuildFinished(wxThreadEvent& event);
    void TakeRebuiltModel(RebuiltModel rebuilt);
    bool PaneHasNewEdits() const;

    // Checking the pane's request against the description's schemas (main_dialog_validation.cpp).
    void OnValidateButton(wxCommandEvent& event);
    void OnProblemSelected(wxCommandEvent& event);

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
    wxButton* m_optionsButton = nullptr;
    wxTextCtrl* m_endpointBox = nullptr;
    wxButton* m_resetEndpointButton = nullptr;
    wxButton* m_sendButton = nullptr;
    wxButton* m_validateButton = nullptr;
    // Between the request pane and the results below it, which show once there is something to show.
    wxStaticLine* m_rowSplitter = nullptr;
    wxNotebook* m_resultsBook = nullptr;
    ResponsePane* m_responsePane = nullptr;
    wxListBox* m_problemList = nullptr;
    wxImageList m_imageList;
    // The model of the last load that succeeded; the tree's items point into it, and an export holds it
    // for as long as it writes, whatever loads meanwhile.
    std::shared_ptr<WsdlModel> m_model;
    wxString m_initialAddress;
    // Copies of the request texts that the tree's operation and request items point to.
    std::vector<std::unique_ptr<wxString>> m_requestTexts;
    int32_t m_splitX = 260; // x of the bar's centre in client pixels
    bool m_dragging = false;
    // y of the bar between request and results, in client pixels; 0 until the results first show.
    int32_t m_splitY = 0;
    bool m_draggingRows = false;
    wxCursor m_splitCursor;
    wxTimer m_autoLoadTimer;

    // The load under way, if any: its serial number tells its events from those of a cancelled one.
    LoadWorker m_loader{this};
    int m_loadSerial = 0;
    bool m_loading = false;
    std::string m_loadingAddress;
    bool m_loadFollowsImports = false;
    // The send under way, if any, told apart from a cancelled one by its serial number as loads are.
    SendWorker m_sender{this};
    int m_sendSerial = 0;
    bool m_sending = false;
    // The endpoints the user typed, per binding of the model, kept until the next load.
    std::map<const WsdlBinding*, wxString> m_endpointEdits;
    // The user's credentials and headers, for sending and loading; the answer to the plain-http warning.
    ConnectionSettings m_connection;
    bool m_plainHttpAccepted = false;
    // What the requests hold beyond the plain samples, as the options menu shows them; loads and rebuilds
    // use them. The requests of the model were built with m_requestOptions, which differ while a rebuild
    // runs; the load under way builds with m_loadOptions.
    SampleOptions m_sampleOptions;
    SampleOptions m_requestOptions;
    SampleOptions m_loadOptions;
    // The rebuild under way, if any, told apart from a cancelled one by its serial number as loads are;
    // the pane's text when the user agreed to have its edits replaced by the rebuilt request.
    RebuildWorker m_rebuilder{this};
    int m_rebuildSerial = 0;
    bool m_rebuilding = false;
    std::optional<wxString> m_agreedPaneText;
    // The documents the model was read from, for rebuilding its requests and checking them; the checker
    // is made at the first check.
    std::shared_ptr<const LoadedDocuments> m_documents;
    std::unique_ptr<RequestValidator> m_validator;
    // Where each problem listed lies in the pane: line and column, from 1.
    std::vector<std::pair<int, int>> m_problemPlaces;

    // The tree as filled after the last load, and the item last selected by the user, by its node.
    TreeOutline m_outline;
    std::optional<NodeItem> m_selectedNode;
    // Fill the trees a part at a time.
    std::unique_ptr<TreeFiller> m_serviceFiller;
    std::unique_ptr<TreeFiller> m_filteredFiller;
    // Makes the tree's content of a good load, which takes its time for many operations.
    WorkerThreads<WorkerJob> m_treeContentMaker;
    // Frees what a new model replaced.
    WorkerThreads<WorkerJob> m_releaser;
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
