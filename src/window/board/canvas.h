// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Board units over the whole image, pen widths in pixels, font sizes in points, all in device
// pixels. Texts blend by hand from coverage masks: in map mode four times as fast as QPainter.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace ninebox {

// Kept between passes: the clock draws with the pen width the last redraw left.
struct DrawState {
    QColor colour = Qt::black;
    int drawWidth = 1;    // pixels
    int points = 0;       // font size
    bool kanji = false;   // the font is the kanji font rather than the window font
    double x = 0, y = 0;  // text position in board units
};

// Anti-aliased coverage as each row's runs of covered pixels: drawing touches only those.
struct TextMask {
    struct Span {
        int x, y;  // from the text position (the top-left of its first character cell)
        int length;
        std::size_t coverage;  // index of the span's first coverage value
    };
    std::vector<Span> spans;
    std::vector<std::uint8_t> coverage;
    QRect bounds;  // of all spans, from the text position
};

class TextCache {
public:
    const TextMask& mask(bool kanji, int pixelSize, const QString& text);
    void merge(const TextCache& other);  // keeps its own where both have one

private:
    struct Key {
        bool kanji;
        int pixelSize;
        QString text;
        bool operator==(const Key& other) const {
            return kanji == other.kanji && pixelSize == other.pixelSize && text == other.text;
        }
        friend size_t qHash(const Key& key, size_t seed = 0) {
            return qHashMulti(seed, key.kanji, key.pixelSize, key.text);
        }
    };
    QHash<Key, TextMask> masks_;
};

// A font size that follows the window: floor(outerWidthTwips * a / 11000) + c points.
struct FontSize {
    int a, c;
};
int fontPoints(FontSize size, int outerWidthTwips);
int fontPixels(int points, int dpi, double ratio);  // at least one

class Canvas {
public:
    enum class Font { window, kanji };

    // image: 32-bit RGB; dpi converts font points to pixels.
    Canvas(QImage& image, DrawState& state, TextCache& text, int outerWidthTwips, int dpi);

    // Scaled to the image's pixel size; all but `hidden`, which the caller is about to cover.
    void picture(const QImage& scaled, const QRect& hidden = {});
    void clear(QColor colour);

    void setColour(QColor colour) { state_.colour = colour; }
    void setDrawWidth(int pixels) { state_.drawWidth = pixels; }
    void setFontSize(FontSize size);
    void setFont(Font font) { state_.kanji = font == Font::kanji; }

    // Outlined in its own colour: a wide pen reaches half its width beyond the corners.
    void fill(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2);
    // A row or a column (the board draws no other lines), with a square pen.
    void line(double x1, double y1, double x2, double y2);

    void moveTo(double x, double y) {
        state_.x = x;
        state_.y = y;
    }
    // The top-left of its first character cell at the text position; no background.
    void print(const QString& text);
    void print(const QString& text, int pixelSize, QPoint at);  // at a pixel size of its own, from this pixel
    // The pixels print(text), or print(text, pixelSize, {0, 0}), would touch.
    QRect inked(const QString& text);
    QRect inked(const QString& text, int pixelSize);
    void fillPixels(QRect area);  // no pen

    QPoint pixel(double x, double y) const;
    // The pixels a filled box covers with a pen of this width.
    QRect filled(double x1, double y1, double x2, double y2, int drawWidth) const;
    int fontPixels() const;

private:
    QPainter& painter();
    QRgb* row(int y) { return reinterpret_cast<QRgb*>(bits_ + static_cast<std::ptrdiff_t>(y) * stride_); }

    QImage& image_;
    uchar* bits_;
    qsizetype stride_;
    // The pixels without the device pixel ratio, for Qt's rectangle fill, the fastest at hand.
    QImage view_;
    std::optional<QPainter> painter_;
    DrawState& state_;
    TextCache& text_;
    int outerWidth_;
    int dpi_;
    double ratio_;
};

}  // namespace ninebox
