// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/qt_sound_setting.h"

#include "desktop/settings_file.h"

namespace quibbet {

namespace {

const QString kKey = QStringLiteral("sound");

}  // namespace

std::optional<bool> QtSoundSetting::Read() {
  const QVariant value = ReadSetting(kKey);
  // Anything but a plain true or false is no choice: sound stays on.
  if (value.toString() == QStringLiteral("true") || value.toString() == QStringLiteral("false")) {
    return value.toBool();
  }
  return std::nullopt;
}

void QtSoundSetting::Write(bool on) {
  WriteSetting(kKey, on);
}

}  // namespace quibbet
