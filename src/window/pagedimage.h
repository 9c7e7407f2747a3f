// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Large images on transparent huge pages where the system offers them on request. A
// picture the size of the board touches hundreds of fresh 4 KiB pages, and in a virtual
// machine each first touch can cost as much as drawing a whole row; one huge page is
// faulted in at once.

#include <QImage>

namespace ninebox {

// Like QImage(size, format), uninitialised; falls back to an ordinary image.
QImage pagedImage(QSize size, QImage::Format format);

}  // namespace ninebox
