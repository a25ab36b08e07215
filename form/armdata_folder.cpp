#include "form/armdata_folder.h"

#include <utility>

#include "storage/installation_folder.h"

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
    ArmdataFolderLookup lookup = ReadArmdataFolder();
    if (lookup.keyMissing) {
        dialogs.Ask(MissingRegistryEntryMessage());
    }
    return std::move(lookup.folder);
}

}  // namespace zarvek
