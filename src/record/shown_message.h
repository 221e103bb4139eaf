// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "common/message_box.h"

namespace quibbet::record {

// A message box as a dump lists it: what it said and how it was answered.
struct ShownMessage {
  std::string text;
  std::string title;
  MsgBoxStyle style;
  MsgBoxAnswer answer;
};

}  // namespace quibbet::record
