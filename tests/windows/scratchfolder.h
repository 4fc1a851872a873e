#pragma once
// A folder of the running test's own below the temporary folder, emptied
// before and removed after the test, with the files the test needs in it.

#include <windows.h>

#include <string>
#include <string_view>

namespace zevodave::test {

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The full path of `name` in the folder (no trailing backslash for "").
    std::string Path(std::string_view name = {}) const;

    // Creates folders and files (with the given attributes) and returns their
    // full paths.
    std::string AddFolder(std::string_view name) const;
    std::string AddFile(std::string_view name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const;

    // Copies the helper program to `name` (which may name a subfolder); the
    // copy runs and ends at once unless `hold` keeps it waiting for release.
    std::string AddHelperProgram(std::string_view name, bool hold = false) const;

  private:
    std::string root_;
};

// Waits until `path` exists, for as long as the helper program may take.
bool WaitForFile(const std::string& path);

// The whole content of a text file.
std::string ReadText(const std::string& path);

} // namespace zevodave::test
