// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/high_score_path.h"

#include <QStandardPaths>

namespace quibbet {

QString HighScoreFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/quibbet/high-scores.json");
}

}  // namespace quibbet
