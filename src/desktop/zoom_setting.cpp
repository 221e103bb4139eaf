// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/zoom_setting.h"

#include "desktop/settings_file.h"

namespace quibbet {

namespace {

const QString kKey = QStringLiteral("zoom");

}  // namespace

std::optional<int> QtZoomSetting::Read() {
  bool number = false;
  const int percent = ReadSetting(kKey).toInt(&number);
  return number ? std::optional<int>(percent) : std::nullopt;
}

void QtZoomSetting::Write(int percent) {
  WriteSetting(kKey, percent);
}

}  // namespace quibbet
