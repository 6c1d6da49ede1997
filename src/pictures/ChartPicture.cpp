#include "pictures/ChartPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#if TARVOLIN_HAVE_SVG
#include <QSvgGenerator>
#endif
#include <cmath>
#include <csetjmp>
#include <new>
#include <stdexcept>

#include <png.h>

#include "chart/Chart.h"
#include "formats/AtomicFile.h"
#include "pictures/PdfText.h"

namespace {

// The program named in the documents it makes, whatever the application object is called.
const QString kCreator = QStringLiteral("Tarvolin");

[[noreturn]] void Fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

// Draws the chart into a painter that is already set up for the picture's size in logical
// pixels. QCustomPlot lays the chart out again for that size (ticks, margins, legend).
void Draw(TChart& chart, QCPPainter& painter, const QSize& size)
{
    if (!painter.isActive())
        Fail(QCoreApplication::translate("ChartPicture", "Cannot draw the chart."));
    chart.DrawPicture(&painter, size);
}

// libpng reports errors by a long jump to this frame; nothing here has a destructor to skip.
struct PngOutput {
    QByteArray* bytes;
    bool outOfMemory;
};

void PngWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto* output = static_cast<PngOutput*>(png_get_io_ptr(png));
    try {
        output->bytes->append(reinterpret_cast<const char*>(data), qsizetype(length));
    } catch (const std::bad_alloc&) {
        output->outOfMemory = true;
        png_error(png, "out of memory");
    }
}

void PngFlush(png_structp) {}

void PngWarning(png_structp, png_const_charp) {}

bool WritePngRows(png_structp png, png_infop info, const QImage& picture, PngOutput* output)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, output, PngWrite, PngFlush);
    png_set_IHDR(png, info, png_uint_32(picture.width()), png_uint_32(picture.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png, info, png_uint_32(picture.dotsPerMeterX()),
                 png_uint_32(picture.dotsPerMeterY()), PNG_RESOLUTION_METER);
    // A chart is mostly runs of one colour: unfiltered rows at a low deflate level come out
    // smaller than libpng's adaptive filters at its default level and take a third of the time.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 3);
    png_write_info(png, info);
    // RGB32 holds 0xffRRGGBB words: blue, green, red and a filler byte in memory.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < picture.height(); ++y)
        png_write_row(png, const_cast<png_bytep>(picture.constScanLine(y)));
    png_write_end(png, info);
    return true;
}

QByteArray EncodePng(const QImage& picture)
{
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "RGB32 rows are read as BGRX bytes");
    QByteArray bytes;
    PngOutput output{&bytes, false};
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool written =
        png && info && WritePngRows(png, info, picture.convertToFormat(QImage::Format_RGB32),
                                    &output);
    png_destroy_write_struct(&png, &info);
    if (output.outOfMemory)
        throw std::bad_alloc();
    if (!written)
        Fail(QCoreApplication::translate("ChartPicture", "Cannot encode the chart as a PNG picture."));
    return bytes;
}

