#include "toolkit/system_folders.h"

#include <iterator>
#include <system_error>

namespace tk {

std::string SystemFolder(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path written = std::filesystem::absolute(path, error).lexically_normal();
    const std::filesystem::path real = std::filesystem::weakly_canonical(written, error);
    for (const std::filesystem::path& where : {written, real}) {
        if (std::distance(where.begin(), where.end()) < 2)
            continue;
        const std::string first = std::next(where.begin())->string();
        for (const char* folder : {"proc", "sys", "dev"})
            if (first == folder)
                return "/" + first;
    }
    return {};
}

} // namespace tk
