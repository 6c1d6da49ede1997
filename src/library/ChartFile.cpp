#include <QBuffer>
#include <QImage>
#include <stdexcept>

#include "export/AtomicFile.h"
#include "library/Chart.h"

void TChart::SetBufferedDisplay(bool buffered)
{
    // QCustomPlot always draws through its own paint buffers, so there is nothing to switch;
    // the setting is kept where it can be read back.
    setProperty("BufferedDisplay", buffered);
}

void TChart::SaveToBitmapFile(const QString& path)
{
    // Drawn at the size the chart has on screen, in device-independent pixels, onto white:
    // the picture is the same whatever the screen's scale factor or the chart's own background.
    // Changes made since the last drawing (ranges, legend) are brought in first.
    Refresh();
    const int pictureWidth = width();
    const int pictureHeight = height();
    QImage picture(pictureWidth, pictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QCPPainter painter(&picture);
        if (!painter.isActive())
            throw std::runtime_error("Cannot draw the chart for \"" + path.toStdString() + "\".");
        const QRect screenViewport = viewport();
        setViewport(QRect(0, 0, pictureWidth, pictureHeight));
        painter.setMode(QCPPainter::pmNoCaching);
        draw(&painter);
        setViewport(screenViewport);
    }

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        throw std::runtime_error("Cannot encode the chart as a BMP picture for \"" +
                                 path.toStdString() + "\".");
    WriteFileAtomically(path, bytes);
}
