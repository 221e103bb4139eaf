// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/high_score_path.h"

#include <QDir>

namespace quibbet {

namespace {

// The base-directory rules say a relative value is to be ignored: the table would otherwise
// follow whatever folder the game was started from.
QString DataHome() {
  const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
  return QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + QStringLiteral("/.local/share");
}

}  // namespace

QString HighScoreFilePath() {
  return DataHome() + QStringLiteral("/quibbet/high-scores.json");
}

}  // namespace quibbet
