#pragma once

#include <QPainter>
#include <QRect>

// The notice over the field of a paused round. The view paints it: it is no control of the
// window, so it takes neither the pointer nor the focus and leaves the rules' data untouched.

namespace quibbet {

void PaintPausedNotice(QPainter& painter, const QRect& window);

}  // namespace quibbet
