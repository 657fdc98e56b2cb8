#pragma once

#include <filesystem>
#include <string>

namespace tk {

// The system's folders of devices and of the kernel's own files, where reading or writing a name
// may wait for ever or act on hardware (/proc/kmsg is a regular file that blocks its reader): /proc,
// /sys or /dev when the path lies in one, as written or once its links are followed; empty otherwise.
// Only names are looked at, and the links on the way: no file is opened.
std::string SystemFolder(const std::filesystem::path& path);

} // namespace tk
