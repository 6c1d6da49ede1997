// TChart's own picture file, which the chart library leaves to the picture writers.

#include "chart/Chart.h"
#include "pictures/ChartPicture.h"

void TChart::SaveToBitmapFile(const QString& path)
{
    // Drawn at the size the chart has on screen, in device-independent pixels, onto white:
    // the picture is the same whatever the screen's scale factor or the chart's own background.
    WriteChartPicture(*this, path, PictureFormat::Bmp);
}
