// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board window's drawing surface, with the drawing state a window keeps between
// passes (colour, pen width, font size and face, text position). Coordinates are board
// units, x -70..220 and y 0..220 over the whole image; pen widths are pixels, font sizes
// points, as the board's layout was designed in. Everything is drawn in device pixels,
// so an image at a device pixel ratio of 2 gets twice the detail, not a blow-up.
//
// Texts are rendered once into coverage masks and blended into the pixels by hand. That is
// what keeps a redraw cheap: a 1920 x 1080 redraw in map mode (729 marks) takes 0.7 ms this
// way and 2.7 ms through QPainter's own text drawing, 0.2 against 2.0 ms at the start size.

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

// What stays set on the window from one pass to the next: the clock draws with the pen
// width the last redraw left.
struct DrawState {
    QColor colour = Qt::black;
    int drawWidth = 1;    // pixels
    int points = 0;       // font size
    bool kanji = false;   // the font is the kanji font rather than the window font
    double x = 0, y = 0;  // text position in board units
};

// A text rendered once as anti-aliased coverage, kept as the runs of covered pixels of
// each row, so drawing it in any colour touches only the pixels its glyphs cover.
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

// Rendered texts per face, pixel size and string: the board asks for the same few dozen
// on every pass.
class TextCache {
public:
    const TextMask& mask(bool kanji, int pixelSize, const QString& text);
    // Takes texts rendered elsewhere, keeping its own where both have one.
    void merge(const TextCache& other);

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

// A font size that follows the window: floor(W * a / 11000) + c points, W the window's
// outer width in twips.
struct FontSize {
    int a, c;
};
int fontPoints(FontSize size, int outerWidthTwips);
// Points to pixels at this resolution and device pixel ratio, at least one.
int fontPixels(int points, int dpi, double ratio);

class Canvas {
public:
    enum class Font { window, kanji };

    // image: 32-bit RGB. outerWidthTwips sizes the fonts; dpi converts their points to
    // pixels.
    Canvas(QImage& image, DrawState& state, TextCache& text, int outerWidthTwips, int dpi);

    // A picture already scaled to the image's pixel size, over the whole area but for
    // `hidden`, which the caller is about to cover with opaque shapes anyway.
    void picture(const QImage& scaled, const QRect& hidden = {});
    void clear(QColor colour);

    void setColour(QColor colour) { state_.colour = colour; }
    void setDrawWidth(int pixels) { state_.drawWidth = pixels; }
    void setFontSize(FontSize size);
    void setFont(Font font) { state_.kanji = font == Font::kanji; }

    // A filled box in the current colour with its outline drawn in the same colour, so a
    // wide pen makes it reach half the pen width beyond its corners.
    void fill(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2);
    // A row or a column (the board draws no other lines), with a square pen.
    void line(double x1, double y1, double x2, double y2);

    void moveTo(double x, double y) {
        state_.x = x;
        state_.y = y;
    }
    // Text with the top-left of its first character cell at the text position, no
    // background.
    void print(const QString& text);
    // The same in the current face at a pixel size of its own, from this pixel.
    void print(const QString& text, int pixelSize, QPoint at);
    // The pixels print(text) would touch, at the text position in the current font.
    QRect inked(const QString& text);
    // The pixels print(text, pixelSize, {0, 0}) would touch.
    QRect inked(const QString& text, int pixelSize);
    // Pixels filled in the current colour, no pen.
    void fillPixels(QRect area);

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
    // Fills go through Qt's rectangle fill, the fastest at hand; a view of the same pixels
    // without the device pixel ratio keeps its coordinates in pixels.
    QImage view_;
    std::optional<QPainter> painter_;
    DrawState& state_;
    TextCache& text_;
    int twips_;
    int dpi_;
    double ratio_;
};

}  // namespace ninebox
