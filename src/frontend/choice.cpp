// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/choice.h"

namespace quibbet {

Choice::Choice(Settings& settings, const ChoiceText& text, bool offForRun)
    : settings_(settings),
      text_(text),
      on_(!offForRun && settings.Read(text.key).value_or(text.byDefault)) {}

void Choice::Toggle() {
  on_ = !on_;
  settings_.Write(text_.key, on_);
}

}  // namespace quibbet
