#include "form/viewer_file.h"

#include <new>
#include <stdexcept>

#include "form/placeholders.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "strings/window_string_ids.h"

namespace zarvek {
namespace {

ViewerFile Failure(std::string reason) {
    return ViewerFile{std::nullopt, std::move(reason)};
}

}  // namespace

ViewerFile ReadFileForViewer(const std::string& path, Language language) {
    const std::string tooLarge = FillPlaceholders(LookupString(kFileTooLargeToShow, language),
                                                  {std::to_string(kLargestFileShownMegabytes)});
    try {
        const std::string bytes = ReadWholeFile(path);
        if (bytes.size() > kLargestFileShownMegabytes * 1024 * 1024) {
            return Failure(tooLarge);
        }
        return ViewerFile{AnsiToUtf8(bytes), {}};
    } catch (const FileSystemError& error) {
        return Failure(LookupString(kFileCannotBeRead, language) + "\n" + error.what());
    } catch (const std::bad_alloc&) {
        // Far larger than any grid file: more than a 32-bit process can hold.
        return Failure(tooLarge);
    } catch (const std::length_error&) {
        return Failure(tooLarge);
    }
}

std::string ViewerFileLabel(const std::string& path, Language language) {
    return path.empty() ? std::string()
                        : FillPlaceholders(LookupString(kViewerFileShown, language), {path});
}

std::string WithLineEnds(std::string_view text, std::string_view lineEnd) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r') {
            if (at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
            result.append(lineEnd);
        } else if (text[at] == '\n') {
            result.append(lineEnd);
        } else {
            result.push_back(text[at]);
        }
    }
    return result;
}

}  // namespace zarvek
