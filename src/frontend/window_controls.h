// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "frontend/window_description.h"
#include "shell/shell.h"

// The one list of what each window shows, read from the rules' data: a loaded window described
// afresh, and brought up to date after the rules have run.

namespace quibbet {

// w must be loaded. symbols: the shapes carry the symbols of their kinds.
WindowDescription Describe(const Shell& shell, Window w, bool symbols);

// Brings the controls in line with the rules' data; returns a mask with bit i set for each
// control i that changed. w must be the loaded window the description was made of.
std::uint64_t Update(WindowDescription& description, const Shell& shell, bool symbols);

}  // namespace quibbet
