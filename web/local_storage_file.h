// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

#include "scores/table_file.h"

// The page's high-score "file": one item of the browser's localStorage, holding the same JSON
// as the desktop's file, so the page keeps its table under the same rules. The page delivers
// every input that submits a score under the browser's lock across its tabs (web/table_lock.js),
// and localStorage is read and written whole within that one call, so Lock has nothing to take.

namespace quibbet {

class LocalStorageFile final : public TableFile {
 public:
  std::string Name() const override;
  Outcome Lock(bool makeFolder) override;
  void Unlock() override;
  Contents Read(std::size_t maxBytes) override;
  Outcome Write(const std::string& bytes) override;
  Outcome MoveAside() override;
};

}  // namespace quibbet
