// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/pagedimage.h"

#include <sys/mman.h>

#include <cstdint>

namespace ninebox {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

struct Mapping {
    void* start;
    std::size_t length;
};

void unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

}  // namespace

QImage pagedImage(QSize size, QImage::Format format) {
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (size.isEmpty() || depth % 8 != 0) return QImage(size, format);
    const qsizetype stride = ((qsizetype(size.width()) * depth / 8) + 3) & ~qsizetype(3);
    const std::size_t bytes = std::size_t(stride) * std::size_t(size.height());
    if (bytes < kHugePage / 2) return QImage(size, format);
    // Room to start on a huge-page boundary; the slack is never touched, so costs nothing.
    const std::size_t rounded = (bytes + kHugePage - 1) & ~(kHugePage - 1);
    const std::size_t length = rounded + kHugePage;
    void* start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED) return QImage(size, format);
    const auto aligned = (reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1);
    auto* bits = reinterpret_cast<uchar*>(aligned);
    madvise(bits, rounded, MADV_HUGEPAGE);
    auto* mapping = new Mapping{start, length};
    QImage image(bits, size.width(), size.height(), stride, format, unmap, mapping);
    if (image.isNull()) unmap(mapping);  // Qt takes the clean-up only with the image
    return image;
}

}  // namespace ninebox
