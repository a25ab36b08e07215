#pragma once

#include <windows.h>

#include <string>

namespace zarvek::win32 {

// A window's text (a caption, a box's content) as UTF-8.
std::string WindowText(HWND window);

// Sets a window's text from UTF-8.
void SetText(HWND window, const std::string& text);

}  // namespace zarvek::win32
