// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quibbet {

// $XDG_DATA_HOME/quibbet/high-scores.json, ~/.local/share/quibbet/high-scores.json when it is
// unset, empty or relative.
QString HighScoreFilePath();

}  // namespace quibbet
