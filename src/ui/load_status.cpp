#include "ui/load_status.h"

#include "fetch/address.h"
#include "model/model_walk.h"
#include "ui/messages.h"

namespace quorvel::ui {
namespace {

wxString Number(uint64_t value) {
    return wxString::Format("%llu", static_cast<unsigned long long>(value));
}

wxString Text(const char* utf8) {
    return wxString::FromUTF8(utf8);
}

} // namespace

wxString ProgressStatus(const LoadProgress& progress, const std::string& loadedAddress) {
    switch (progress.stage) {
    case LoadStage::Read:
        if (!IsHttpAddress(loadedAddress)) {
            return Text(kStatusReadingFile);
        }
        if (!progress.document.empty() && progress.document != loadedAddress) {
            return wxString::Format(Text(kStatusDownloadingDocument), wxString::FromUTF8(progress.document),
                                    Number(progress.bytesReceived));
        }
        return wxString::Format(Text(kStatusDownloading), Number(progress.bytesReceived));
    case LoadStage::Decode:
    case LoadStage::Parse:
        return Text(kStatusParsing);
    case LoadStage::Index:
        return Text(kStatusReading);
    case LoadStage::Generate:
    case LoadStage::Release:
        break;
    }
    return wxString::Format(Text(kStatusBuilding), Number(progress.requestsBuilt),
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
    const wxString counts = wxString::Format(Text(kStatusLoaded), Number(load.model.size()), Number(bindings),
                                             Number(operations));
    return followedImports ? counts + wxString::Format(Text(kStatusDocuments), Number(load.documentCount))
                           : counts;
}

wxString ImportNotesText(const LoadResult& load) {
    if (load.notes.empty()) {
        return wxString();
    }
    wxString text = wxString::FromUTF8(kImportNotesHeading);
    for (const ImportNote& note : load.notes) {
        text += "\n" + wxString::FromUTF8(ImportNoteText(note));
    }
    return text;
}

} // namespace quorvel::ui
