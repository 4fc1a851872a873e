// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The Windows services behind System Info: the registry, the file system and
// process start, through the ANSI entry points.

#include "platform_win.h"

#include <windows.h>

#include <array>
#include <string>

namespace zevodave {
namespace {

// Read rights only (KEY_READ: READ_CONTROL, KEY_QUERY_VALUE,
// KEY_ENUMERATE_SUB_KEYS, KEY_NOTIFY). Asking for write rights as well would
// make the open fail for every user who may read HKEY_LOCAL_MACHINE but not
// change it, and System Info would then claim the tool is missing.
constexpr REGSAM kReadOnlyAccess = KEY_READ;
static_assert(kReadOnlyAccess == 0x20019);

// Attributes that make a file something other than a plain, visible file.
constexpr DWORD kNotNormalFile =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The predefined root keys are negative 32-bit numbers, sign-extended to the
// width of a handle: HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002 on 64-bit
// Windows.
HKEY RootKey(std::uint32_t keyRoot) {
    const auto value = static_cast<LONG_PTR>(static_cast<LONG>(keyRoot));
    return reinterpret_cast<HKEY>(value);
}

// Closes an open key on every way out of ReadValue.
class OpenKey {
  public:
    OpenKey(HKEY root, const std::string& name) {
        if (RegOpenKeyExA(root, name.c_str(), 0, kReadOnlyAccess, &key_) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~OpenKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// Closes the handles CreateProcess hands back: the program runs on its own.
void CloseProcessHandles(const PROCESS_INFORMATION& process) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

class WindowsRegistry final : public Registry {
  public:
    std::optional<RegistryValue> ReadValue(std::uint32_t keyRoot, std::string_view keyName,
                                           std::string_view valueName) override {
        const OpenKey key(RootKey(keyRoot), std::string(keyName));
        if (key.get() == nullptr) {
            return std::nullopt;
        }
        std::array<BYTE, kValueBufferSize> buffer{};
        DWORD type = 0;
        DWORD size = buffer.size();
        if (RegQueryValueExA(key.get(), std::string(valueName).c_str(), nullptr, &type,
                             buffer.data(), &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return RegistryValue{type, std::string(reinterpret_cast<const char*>(buffer.data()), size)};
    }

    bool NormalFileExists(std::string_view path) override {
        // The name is taken literally: a * or ? would otherwise let a search
        // match some other file.
        if (path.empty() || path.find_first_of("*?") != std::string_view::npos) {
            return false;
        }
        const DWORD attributes = GetFileAttributesA(std::string(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotNormalFile) == 0;
    }
};

class WindowsPlatform final : public Platform {
  public:
    std::string FindTool() override { return RegisteredTool(registry_); }

    bool StartProgram(std::string_view path) override {
        if (path.empty()) {
            return false;
        }
        // The program file is named exactly; the command line is only what
        // the program sees as its own name, quoted so that it splits the same
        // way. Left to search an unquoted line, "C:\Program Files\X\tool.exe"
        // would run C:\Program.exe when such a file exists.
        const std::string application(path);
        std::string commandLine = '"' + application + '"';
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            return false;
        }
        // Nothing waits for the tool, not even until it is ready for input.
        CloseProcessHandles(process);
        return true;
    }

  private:
    WindowsRegistry registry_;
};

} // namespace

std::unique_ptr<Platform> MakePlatform() {
    return std::make_unique<WindowsPlatform>();
}

std::unique_ptr<Registry> MakeRegistry() {
    return std::make_unique<WindowsRegistry>();
}

} // namespace zevodave