QByteArray Encode(const QImage& picture, const char* format)
{
    if (qstrcmp(format, "PNG") == 0)
        return EncodePng(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        Fail(QCoreApplication::translate("ChartPicture", "Cannot encode the chart as a %1 picture.")
                 .arg(QLatin1String(format)));
    return bytes;
}

QByteArray Raster(TChart& chart, const QSize& size, int scale, const char* format)
{
    // On white whatever the chart's own background, like the pictures Save Picture writes.
    QImage picture(size * scale, QImage::Format_RGB32);
    if (picture.isNull())
        Fail(QCoreApplication::translate("ChartPicture", "Cannot draw the chart: not enough memory for %1 × %2 pixels.")
                 .arg(size.width() * scale)
                 .arg(size.height() * scale));
    picture.fill(Qt::white);
    {
        QCPPainter painter(&picture);
        // The image keeps the screen's resolution while it is drawn, so fonts come out at
        // their on-screen pixel sizes and the scale enlarges everything alike.
        if (scale != 1)
            painter.scale(scale, scale);
        Draw(chart, painter, size);
    }
    if (scale != 1) {
        // Marked as a denser picture, so that a document shows it at the size of the 1× one.
        picture.setDotsPerMeterX(picture.dotsPerMeterX() * scale);
        picture.setDotsPerMeterY(picture.dotsPerMeterY() * scale);
    }
    return Encode(picture, format);
}

#if TARVOLIN_HAVE_SVG
QByteArray Svg(TChart& chart, const QSize& size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // At the screen's resolution fonts keep their on-screen sizes relative to the drawing.
    generator.setResolution(chart.logicalDpiX());
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(chart.Title());
    generator.setDescription(kCreator);
    {
        QCPPainter painter(&generator);
        painter.setMode(QCPPainter::pmVectorized);
        Draw(chart, painter, size);
    }
    if (bytes.isEmpty())
        Fail(QCoreApplication::translate("ChartPicture", "Cannot draw the chart as an SVG picture."));
    return bytes;
}
#else
// A build without Qt SVG (the Windows build, when Qt SVG's source cannot be had) says so
// rather than writing something else under an .svg name.
[[noreturn]] QByteArray Svg(TChart&, const QSize&)
{
    Fail(QCoreApplication::translate("ChartPicture", "This build of Tarvolin cannot write SVG "
                                     "pictures: choose PNG, PDF or BMP."));
}
#endif

QByteArray Pdf(TChart& chart, const QSize& size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(kCreator);
        writer.setTitle(chart.Title());
        // One page of exactly the picture's size at the screen's resolution, no margins.
        const int dpi = chart.logicalDpiX();
        writer.setResolution(dpi);
        const QSizeF points(size.width() * 72.0 / dpi, size.height() * 72.0 / dpi);
        writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(),
                                                   QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                         QPageLayout::Point, QMarginsF(0, 0, 0, 0)));
        QCPPainter painter(&writer);
        if (painter.isActive()) {
            painter.setMode(QCPPainter::pmVectorized);
            // The page's device pixels are rounded from points; the window keeps the drawing's
            // own coordinates in pixels of the picture.
            painter.setWindow(QRect(QPoint(0, 0), size));
        }
        Draw(chart, painter, size);
    }
    if (bytes.isEmpty())
        Fail(QCoreApplication::translate("ChartPicture", "Cannot draw the chart as a PDF document."));
    // Searchable and copyable as the characters drawn, whichever CJK font drew them.
    return WithIdeographsForRadicals(bytes);
}

}  // namespace

bool CanWriteSvg()
{
#if TARVOLIN_HAVE_SVG
    return true;
#else
    return false;
#endif
}

QString PictureSuffix(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        return QStringLiteral("png");
    case PictureFormat::Svg:
        return QStringLiteral("svg");
    case PictureFormat::Pdf:
        return QStringLiteral("pdf");
    case PictureFormat::Bmp:
        break;
    }
    return QStringLiteral("bmp");
}

std::optional<PictureFormat> PictureFormatFromPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (PictureFormat format :
         {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf, PictureFormat::Bmp})
        if (suffix.compare(PictureSuffix(format), Qt::CaseInsensitive) == 0)
            return format;
    return std::nullopt;
}

QByteArray RenderChartPicture(TChart& chart, PictureFormat format, const PictureOptions& options)
{
    const QSize screen = chart.size();
    const QSize size = options.size.isEmpty() ? screen : options.size;
    const int scale = format == PictureFormat::Png ? options.scale : 1;
    if (scale < 1 || scale > kMaxPictureScale)
        Fail(QCoreApplication::translate("ChartPicture", "The scale %1 is not one of 1, 2 and 3.").arg(options.scale));
    if ((!options.size.isEmpty() && std::min(size.width(), size.height()) < kMinPictureSide) ||
        std::max(size.width(), size.height()) * scale > kMaxPictureSide)
        Fail(QCoreApplication::translate("ChartPicture", "A picture of %1 × %2 pixels at %3× is out of bounds (%4 to %5 "
                            "pixels a side).")
                 .arg(size.width())
                 .arg(size.height())
                 .arg(scale)
                 .arg(kMinPictureSide)
                 .arg(kMaxPictureSide));

    QByteArray bytes;
    switch (format) {
    case PictureFormat::Png:
        bytes = Raster(chart, size, scale, "PNG");
        break;
    case PictureFormat::Bmp:
        bytes = Raster(chart, size, 1, "BMP");
        break;
    case PictureFormat::Svg:
        bytes = Svg(chart, size);
        break;
    case PictureFormat::Pdf:
        bytes = Pdf(chart, size);
        break;
    }
    return bytes;
}

void WriteChartPicture(TChart& chart, const QString& path, PictureFormat format,
                       const PictureOptions& options)
{
    QByteArray bytes;
    try {
        bytes = RenderChartPicture(chart, format, options);
    } catch (const std::exception& error) {
        Fail(QCoreApplication::translate("AtomicFile", "Cannot write file \"%1\". %2")
                 .arg(QDir::toNativeSeparators(path), QString::fromStdString(error.what())));
    }
    WriteFileAtomically(path, bytes);
}
