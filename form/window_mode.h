#pragma once

namespace zarvek {

// What the window shows. It starts in StartUp, which it never re-enters; New enters Input; Open,
// Open Installed File and toolbar "T" enter View.
enum class WindowMode {
    StartUp,  // nothing but menu bar and toolbar
    Input,    // the seat-entry form
    View,     // the file viewer and the installed file's name above it
};

}  // namespace zarvek
