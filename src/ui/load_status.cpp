#include "ui/load_status.h"

#include "fetch/address.h"
#include "model/model_walk.h"
#include "ui/messages.h"
#include "ui/utf8_text.h"

#include <algorithm>
#include <iterator>

namespace quorvel::ui {
namespace {

wxString Number(uint64_t value) {
    return wxString::Format("%llu", static_cast<unsigned long long>(value));
}

// The bytes of a download so far, with the declared size and the share of it when the server sent one.
wxString DownloadStatus(const LoadProgress& progress, const std::string& loadedAddress) {
    const bool named = !progress.document.empty() && progress.document != loadedAddress;
    const wxString document = FromUtf8(progress.document);
    const uint64_t received = progress.bytesReceived;
    const uint64_t expected = progress.bytesExpected;
    if (expected == 0) {
        const wxString bytes = Number(received);
        return named ? wxString::Format(FromUtf8(ui_msg::kStatusDownloadingDocument), document, bytes)
                     : wxString::Format(FromUtf8(ui_msg::kStatusDownloading), bytes);
    }
    const wxString share = Number(std::min<uint64_t>(received, expected) * 100 / expected);
    const wxString of = SizeText(expected);
    return named ? wxString::Format(FromUtf8(ui_msg::kStatusDownloadingDocumentOf), document, SizeText(received),
                                    of, share)
                 : wxString::Format(FromUtf8(ui_msg::kStatusDownloadingOf), SizeText(received), of, share);
}

} // namespace

wxString SizeText(uint64_t bytes) {
    static const char* const kUnits[] = {"B", "KB", "MB", "GB"};
    double value = static_cast<double>(bytes);
    size_t unit = 0;
    while (value >= 1024 && unit + 1 < std::size(kUnits)) {
        value /= 1024;
        ++unit;
    }
    // Rounded to one decimal below 10 of a unit, to whole units from there on; bytes are whole anyway.
    return wxString::Format(unit > 0 && value < 10 ? "%.1f %s" : "%.0f %s", value, kUnits[unit]);
}

wxString ProgressStatus(const LoadProgress& progress, const std::string& loadedAddress) {
    switch (progress.stage) {
    case LoadStage::Read:
        return IsHttpAddress(loadedAddress) ? DownloadStatus(progress, loadedAddress)
                                            : FromUtf8(ui_msg::kStatusReadingFile);
    case LoadStage::Decode:
    case LoadStage::Parse:
        return FromUtf8(ui_msg::kStatusParsing);
    case LoadStage::Index:
        return FromUtf8(ui_msg::kStatusReading);
    case LoadStage::Generate:
        break;
    case LoadStage::Release:
        // Releasing the documents tells nothing new: the line keeps the count of requests built.
        return wxString();
    }
    return wxString::Format(FromUtf8(ui_msg::kStatusBuilding), Number(progress.requestsBuilt),
                            Number(progress.requestsTotal));
}

wxString LoadedStatus(const LoadResult& load, bool followedImports) {
    size_t bindings = 0;
    size_t operations = 0;
    WalkModel(load.model,
              ModelVisitor{
                  [&](const WsdlService&, const WsdlBinding&) { ++bindings; },
                  [&](const WsdlService&, const WsdlBinding&, const WsdlOperation&) { ++operations; },
              });
    const wxString counts = wxString::Format(FromUtf8(ui_msg::kStatusLoaded), Number(load.model.size()),
                                             Number(bindings), Number(operations));
    return followedImports
               ? counts + wxString::Format(FromUtf8(ui_msg::kStatusDocuments), Number(load.documentCount))
               : counts;
}

wxString ImportNotesSummary(const LoadResult& load) {
    return FromUtf8(ui_msg::kImportNotesHeading) + "\n" +
           wxString::Format(FromUtf8(ui_msg::kImportNotesCount), Number(load.notes.size()));
}

wxString ImportNotesList(const LoadResult& load) {
    wxString text;
    for (const ImportNote& note : load.notes) {
        text += (text.empty() ? "" : "\n") + FromUtf8(ImportNoteText(note));
    }
    return text;
}

} // namespace quorvel::ui
