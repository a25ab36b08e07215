#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>

#include "platform/dynamic_library.h"
#include "platform/file_system.h"

namespace zarvek {

std::string HostLibraryFileName() {
    return "libQuadrel.so";
}

LibraryHandle LoadLibraryAt(const std::string& fullPath) noexcept {
    // dlopen searches the library path for a name without a slash, and resolves a relative path
    // against the current folder; only absolute paths are passed on.
    if (!IsAbsolutePath(fullPath)) {
        return {};
    }
    void* handle = ::dlopen(fullPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return {};
    }
    try {
        return LibraryHandle(handle, [](void* loaded) { ::dlclose(loaded); });
    } catch (...) {
        ::dlclose(handle);
        return {};
    }
}

NoArgumentFunction FindFunction(const LibraryHandle& library, const char* name) noexcept {
    if (!library) {
        return nullptr;
    }
    return reinterpret_cast<NoArgumentFunction>(::dlsym(library.get(), name));
}

std::string ApplicationFolder() {
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
        return {};
    }
    path.resize(static_cast<std::size_t>(length));
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

std::vector<std::string> SystemLibraryFolders() {
    return {"/usr/local/lib", "/usr/lib", "/lib"};
}

}  // namespace zarvek
