// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace quibbet::record {

// Where a recording's lines go. Every call hands over whole lines and they are out of the
// program when it returns, so a game killed between two calls leaves only whole lines behind.
class LineSink {
 public:
  virtual ~LineSink() = default;

  // Writes text made of whole lines; false when it could not, and Failure() then says why.
  virtual bool Write(std::string_view lines) = 0;
  // What went wrong, naming where the lines were going.
  virtual std::string Failure() const = 0;
};

}  // namespace quibbet::record
