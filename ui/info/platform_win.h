// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

#pragma once
// Windows: the real registry and file system that the System Info lookup
// reads, for the tests that run against them.

#include "platform.h"
#include "sysinfo.h"

#include <memory>

namespace zevodave {

std::unique_ptr<Registry> MakeRegistry();

} // namespace zevodave
