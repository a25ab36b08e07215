#pragma once

#include <windows.h>

namespace zarvek::win32 {

// The window's dots per inch: GetDpiForWindow where the system has it (Windows 10 1607 and
// later, looked up at run time), else the screen's LOGPIXELSX.
int DpiOf(HWND window);

// Twips (1440 an inch) to pixels at the window's DPI.
int Pixels(HWND window, int twips);

// Pixels to twips at the window's DPI.
int PixelsToTwipsOf(HWND window, int pixels);

}  // namespace zarvek::win32
