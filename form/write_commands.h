#pragma once

#include "form/command_context.h"
#include "form/form_model.h"

namespace zarvek {

// How Make or Add ended.
enum class WriteCommandOutcome {
    Written,               // the grid file holds the new text
    Declined,              // the operator answered No to the replace question; nothing written
    InvalidEntry,          // the probe diameter or a seat field is not a number; gate closed
    NoInstalledFile,       // Add: there is no installed grid file
    NotAGridFile,          // Add: the installed file's first line holds no "$"
    ReadFailed,            // Add: the installed file could not be read
    ProbeDiameterDiffers,  // Add: refused, the file's probe diameter is another; gate closed
    LengthsRepeat,         // Add: refused, more than two lengths are in the file; gate closed
    WriteFailed,           // the writer could not write; the installed file is as it was
    Failed,                // an unexpected error, reported in its own message
    GridFileFull,          // Add: refused, the file already holds the most parts a file can
    Busy,                  // another writer held the grid file's lock for the whole wait;
                           // nothing read or written
    NameNotStorable,       // the file's code page cannot hold the part name (AcceptPartName);
                           // gate closed
};

// Make: writes the entered part as the only part of a new grid file at the context's grid-file
// path, with the entered probe diameter. Reads the probe diameter, the nine positions, the nine
// directions (as the fields hold them) and the part name, in that order, and refuses a name the
// file cannot hold (AcceptPartName), closing the gate, before anything else. Then takes the grid
// file's lock (GridFileLock) and holds it across the question and the write; when another writer
// keeps it for the context's lockWait, says so and ends Busy. Content no grid file can hold and a
// folder at the path are refused before anything is asked. When a file is at the path, Make asks
// whether to replace it (string 1066, title 1067, Yes and No, no icon, Yes the default, in the
// context's language); No ends Declined with nothing written and the host library not called.
// After a write the context's host library is called once, after the lock is dropped. Does not
// look at the write gate (the window only lets it run while the gate is open) and leaves the form
// as it was, except that an entry that is not a number (or holds the digit-group separator)
// closes the gate and gets the focus with its text selected (FocusForCorrection). Every failure
// shows one message and writes nothing.
WriteCommandOutcome MakeGridFile(FormModel& form, const CommandContext& context);

// Add: appends the entered part to the installed grid file at the context's path. A missing file
// gets its own message. Otherwise Add takes the grid file's lock (GridFileLock) before it reads
// the file and holds it to the end of the write, so no other writer can change the file in
// between and have its change lost; when another writer keeps the lock for the context's
// lockWait, says so and ends Busy, leaving the gate as it is. Reads the file (an unreadable one,
// one that is no grid file and one that already holds the most parts a grid file can each get
// their own message and leave the gate as it is), then the fields as Make does, the part name
// included (refused as Make refuses it, before any comparison with the file). Refuses the part,
// with one message and the gate closed, when its probe diameter is not exactly the file's (the
// message ends with the file's diameter) or, only if the diameters agree, when more than two of
// its lengths match lengths already in the file. The part name is not compared with the file's
// names. Otherwise Add asks the replace question as Make does (the file is there, so always) and
// on Yes rewrites the file with every part it held and the new one last, then calls the host
// library as Make does; on No it ends Declined as Make does.
WriteCommandOutcome AddToGridFile(FormModel& form, const CommandContext& context);

}  // namespace zarvek
