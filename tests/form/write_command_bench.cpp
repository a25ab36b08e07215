#include "write_command_bench.h"

#include "spread_parts.h"
#include "storage/grid_file_io.h"
#include "storage/safe_write.h"

namespace zarvek::testing_support {
namespace {

// The entered part: far from the lengths of SpreadGridFile(0, n) for any small n.
constexpr int kEnteredIndex = 1000;

}  // namespace

WriteCommandBench::WriteCommandBench() : path(folder.File("Gridfile.dat")) {
    context.gridFilePath = path;
    const Part part = SpreadPart(kEnteredIndex);
    form.SetText(Field::PartName, part.sName);
    form.SetText(Field::ProbeDiameter, SpreadProbeText());
    const SeatTextRows seats = SeatTexts(part);
    for (int seat = 0; seat < 3; ++seat) {
        for (int axis = 0; axis < 6; ++axis) {
            form.SetText(SeatField(static_cast<Axis>(axis), seat),
                         seats[static_cast<std::size_t>(seat)][static_cast<std::size_t>(axis)]);
        }
    }
    form.DisableWriteCommands(false);  // as after a passed Check Pattern
}

std::string WriteCommandBench::InstallGridFile(int parts) {
    const std::string bytes = GridFileBytes(SpreadGridFile(0, parts));
    WriteBytes(path, bytes);
    return bytes;
}

WriteCommandOutcome WriteCommandBench::Run(bool add) {
    return add ? AddToGridFile(form, context) : MakeGridFile(form, context);
}

std::vector<std::string> WriteCommandBench::Titles() const {
    std::vector<std::string> titles;
    for (const Message& message : dialogs.messages) {
        titles.push_back(message.title);
    }
    return titles;
}

std::map<std::string, std::string> FolderSnapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> snapshot;
    if (!std::filesystem::exists(folder)) {
        return snapshot;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = std::filesystem::relative(entry.path(), folder).generic_string();
        if (name.ends_with(".lock")) {
            continue;
        }
        snapshot[name] = entry.is_directory() ? "<folder>" : ReadBytes(entry.path());
    }
    return snapshot;
}

}  // namespace zarvek::testing_support
