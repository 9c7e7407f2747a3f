// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/jpeg.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared

#include <jpeglib.h>

#include <QSysInfo>

#include "window/pagedimage.h"

namespace ninebox {

namespace {

// libjpeg reports a fatal error through this hook, which must not return: it jumps back
// into the step that was running, which then fails.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void fail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void quiet(j_common_ptr, int) {}  // warnings about damaged data: decoding carries on

// The two steps keep only plain values in the frame that a jump returns to.
bool start(jpeg_decompress_struct& info, ErrorManager& errors, std::string_view bytes) {
    if (setjmp(errors.escape)) return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // Straight into Qt's 32-bit pixels, 0xffRRGGBB as a native word: blue, green, red, alpha in
    // memory on a little-endian machine, alpha, red, green, blue on a big-endian one.
    info.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&info);
    return true;
}

bool readRows(jpeg_decompress_struct& info, ErrorManager& errors, unsigned char* bits, qsizetype stride) {
    if (setjmp(errors.escape)) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage decodeJpeg(std::string_view bytes) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = fail;
    errors.base.emit_message = quiet;
    jpeg_create_decompress(&info);
    QImage image;
    if (start(info, errors, bytes)) {
        image = pagedImage(QSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height)),
                           QImage::Format_RGB32);
        if (!image.isNull() && !readRows(info, errors, image.bits(), image.bytesPerLine())) image = QImage();
    }
    jpeg_destroy_decompress(&info);
    return image;
}

}  // namespace ninebox
