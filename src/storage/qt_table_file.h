#pragma once

#include <QLockFile>
#include <QString>

#include "scores/table_file.h"

// The high-score file on a local disk, through Qt Core: QSaveFile writes it whole or not at all,
// QLockFile beside it keeps copies of the game from changing it at the same time. Only its
// owner may read it: the file is made with mode 0600, its folder with mode 0700.

namespace quibbet {

class QtTableFile final : public TableFile {
 public:
  explicit QtTableFile(const QString& path);

  std::string Name() const override;
  Outcome Lock(bool makeFolder) override;
  void Unlock() override;
  Contents Read(std::size_t maxBytes) override;
  Outcome Write(const std::string& bytes) override;
  Outcome MoveAside() override;

 private:
  Outcome MakeFolder() const;

  QString path_;
  QLockFile lock_;
};

}  // namespace quibbet
