// What the user does in the dialog: choose a file, load a description, browse the tree, read a request.

#include "ui/quorvel_dlg.h"

#include "load/service_load.h"
#include "ui/line_ends.h"
#include "ui/messages.h"
#include "ui/tree_sort.h"
#include "ui/ui_prompts.h"

#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <new>
#include <utility>

namespace {

// Image indices of the tree's four levels.
enum TreeImage : int { kImageService = 0, kImageBinding = 1, kImageOperation = 2, kImageRequest = 3 };

// Item data of operation and request items: a request copy that the dialog owns.
class RequestTextRef : public wxTreeItemData {
public:
    explicit RequestTextRef(const wxString* text) : m_text(text) {}
    const wxString& Text() const { return *m_text; }

private:
    const wxString* m_text;
};

} // namespace

void CQuorvelDlg::OnBnClickedOpen(wxCommandEvent&) {
    wxString path;
    if (quorvel::ui::CurrentPrompts().ChooseDescriptionFile(this, path)) {
        m_editAddress->SetValue(path);
    }
}

void CQuorvelDlg::OnBnClickedParse(wxCommandEvent&) {
    ParseAddress();
}

// The automatic start for a command-line address: fires once and presses the parse button.
void CQuorvelDlg::OnTimer(wxTimerEvent&) {
    m_autoParseTimer.Stop();
    wxCommandEvent click(wxEVT_BUTTON, IDC_BTN_PARSE);
    click.SetEventObject(m_btnParse);
    m_btnParse->Command(click);
}

void CQuorvelDlg::ParseAddress() {
    const wxString address = m_editAddress->GetValue().Strip(wxString::both);
    if (address.empty()) {
        quorvel::ui::CurrentPrompts().ShowMessage(this, wxString::FromUTF8(quorvel::ui::kAddressMissing),
                                                  wxICON_INFORMATION);
        return;
    }
    const wxBusyCursor wait;
    quorvel::LoadResult load = LoadWithinMemory(address.utf8_string());
    // The user sees the address that was loaded, e.g. with "?wsdl" added or quotes removed.
    m_editAddress->ChangeValue(wxString::FromUTF8(load.address));
    if (!load.ok) {
        // The previous tree and its request copies stay browsable.
        quorvel::ui::CurrentPrompts().ShowMessage(this, wxString::FromUTF8(load.message), wxICON_ERROR);
        return;
    }
    m_model = std::move(load.model);
    FillServiceTree();
    m_editMessage->ChangeValue(wxEmptyString);
}

// A description too large for the memory left fails like any other load instead of ending the program.
quorvel::LoadResult CQuorvelDlg::LoadWithinMemory(const std::string& address) {
    try {
        return quorvel::LoadServiceDescription(address);
    } catch (const std::bad_alloc&) {
        quorvel::LoadResult failed;
        failed.address = address;
        failed.message = quorvel::ui::kOutOfMemory;
        return failed;
    }
}

// Services, their bindings, their operations and one request item per operation; each level sorted,
// services and bindings expanded, operations collapsed.
void CQuorvelDlg::FillServiceTree() {
    m_treeServices->DeleteChildren(m_treeServices->GetRootItem());
    m_requestTexts.clear();
    const wxTreeItemId root = m_treeServices->GetRootItem();
    for (const quorvel::WsdlService& service : m_model) {
        const wxTreeItemId serviceItem =
            m_treeServices->AppendItem(root, wxString::FromUTF8(service.name), kImageService, kImageService);
        for (const quorvel::WsdlBinding& binding : service.bindings) {
            const wxTreeItemId bindingItem = m_treeServices->AppendItem(
                serviceItem, wxString::FromUTF8(binding.name), kImageBinding, kImageBinding);
            for (const quorvel::WsdlOperation& operation : binding.operations) {
                const wxString* request =
                    m_requestTexts
                        .emplace_back(std::make_unique<wxString>(wxString::FromUTF8(operation.request)))
                        .get();
                const wxTreeItemId operationItem =
                    m_treeServices->AppendItem(bindingItem, wxString::FromUTF8(operation.name),
                                               kImageOperation, kImageOperation, new RequestTextRef(request));
                m_treeServices->AppendItem(operationItem, wxString::FromUTF8(quorvel::ui::kRequestItem),
                                           kImageRequest, kImageRequest, new RequestTextRef(request));
            }
            m_treeServices->SortChildren(bindingItem);
            m_treeServices->Expand(bindingItem);
        }
        m_treeServices->SortChildren(serviceItem);
        m_treeServices->Expand(serviceItem);
    }
    m_treeServices->SortChildren(root);
}

void CQuorvelDlg::OnTvnSelchangedTree(wxTreeEvent& event) {
    const wxTreeItemId item = event.GetItem();
    const auto* request =
        item.IsOk() ? static_cast<const RequestTextRef*>(m_treeServices->GetItemData(item)) : nullptr;
    // Services and bindings carry no request; the stored copy stays as it is, whatever is typed here.
    m_editMessage->ChangeValue(request ? quorvel::ui::WithCrLfLineEnds(request->Text()) : wxString());
}
