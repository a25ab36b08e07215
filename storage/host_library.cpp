#include "storage/host_library.h"

#include <utility>

#include "platform/file_system.h"
#include "platform/registry.h"

namespace zarvek {
namespace {

constexpr const char* kSaveArmspecs = "QDL_SaveArmspecs";

std::string PathInFolder(const std::string& folder, const std::string& fileName) {
    const char separator = FolderSeparator();
    const bool endsInSeparator =
        !folder.empty() && (folder.back() == separator || folder.back() == '/');
    return endsInSeparator ? folder + fileName : folder + separator + fileName;
}

}  // namespace

HostLibrary::HostLibrary() : HostLibrary(HostLibraryFolders) {}

HostLibrary::HostLibrary(FolderSource folders) : folders_(std::move(folders)) {}

void HostLibrary::Bind() {
    bound_ = true;
    const std::string fileName = HostLibraryFileName();
    for (const std::string& folder : folders_()) {
        if (!IsAbsolutePath(folder)) {
            continue;
        }
        LibraryHandle library = LoadLibraryAt(PathInFolder(folder, fileName));
        if (!library) {
            continue;
        }
        // The first library found is the host's; a copy without the function is not passed over
        // for one further down the list.
        saveArmspecs_ = FindFunction(library, kSaveArmspecs);
        if (saveArmspecs_ != nullptr) {
            library_ = std::move(library);
        }
        return;
    }
}

void HostLibrary::PushArmSpecs() noexcept {
    try {
        if (!bound_) {
            Bind();
        }
        if (saveArmspecs_ != nullptr) {
            saveArmspecs_();
        }
    } catch (...) {
        // The push is a courtesy to the host software; the grid file is already written.
    }
}

std::vector<std::string> HostLibraryFolders() {
    std::vector<std::string> folders;
    const RegistryLookup entry = ReadInstallationEntry();
    if (entry.status == RegistryLookup::Status::Text) {
        folders.push_back(entry.text);
    }
    if (std::string own = ApplicationFolder(); !own.empty()) {
        folders.push_back(std::move(own));
    }
    for (std::string& folder : SystemLibraryFolders()) {
        folders.push_back(std::move(folder));
    }
    return folders;
}

HostLibrary& InstalledHostLibrary() {
    static HostLibrary library;
    return library;
}

}  // namespace zarvek
