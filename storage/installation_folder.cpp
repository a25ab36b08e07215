#include "storage/installation_folder.h"

#include "platform/file_system.h"
#include "platform/registry.h"

namespace zarvek {

ArmdataFolderLookup ReadArmdataFolder() {
    const RegistryLookup entry = ReadInstallationEntry();
    ArmdataFolderLookup lookup;
    switch (entry.status) {
        case RegistryLookup::Status::KeyMissing:
            lookup.keyMissing = true;
            return lookup;
        case RegistryLookup::Status::NoText:
            return lookup;
        case RegistryLookup::Status::Text:
            break;
    }
    // The value is taken as it stands: a trailing separator is not removed.
    const char separator = FolderSeparator();
    lookup.folder = entry.text + separator + "Armdata" + separator;
    return lookup;
}

}  // namespace zarvek
