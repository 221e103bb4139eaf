#pragma once

#include <QString>

namespace quibbet {

// $XDG_DATA_HOME/quibbet/high-scores.json, ~/.local/share/quibbet/high-scores.json by default.
QString HighScoreFilePath();

}  // namespace quibbet
