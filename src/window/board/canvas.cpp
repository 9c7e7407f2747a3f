// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/board/canvas.h"

#include <QFont>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "game/layout.h"
#include "window/board/glyphs.h"

namespace ninebox {

namespace {

TextMask render(bool kanji, int pixelSize, const QString& text) {
    QFont font(kanji ? QString(kKanjiFamily) : QString(kWindowFamily));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    // Glyphs may reach out of their character cells; a margin of an em keeps them whole.
    const int margin = pixelSize;
    QImage image(static_cast<int>(std::ceil(line.naturalTextWidth())) + 2 * margin,
                 static_cast<int>(std::ceil(line.height())) + 2 * margin,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    layout.draw(&painter, QPointF(margin, margin));  // the line's top-left at the margin
    painter.end();

    TextMask mask;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            TextMask::Span span{x - margin, y - margin, 0, mask.coverage.size()};
            for (; x < image.width() && qAlpha(row[x]) != 0; ++x, ++span.length)
                mask.coverage.push_back(static_cast<std::uint8_t>(qAlpha(row[x])));
            mask.bounds |= QRect(span.x, span.y, span.length, 1);
            mask.spans.push_back(span);
        }
    }
    return mask;
}

// colour * cover + under * (255 - cover), divided by 255 and rounded, on the red and blue
// bytes at once and then on green; the result is opaque.
inline QRgb blend(QRgb under, QRgb colour, std::uint32_t cover) {
    const std::uint32_t rest = 255 - cover;
    std::uint32_t rb = (colour & 0xff00ffu) * cover + (under & 0xff00ffu) * rest + 0x800080u;
    rb = ((rb + ((rb >> 8) & 0xff00ffu)) >> 8) & 0xff00ffu;
    std::uint32_t g = ((colour >> 8) & 0xffu) * cover + ((under >> 8) & 0xffu) * rest + 0x80u;
    g = ((g + (g >> 8)) >> 8) & 0xffu;
    return 0xff000000u | rb | (g << 8);
}

}  // namespace

const TextMask& TextCache::mask(bool kanji, int pixelSize, const QString& text) {
    Key key{kanji, pixelSize, text};
    auto found = masks_.constFind(key);
    if (found != masks_.constEnd()) return *found;
    if (masks_.size() > 2000) masks_.clear();  // score texts vary: a long session must not hoard them
    return *masks_.insert(key, render(kanji, pixelSize, text));
}

void TextCache::merge(const TextCache& other) {
    for (auto it = other.masks_.cbegin(); it != other.masks_.cend(); ++it)
        if (!masks_.contains(it.key())) masks_.insert(it.key(), it.value());
}

int fontPoints(FontSize size, int outerWidthTwips) {
    return static_cast<int>(static_cast<long long>(outerWidthTwips) * size.a / 11000) + size.c;
}

int fontPixels(int points, int dpi, double ratio) {
    return std::max(1, static_cast<int>(std::lround(points * dpi * ratio / 72.0)));
}

Canvas::Canvas(QImage& image, DrawState& state, TextCache& text, int outerWidthTwips, int dpi)
    : image_(image),
      state_(state),
      text_(text),
      outerWidth_(outerWidthTwips),
      dpi_(dpi),
      ratio_(image.devicePixelRatio()) {
    bits_ = image_.bits();
    stride_ = image_.bytesPerLine();
}

QPoint Canvas::pixel(double x, double y) const {
    using layout::kBoard;
    return {static_cast<int>(std::lround((x - kBoard.left) * image_.width() / (kBoard.right - kBoard.left))),
            static_cast<int>(std::lround((y - kBoard.top) * image_.height() / (kBoard.bottom - kBoard.top)))};
}

void Canvas::setFontSize(FontSize size) { state_.points = fontPoints(size, outerWidth_); }

int Canvas::fontPixels() const { return ninebox::fontPixels(state_.points, dpi_, ratio_); }

