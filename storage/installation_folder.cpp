#include "storage/installation_folder.h"

#include "platform/file_system.h"
#include "platform/registry.h"

namespace zarvek {

Message MissingRegistryEntryMessage() {
    Message message;
    message.prompt =
        "ERROR: Cannot Find Registry Entry For Active Armdata Folder!\r\n"
        "Ensure Quadrel Is Correctly Installed.";
    message.title = "Error";
    message.buttons = Buttons::Ok;
    message.icon = Icon::Exclamation;
    message.defaultButton = Answer::Ok;
    return message;
}

std::string QueryArmdataFolder(Dialogs& dialogs) {
    const RegistryLookup entry = ReadInstallationEntry();
    switch (entry.status) {
        case RegistryLookup::Status::KeyMissing:
            dialogs.Ask(MissingRegistryEntryMessage());
            return {};
        case RegistryLookup::Status::NoText:
            return {};
        case RegistryLookup::Status::Text:
            break;
    }
    // The value is taken as it stands: a trailing separator is not removed.
    const char separator = FolderSeparator();
    return entry.text + separator + "Armdata" + separator;
}

}  // namespace zarvek
