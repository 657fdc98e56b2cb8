#pragma once

#include "toolkit/dialogs.h"

#include <cstddef>
#include <functional>
#include <string>

namespace exporting {

// Where a file is written and of which of the offered types.
struct SaveTarget {
    std::string path;
    std::size_t type = 0;
};

// The type follows the name's extension when it is one of the types' (in any case); otherwise the
// type chosen in the dialog, whose extension is added to the name.
SaveTarget Settle(const tk::SaveAnswer& answer, const std::vector<tk::FileType>& types);

// The file name a save dialog starts with: the stem, the time in periods of state 1 to three
// decimals, and the extension ("parvok-t0.250.svg"); without the time when it is no number.
std::string NameAt(const std::string& stem, double periods, const std::string& extension);

// Saves through the dialogs: asks for a name, starting with `name`, in the folder saved to last,
// settles it, asks before replacing a file, and writes what `contents` makes for the type. A name
// that is no regular file, or lies in /proc, /sys or /dev, is refused with a message before
// anything opens it, and asked again; so is a name whose file the user keeps rather than replaces.
// Cancelling the save dialog leaves everything as it was; a failure is told in a dialog, and leaves
// the file that was there as it was. `contents` yields an empty text when it cannot make the
// contents. Returns the path written, empty when nothing was.
std::string SaveWithDialogs(const std::string& title, const std::string& name,
                            const std::vector<tk::FileType>& types,
                            const std::function<std::string(std::size_t type)>& contents);

} // namespace exporting
