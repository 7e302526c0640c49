#pragma once

#include <filesystem>
#include <memory>
#include <windows.h>

struct FileHandleCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
// An open file, closed when its owner goes; empty when it could not be opened.
using OwnedFile = std::unique_ptr<void, FileHandleCloser>;

// The file at path, opened as the reader opens every file: through the \\?\ form, which takes paths
// of any length, and sharing reading, writing and deleting, since sync clients, backup tools and
// editors that save by renaming hold files open for writing and deleting.
OwnedFile openSharingAll(const std::filesystem::path &path, DWORD access, DWORD flags);
