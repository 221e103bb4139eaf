#include "desktop/png_resource.h"

#include <QByteArray>
#include <QImageReader>

namespace quibbet {

QPixmap LoadPngResource(const QString& path) {
  QImageReader reader(path, QByteArrayLiteral("png"));
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

}  // namespace quibbet
