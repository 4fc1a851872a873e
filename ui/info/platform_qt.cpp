// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// Linux and macOS have no registry and no MSINFO32: System Info starts the
// desktop's own system-information tool found on the search path.

#include "platform.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <array>

namespace zevodave {
namespace {

// In order of preference: the KDE and the GTK system-information tools.
constexpr std::array<const char*, 3> kToolNames = {"kinfocenter", "hardinfo2", "hardinfo"};

class QtPlatform final : public Platform {
  public:
    std::string FindTool() override {
        for (const char* name : kToolNames) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
            if (!path.isEmpty())
                return path.toStdString();
        }
        return {};
    }

    // Detached: the tool is nobody's child here and outlives this program.
    bool StartProgram(std::string_view path) override {
        return QProcess::startDetached(QString::fromUtf8(path.data(), qsizetype(path.size())), {});
    }
};

} // namespace

std::unique_ptr<Platform> MakePlatform() {
    return std::make_unique<QtPlatform>();
}

} // namespace zevodave
