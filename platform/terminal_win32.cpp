#include <windows.h>
// After windows.h:
#include <shellapi.h>

#include <cstdio>
#include <iostream>

#include "platform/terminal.h"
#include "platform/wide_text_win32.h"

namespace zarvek {
namespace {

// A console handle, or null when the stream is redirected to a file or a pipe. The NUL device
// has no console mode, unlike what _isatty reports for it.
HANDLE ConsoleOf(DWORD stream) {
    HANDLE handle = ::GetStdHandle(stream);
    DWORD mode = 0;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode)) {
        return nullptr;
    }
    return handle;
}

// A console takes UTF-16, whatever its code page; a redirected stream gets the UTF-8 bytes, in
// text mode, so "\n" becomes CR LF.
bool Write(DWORD stream, std::FILE* file, std::string_view text) {
    if (text.empty()) {
        return true;
    }
    if (HANDLE console = ConsoleOf(stream); console != nullptr) {
        std::fflush(file);
        const std::wstring wide = win32::Widen(text);
        DWORD written = 0;
        return ::WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written,
                               nullptr) != 0;
    }
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

class Win32Terminal final : public Terminal {
  public:
    void Out(std::string_view text) override {
        if (!Write(STD_OUTPUT_HANDLE, stdout, text)) {
            failed_ = true;
        }
    }

    void Err(std::string_view text) override {
        Write(STD_ERROR_HANDLE, stderr, text);
        std::fflush(stderr);
    }

    bool Interactive() override {
        return ConsoleOf(STD_INPUT_HANDLE) != nullptr && ConsoleOf(STD_ERROR_HANDLE) != nullptr;
    }

    std::optional<std::string> ReadLine() override {
        if (HANDLE console = ConsoleOf(STD_INPUT_HANDLE); console != nullptr) {
            std::wstring line;
            wchar_t character = 0;
            DWORD read = 0;
            while (::ReadConsoleW(console, &character, 1, &read, nullptr) && read == 1) {
                if (character == L'\n') {
                    return Trimmed(win32::Narrow(line));
                }
                line.push_back(character);
            }
            if (line.empty()) {
                return std::nullopt;
            }
            return Trimmed(win32::Narrow(line));
        }
        std::string line;
        if (!std::getline(std::cin, line)) {
            return std::nullopt;
        }
        return Trimmed(line);
    }

    bool Finish() override { return std::fflush(stdout) == 0 && !failed_ && !std::ferror(stdout); }

  private:
    static std::string Trimmed(std::string line) {
        while (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line;
    }

    bool failed_ = false;
};

}  // namespace

std::unique_ptr<Terminal> ProcessTerminal() {
    return std::make_unique<Win32Terminal>();
}

std::vector<std::string> ProcessArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> words;
    if (wide == nullptr) {
        // Without the wide command line the ANSI words are the best there is.
        for (int i = 1; i < argc; ++i) {
            words.emplace_back(argv[i]);
        }
        return words;
    }
    for (int i = 1; i < count; ++i) {
        words.push_back(win32::Narrow(wide[i]));
    }
    ::LocalFree(wide);
    return words;
}

}  // namespace zarvek
