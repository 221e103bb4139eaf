// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

#include "scores/table_file.h"

// The page's high-score "file": one item of the browser's localStorage, holding the same JSON
// as the desktop's file, so the page keeps its table under the same rules. A page runs on one
// thread and localStorage is read and written whole, so the lock has nothing to wait for.

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
