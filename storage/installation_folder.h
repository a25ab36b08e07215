#pragma once

#include <string>

namespace zarvek {

// What the host software's installation entry in the registry says about its Armdata folder.
struct ArmdataFolderLookup {
    // The folder, ending in the platform's folder separator ("C:\Arm\Host\Armdata\",
    // "/opt/arm/Armdata/"), or empty on every failure.
    std::string folder;
    // The installation key itself is missing or cannot be read: the one failure the operator is
    // told about, by the caller.
    bool keyMissing = false;
};

// Reads the installation entry silently. Never fails: every failure gives an empty folder.
ArmdataFolderLookup ReadArmdataFolder();

// The installed grid-file path: the folder immediately followed by "Gridfile.dat".
inline std::string GridFilePathIn(const std::string& armdataFolder) {
    return armdataFolder + "Gridfile.dat";
}

}  // namespace zarvek
