// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/message_box.h"

// The game's message boxes as Qt's modal message box: the texts as given, the buttons, default
// button and icon that each style asks for.

namespace quibbet {

class QtMessageBox final : public MessageBox {
 public:
  MsgBoxAnswer Show(std::string_view text, std::string_view title, MsgBoxStyle style) override;
};

}  // namespace quibbet
