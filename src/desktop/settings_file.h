// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

// The player's choices, kept from one run to the next in $XDG_CONFIG_HOME/quibbet/quibbet.ini
// (~/.config unless XDG_CONFIG_HOME says otherwise), one key each.

namespace quibbet {

QVariant ReadSetting(const QString& key);
// Says on the standard error when the choice cannot be kept: it then lasts for this run.
void WriteSetting(const QString& key, const QVariant& value);

}  // namespace quibbet
