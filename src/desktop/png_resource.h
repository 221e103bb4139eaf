#pragma once

#include <QPixmap>
#include <QString>

// The program's pictures are PNG files among its resources. Reading one as PNG outright spares Qt
// from loading every image-format plugin to ask whether it would read the file better, which at
// start costs more time and memory than the pictures themselves.

namespace quibbet {

QPixmap LoadPngResource(const QString& path);

}  // namespace quibbet