// An odd pen is centred on its line; an even one has the extra pixel before it.
QRect Canvas::filled(double x1, double y1, double x2, double y2, int drawWidth) const {
    const QPoint from = pixel(x1, y1), to = pixel(x2, y2);
    const int width = std::max(1, static_cast<int>(std::lround(drawWidth * ratio_)));
    const int before = width / 2, after = (width - 1) / 2;
    return QRect(QPoint(std::min(from.x(), to.x()) - before, std::min(from.y(), to.y()) - before),
                 QPoint(std::max(from.x(), to.x()) + after, std::max(from.y(), to.y()) + after));
}

QPainter& Canvas::painter() {
    if (!painter_) {
        view_ = QImage(bits_, image_.width(), image_.height(), stride_, image_.format());
        painter_.emplace(&view_);
    }
    return *painter_;
}

void Canvas::fillPixels(QRect area) { painter().fillRect(area, state_.colour); }

void Canvas::picture(const QImage& scaled, const QRect& hidden) {
    if (scaled.size() != image_.size() || scaled.depth() != 32) {
        painter().drawImage(QRect(0, 0, image_.width(), image_.height()), scaled);
        return;
    }
    // Row by row, leaving out what will be covered: at 4K the copy is most of a redraw.
    const QRect skip = hidden & image_.rect();
    const auto bytes = [](int pixels) { return static_cast<std::size_t>(pixels) * sizeof(QRgb); };
    for (int y = 0; y < image_.height(); ++y) {
        QRgb* to = row(y);
        const auto* from = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        if (skip.isEmpty() || y < skip.top() || y > skip.bottom()) {
            std::memcpy(to, from, bytes(image_.width()));
            continue;
        }
        std::memcpy(to, from, bytes(skip.left()));
        std::memcpy(to + skip.right() + 1, from + skip.right() + 1, bytes(image_.width() - skip.right() - 1));
    }
}

void Canvas::clear(QColor colour) { painter().fillRect(image_.rect(), colour); }

void Canvas::fill(double x1, double y1, double x2, double y2) {
    fillPixels(filled(x1, y1, x2, y2, state_.drawWidth));
}

void Canvas::box(double x1, double y1, double x2, double y2) {
    line(x1, y1, x2, y1);
    line(x2, y1, x2, y2);
    line(x2, y2, x1, y2);
    line(x1, y2, x1, y1);
}

void Canvas::line(double x1, double y1, double x2, double y2) { fill(x1, y1, x2, y2); }

QRect Canvas::inked(const QString& text) {
    return inked(text, fontPixels()).translated(pixel(state_.x, state_.y));
}

QRect Canvas::inked(const QString& text, int pixelSize) {
    return text_.mask(state_.kanji, pixelSize, text).bounds;
}

void Canvas::print(const QString& text) { print(text, fontPixels(), pixel(state_.x, state_.y)); }

void Canvas::print(const QString& text, int pixelSize, QPoint at) {
    const TextMask& mask = text_.mask(state_.kanji, pixelSize, text);
    const QRgb colour = state_.colour.rgb();
    const int width = image_.width(), height = image_.height();
    // At large sizes the pixels under a text are rarely cached: prefetch all its rows at once.
    for (const TextMask::Span& span : mask.spans) {
        const int y = at.y() + span.y, x = at.x() + span.x;
        if (y >= 0 && y < height && x >= 0 && x < width) __builtin_prefetch(row(y) + x, 1);
    }
    for (const TextMask::Span& span : mask.spans) {
        const int y = at.y() + span.y, x = at.x() + span.x;
        if (y < 0 || y >= height) continue;
        QRgb* pixels = row(y);
        const std::uint8_t* cover = mask.coverage.data() + span.coverage;
        for (int i = std::max(0, -x), end = std::min(span.length, width - x); i < end; ++i)
            pixels[x + i] = cover[i] == 255 ? colour : blend(pixels[x + i], colour, cover[i]);
    }
}

}  // namespace ninebox
