#pragma once

#include <string>

#include "common/dialogs.h"

namespace zarvek {

// The host software's Armdata folder, looked up once at start-up (ReadArmdataFolder), or empty on
// every failure. A missing installation key shows MissingRegistryEntryMessage through `dialogs`
// first; every other failure shows nothing.
std::string QueryArmdataFolder(Dialogs& dialogs);

// The fixed English box for a missing installation key: "Error", OK, exclamation icon, in
// English whatever the interface language.
Message MissingRegistryEntryMessage();

}  // namespace zarvek
