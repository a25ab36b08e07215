#include "storage/part_removal.h"

#include <optional>
#include <utility>

#include "storage/grid_file_writer.h"

namespace zarvek {

bool IsSamePart(const Part& a, const Part& b) {
    return a.sName == b.sName && a.P1 == b.P1 && a.P2 == b.P2 && a.P3 == b.P3 && a.V1 == b.V1 &&
           a.V2 == b.V2 && a.V3 == b.V3;
}

PartRemoval RemovePart(GridFileLock lock, std::size_t position, const Part& shown,
                       HostLibrary& hostLibrary) {
    std::optional<GridFile> gridFile;
    try {
        gridFile = MakeGridFileObj(lock.GridFilePath());
    } catch (const GridFileError& error) {
        throw GridFileReadError(error.what());
    }
    if (!gridFile) {
        return PartRemoval::NotAGridFile;
    }
    if (position < 1 || position > gridFile->Parts.Count() ||
        !IsSamePart(gridFile->Parts.Item(position), shown)) {
        return PartRemoval::PartNotThere;
    }
    gridFile->Parts.Remove(position);
    GridFileWrite(*gridFile, std::move(lock)).Store(hostLibrary);
    return PartRemoval::Removed;
}

}  // namespace zarvek
