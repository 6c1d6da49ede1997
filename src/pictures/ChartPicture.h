#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

class TChart;

// Pictures of a chart for documents. Nothing here opens a window or a dialog, so a program
// without a display can call it with charts drawn on the offscreen platform.

enum class PictureFormat { Png, Svg, Pdf, Bmp };

// "png", "svg", "pdf", "bmp".
QString PictureSuffix(PictureFormat format);
// False in a build without Qt SVG, whose SVG pictures are refused by name.
bool CanWriteSvg();
// The format a file name's suffix stands for, in any letter case; nothing for other suffixes.
std::optional<PictureFormat> PictureFormatFromPath(const QString& path);

// Sides of a picture, in pixels before any PNG scale; the written picture stays within
// kMaxPictureSide on each side after scaling.
constexpr int kMinPictureSide = 16;
constexpr int kMaxPictureSide = 10000;
constexpr int kMaxPictureScale = 3;

struct PictureOptions {
    // Width and height in pixels; an empty size means the chart's size on screen.
    QSize size;
    // PNG only: 2 and 3 give twice and three times the pixels each way with the same look
    // (fonts, pens and margins grow with it). Other formats ignore it.
    int scale = 1;
};

// The chart drawn as it stands (active series, legend, current ranges) in the given format:
// PNG and BMP on white; SVG and PDF as vector pictures with real text, one PDF page whose size
// is the picture's at the screen's resolution. Throws std::runtime_error for sizes or scales
// out of bounds and when the picture cannot be drawn.
QByteArray RenderChartPicture(TChart& chart, PictureFormat format,
                              const PictureOptions& options = {});

// Renders the picture and replaces the file at path with it, or leaves the file as it was.
// Throws std::runtime_error naming the path and the reason.
void WriteChartPicture(TChart& chart, const QString& path, PictureFormat format,
                       const PictureOptions& options = {});
