#pragma once

#include <string>

#include "common/dialogs.h"

namespace zarvek {

// The host software's Armdata folder from its installation entry in the registry, ending in the
// platform's folder separator ("C:\Arm\Host\Armdata\", "/opt/arm/Armdata/"), or empty on every
// failure. A missing key shows the fixed English registry warning through `dialogs` first.
std::string QueryArmdataFolder(Dialogs& dialogs);

// The fixed English box QueryArmdataFolder shows when the installation key is missing: "Error",
// OK, exclamation icon, in English whatever the interface language.
Message MissingRegistryEntryMessage();

// The installed grid-file path: the folder immediately followed by "Gridfile.dat".
inline std::string GridFilePathIn(const std::string& armdataFolder) {
    return armdataFolder + "Gridfile.dat";
}

}  // namespace zarvek
