#include "export/ChartPicture.h"
#include "chart/Chart.h"

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
    WriteChartPicture(*this, path, PictureFormat::Bmp);
}
