#include "storage/high_score_path.h"

#include <QStandardPaths>

namespace quibbet {

QString HighScoreFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/quibbet/high-scores.json");
}

}  // namespace quibbet
