// Report pictures: the picture writer on a chart of its own (as a program without a window
// uses it), Save Image As and File > Save Pictures As through the main window, and the options
// dialog. Dialogs are answered by the test's stand-ins.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <memory>
#include <stdexcept>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "dialogs/PictureExport.h"
#include "dialogs/PictureOptions.h"
#include "model/NumberText.h"
#include "pictures/ChartPicture.h"
#include "platform/CheckList.h"
#include "support/FakePlatform.h"
#include "support/Files.h"

namespace {

using testfiles::Read;
using testfiles::Write;
using testfiles::Entries;

using Kind = Platform::MsgKind;

const QString kFilters = QStringLiteral(
    "PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf);;BMP image (*.bmp)");

int CountPixels(const QImage& image, QRgb colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            count += (line[x] & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
    return count;
}

struct SvgContent {
    bool wellFormed = false;
    QStringList texts;  // the text of every <text> element
    int images = 0;     // embedded raster pictures
    QString viewBox;
    QString title;  // the document's <title>
};

SvgContent ParseSvg(const QByteArray& bytes)
{
    SvgContent content;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg"))
            content.viewBox = xml.attributes().value("viewBox").toString();
        else if (xml.name() == QLatin1String("title") && content.title.isEmpty())
            content.title = xml.readElementText();
        else if (xml.name() == QLatin1String("image"))
            ++content.images;
        else if (xml.name() == QLatin1String("text"))
            content.texts.append(xml.readElementText(QXmlStreamReader::IncludeChildElements)
                                     .simplified());
    }
    content.wellFormed = !xml.hasError();
    return content;
}

// What a PDF holds by its structure: the page objects and the count of the page tree.
struct PdfStructure {
    int pages = 0;
    int count = -1;
};

PdfStructure ParsePdf(const QByteArray& bytes)
{
    PdfStructure pdf;
    const QString text = QString::fromLatin1(bytes);
    pdf.pages = int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
    const QRegularExpressionMatch count =
        QRegularExpression(QStringLiteral("/Type\\s*/Pages\\b[^>]*?/Count\\s+(\\d+)"),
                           QRegularExpression::DotMatchesEverythingOption)
            .match(text);
    if (count.hasMatch())
        pdf.count = count.captured(1).toInt();
    return pdf;
}

// The output of a Debian PDF tool, or nothing when it is not installed.
QString RunTool(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Checks a picture file of the given format and size (before the PNG scale): raster pictures
// by their pixels, vector pictures by their text and structure.
void CheckPicture(const QString& path, PictureFormat format, QSize size, int scale,
                  QRgb curve)
{
    const QByteArray bytes = Read(path);
    switch (format) {
    case PictureFormat::Png:
    case PictureFormat::Bmp: {
        QVERIFY(bytes.startsWith(format == PictureFormat::Png ? "\x89PNG" : "BM"));
        const QImage image = QImage::fromData(bytes);
        QCOMPARE(image.size(), size * scale);
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
        // The curve is drawn with a pen that grows with the scale.
        QVERIFY2(CountPixels(image, curve) > 100 * scale, qPrintable(path));
        if (format == PictureFormat::Png)
            QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 96 * scale);
        break;
    }
    case PictureFormat::Svg: {
        const SvgContent svg = ParseSvg(bytes);
        QVERIFY2(svg.wellFormed, bytes.left(200).constData());
        QVERIFY2(svg.texts.contains("strain[m/m]"), qPrintable(svg.texts.join('|')));
        QVERIFY2(svg.texts.contains("f [N/mm2]"), qPrintable(svg.texts.join('|')));
        QCOMPARE(svg.images, 0);
        QCOMPARE(svg.viewBox, QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));
        QVERIFY(bytes.contains(QColor(curve).name().toLatin1()));
        break;
    }
    case PictureFormat::Pdf: {
        QVERIFY(bytes.startsWith("%PDF-"));
        const PdfStructure pdf = ParsePdf(bytes);
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.count, 1);
        const QString info = RunTool("pdfinfo", {path});
        if (!info.isEmpty()) {
            QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
            // The picture's pixels at 96 dpi, in points.
            const QRegularExpressionMatch page =
                QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
            QVERIFY2(page.hasMatch(), qPrintable(info));
            QVERIFY(qAbs(page.captured(1).toDouble() - size.width() * 0.75) < 1);
            QVERIFY(qAbs(page.captured(2).toDouble() - size.height() * 0.75) < 1);
        }
        const QString text = RunTool("pdftotext", {path, "-"});
        if (!text.isEmpty()) {
            QVERIFY2(text.contains("strain[m/m]"), qPrintable(text));
            QVERIFY2(text.contains("f [N/mm2]"), qPrintable(text));
        }
        break;
    }
    }
}

// The smallest rectangle holding every pixel of text in the legend's colour (RGB 0, 0, 100,
// blended into white: bluer than red), within area. Symbols, frame and curves are not blue.
QRect LegendInk(const QImage& image, const QRect& area)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QRect ink;
    for (int y = std::max(0, area.top()); y <= std::min(rgb.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(rgb.width() - 1, area.right()); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            if (qBlue(pixel) > qRed(pixel) + 8)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

// The ink of a text drawn on its own, unclipped, in the font and at the scale given.
QRect FreeTextInk(const QString& text, const QFont& font, int scale)
{
    QImage image(QSize(400, 120) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.setFont(font);
        painter.setPen(QColor(0, 0, 100));
        painter.drawText(QPointF(20, 60), text);
    }
    return LegendInk(image, image.rect());
}

// How many of the texts are numbers: the tick labels among the words of a picture.
int NumberCount(const QStringList& texts)
{
    int count = 0;
    for (const QString& text : texts) {
        try {
            StrToFloat(text.trimmed().toStdString(), '.');
            ++count;
        } catch (const ConvertError&) {
        }
    }
    return count;
}

// The gridlines of a raster picture in the grid's colour: columns and rows that hold it for
// an eighth of the picture's height or width at least (one per labelled tick).
QSize GridLines(const QImage& image, QRgb grid)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QVector<int> columns(rgb.width());
    QVector<int> rows(rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if ((rgb.pixel(x, y) & 0xFFFFFF) == (grid & 0xFFFFFF)) {
                ++columns[x];
                ++rows[y];
            }
    const auto lines = [](const QVector<int>& counts, int least) {
        int found = 0;
        for (int i = 0; i < counts.size(); ++i)
            found += counts[i] >= least && (i == 0 || counts[i - 1] < least);
        return found;
    };
    return QSize(lines(columns, rgb.height() / 8), lines(rows, rgb.width() / 8));
}

}  // namespace

Q_DECLARE_METATYPE(PictureFormat)

class TestPictureFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void writerFormats_data();
    void writerFormats();
    void writerRefusesBounds_data();
    void writerRefusesBounds();
    void writerKeepsTheChartUsable();

    void saveImageAs_data();
    void saveImageAs();
    void saveImageAsBmpIsSavePicture();
    void saveImageAsCancelled();
    void saveImageAsUnknownSuffix();
    void saveImageAsFaults_data();
    void saveImageAsFaults();
    void saveImageAsWithTheRealDialog();

    void savePicturesAs_data();
    void savePicturesAs();
    void savePicturesAsCancelled();
    void savePicturesAsFaults_data();
    void savePicturesAsFaults();

    void optionsDialog();

    void largerPicturesGetMoreTickLabels_data();
    void largerPicturesGetMoreTickLabels();
    void legendRowsHoldTheirWholeText_data();
    void legendRowsHoldTheirWholeText();

private:
    // Picks a grade and presses Create Concrete: "Con_<grade>" with the proposed values.
    void Create(const QString& grade);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;

    // The options dialog's stand-in: records each request and answers from the queue (an
    // empty queue means the user cancels).
    QList<PictureChoice> optionRequests;
    QList<std::function<void(PictureChoice&)>> optionAnswers;
};

void TestPictureFiles::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Veldrin"));
}

void TestPictureFiles::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    platform = std::make_unique<FakePlatform>();
    optionRequests.clear();
    optionAnswers.clear();
    InstallPictureOptionsHook([this](QWidget*, PictureChoice& choice) {
        optionRequests.append(choice);
        if (optionAnswers.isEmpty())
            return false;
        optionAnswers.takeFirst()(choice);
        return true;
    });
    form = std::make_unique<TForm1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestPictureFiles::cleanup()
{
    InstallPictureOptionsHook({});
    form.reset();
    platform.reset();
    dir.reset();
}

void TestPictureFiles::Create(const QString& grade)
{
    form->cbb1->setEditText(grade);
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
}

void TestPictureFiles::writerFormats_data()
{
    QTest::addColumn<PictureFormat>("format");
    QTest::addColumn<QSize>("size");  // empty: the chart's own
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("expected");

    const QSize own(400, 300);
    QTest::newRow("png") << PictureFormat::Png << QSize() << 1 << own;
    QTest::newRow("png 2x") << PictureFormat::Png << QSize() << 2 << own;
    QTest::newRow("png 3x, own size") << PictureFormat::Png << QSize(700, 500) << 3
                                      << QSize(700, 500);
    QTest::newRow("bmp") << PictureFormat::Bmp << QSize() << 1 << own;
    QTest::newRow("bmp ignores scale") << PictureFormat::Bmp << QSize(200, 100) << 3
                                       << QSize(200, 100);
    QTest::newRow("svg") << PictureFormat::Svg << QSize() << 1 << own;
    QTest::newRow("svg, own size") << PictureFormat::Svg << QSize(1200, 800) << 1
                                   << QSize(1200, 800);
    QTest::newRow("pdf") << PictureFormat::Pdf << QSize() << 1 << own;
    QTest::newRow("pdf, own size") << PictureFormat::Pdf << QSize(1200, 800) << 1
                                   << QSize(1200, 800);
}

void TestPictureFiles::writerFormats()
{
    QFETCH(PictureFormat, format);
    QFETCH(QSize, size);
    QFETCH(int, scale);
    QFETCH(QSize, expected);

    // A chart that is never shown, as a program without a window draws it.
    TChart chart;
    chart.resize(400, 300);
    TLineSeries* series = chart.AddSeries();
    series->SetTitle("C30");
    series->SetPenWidth(2);
    for (int i = 0; i <= 100; ++i)
        series->AddXY(i * 0.0002, 20 * std::sin(i * 0.03));

    const QString path = dir->filePath("chart." + PictureSuffix(format));
    WriteChartPicture(chart, path, format, {size, format == PictureFormat::Png ? scale : 1});
    CheckPicture(path, format, expected, format == PictureFormat::Png ? scale : 1,
                 series->Color().rgb());
    QCOMPARE(Entries(dir->path()), QStringList{"chart." + PictureSuffix(format)});

    if (format == PictureFormat::Png && scale == 2) {
        // Twice the pixels with the same look: shrunk back, it is close to the 1x picture.
        WriteChartPicture(chart, dir->filePath("one.png"), format, {size, 1});
        const QImage one = QImage(dir->filePath("one.png")).convertToFormat(QImage::Format_RGB32);
        const QImage two = QImage(path).scaled(one.size(), Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
        qint64 difference = 0;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x)
                difference += qAbs(qGray(one.pixel(x, y)) - qGray(two.pixel(x, y)));
        QVERIFY2(difference / (one.width() * one.height()) < 12,
                 qPrintable(QString::number(double(difference) / (one.width() * one.height()))));
    }
}

void TestPictureFiles::writerRefusesBounds_data()
{
    QTest::addColumn<PictureFormat>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("scale");

    QTest::newRow("too narrow") << PictureFormat::Png << QSize(15, 300) << 1;
    QTest::newRow("too tall") << PictureFormat::Svg << QSize(300, 10001) << 1;
    QTest::newRow("too large once scaled") << PictureFormat::Png << QSize(5001, 300) << 2;
    QTest::newRow("scale 4") << PictureFormat::Png << QSize() << 4;
    QTest::newRow("scale 0") << PictureFormat::Png << QSize() << 0;
}

void TestPictureFiles::writerRefusesBounds()
{
    QFETCH(PictureFormat, format);
    QFETCH(QSize, size);
    QFETCH(int, scale);

    TChart chart;
    chart.resize(400, 300);
    const QString path = dir->filePath("chart." + PictureSuffix(format));
    QVERIFY(Write(path, "an older picture"));
    try {
        WriteChartPicture(chart, path, format, {size, scale});
        QFAIL("no error");
    } catch (const std::runtime_error& error) {
        QVERIFY2(QString(error.what()).contains(path), error.what());
    }
    QCOMPARE(Read(path), QByteArray("an older picture"));
    QCOMPARE(Entries(dir->path()), QStringList{"chart." + PictureSuffix(format)});
}

void TestPictureFiles::writerKeepsTheChartUsable()
{
    // A picture larger than the chart lays the chart out for that size while it is drawn; the
    // chart on screen must come back to its own layout, which the pointer works on.
    Create("30");
    TChart* chart = form->cht1;
    chart->Refresh();
    const QRect before = chart->axisRect()->rect();
    WriteChartPicture(*chart, dir->filePath("big.svg"), PictureFormat::Svg, {QSize(2000, 1500)});
    QCOMPARE(chart->axisRect()->rect(), before);
    QCOMPARE(chart->xAxis->coordToPixel(chart->xAxis->range().upper), double(before.left() + before.width()));
}

void TestPictureFiles::saveImageAs_data()
{
    QTest::addColumn<QString>("answer");  // the file name the user confirms
    QTest::addColumn<PictureFormat>("format");
    QTest::addColumn<QSize>("size");      // empty: the chart's own
    QTest::addColumn<int>("scale");

    QTest::newRow("png") << "picture.png" << PictureFormat::Png << QSize() << 1;
    QTest::newRow("png 2x") << "picture.png" << PictureFormat::Png << QSize() << 2;
    QTest::newRow("png 3x, own size") << "picture.PNG" << PictureFormat::Png << QSize(640, 480)
                                      << 3;
    QTest::newRow("svg") << "picture.svg" << PictureFormat::Svg << QSize() << 1;
    QTest::newRow("pdf") << "picture.pdf" << PictureFormat::Pdf << QSize() << 1;
    QTest::newRow("pdf, own size") << "picture.Pdf" << PictureFormat::Pdf << QSize(900, 400)
                                   << 1;
    QTest::newRow("bmp") << "picture.bmp" << PictureFormat::Bmp << QSize() << 1;
}

void TestPictureFiles::saveImageAs()
{
    QFETCH(QString, answer);
    QFETCH(PictureFormat, format);
    QFETCH(QSize, size);
    QFETCH(int, scale);

    Create("30");
    Create("50");
    form->lst1->item(1)->setCheckState(Qt::Unchecked);  // Con_50 hidden
    const QRgb shown = TChart::PaletteColor(0).rgb();

    const QString path = dir->filePath(answer);
    QVERIFY(Write(path, "an older picture"));
    platform->saveAnswers = {path};
    optionAnswers = {[&](PictureChoice& choice) {
        if (!size.isEmpty())
            choice.sizes[0] = size;
        choice.scale = scale;
    }};
    SaveChartImageAs(form.get(), form->cht1, "Compression");

    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    QCOMPARE(platform->saveRequests.size(), 1);
    const Platform::SaveFileRequest& request = platform->saveRequests[0];
    QCOMPARE(request.caption, QString("Save Image As"));
    QCOMPARE(request.fileName, QString("Compression.png"));
    QCOMPARE(request.filter, kFilters);
    QCOMPARE(request.defaultSuffix, QString("png"));

    QCOMPARE(optionRequests.size(), 1);
    QCOMPARE(optionRequests[0].sizes, QList<QSize>{QSize(585, 223)});
    QCOMPARE(optionRequests[0].format, format);
    QVERIFY(optionRequests[0].formatFixed);

    const int expectedScale = format == PictureFormat::Png ? scale : 1;
    CheckPicture(path, format, size.isEmpty() ? QSize(585, 223) : size, expectedScale, shown);
    if (format == PictureFormat::Svg)
        QVERIFY(!ParseSvg(Read(path)).texts.contains("Con_50"));
    QCOMPARE(Entries(dir->path()), QStringList{answer});

    // The next use opens in the folder last saved to.
    SaveChartImageAs(form.get(), form->cht2, "Tension");
    QCOMPARE(QDir(platform->saveRequests[1].directory), QDir(dir->path()));
    QCOMPARE(platform->saveRequests[1].fileName, QString("Tension.png"));
}

void TestPictureFiles::saveImageAsBmpIsSavePicture()
{
    Create("30");
    platform->directoryAnswers = {dir->path()};
    QTest::mouseClick(form->btn4, Qt::LeftButton);
    QCOMPARE(platform->Texts(), QStringList{"Images saved successfully!."});

    for (auto [chart, name] : {std::pair{form->cht1, QString("Compression")},
                               std::pair{form->cht2, QString("Tension")}}) {
        const QString path = dir->filePath(name + " copy.bmp");
        platform->saveAnswers = {path};
        optionAnswers = {[](PictureChoice&) {}};
        SaveChartImageAs(form.get(), chart, name);
        const QByteArray saved = Read(dir->filePath(name + ".bmp"));
        QVERIFY(saved.startsWith("BM"));
        QVERIFY2(Read(path) == saved, qPrintable(name));
    }
}

void TestPictureFiles::saveImageAsCancelled()
{
    Create("30");

    SaveChartImageAs(form.get(), form->cht1, "Compression");  // the save dialog cancelled
    QCOMPARE(platform->saveRequests.size(), 1);
    QVERIFY(optionRequests.isEmpty());

    platform->saveAnswers = {dir->filePath("picture.svg")};
    SaveChartImageAs(form.get(), form->cht1, "Compression");  // the options cancelled
    QCOMPARE(optionRequests.size(), 1);

    QVERIFY(platform->messages.isEmpty());
    QVERIFY(Entries(dir->path()).isEmpty());
}

void TestPictureFiles::saveImageAsUnknownSuffix()
{
    platform->saveAnswers = {dir->filePath("picture.jpg")};
    optionAnswers = {[](PictureChoice&) {}};
    SaveChartImageAs(form.get(), form->cht1, "Compression");

    QCOMPARE(platform->Texts(),
             QStringList{"\"picture.jpg\" is not the name of a PNG, SVG, PDF or BMP file."});
    QCOMPARE(platform->messages[0].kind, Kind::Warning);
    QVERIFY(optionRequests.isEmpty());
    QVERIFY(Entries(dir->path()).isEmpty());
}

void TestPictureFiles::saveImageAsFaults_data()
{
    QTest::addColumn<QString>("target");  // relative to the test folder unless absolute
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder is a regular file") << "plain/picture.png" << "Not a directory";
    QTest::newRow("target is a directory") << "folder.svg" << "directory";
    QTest::newRow("read-only file system") << "/proc/picture.pdf" << "";
    QTest::newRow("name too long") << QString(300, 'n') + ".bmp" << "File name too long";
}

void TestPictureFiles::saveImageAsFaults()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);

    QVERIFY(Write(dir->filePath("plain"), "just a file"));
    QVERIFY(QDir(dir->path()).mkdir("folder.svg"));
    const QStringList before = Entries(dir->path());
    Create("30");

    const QString path = QDir::isAbsolutePath(target) ? target : dir->filePath(target);
    platform->saveAnswers = {path};
    optionAnswers = {[](PictureChoice&) {}};
    SaveChartImageAs(form.get(), form->cht1, "Compression");

    QCOMPARE(platform->messages.size(), 1);
    const auto& box = platform->messages[0];
    QCOMPARE(box.kind, Kind::Error);
    QCOMPARE(box.caption, QString("Veldrin"));
    QVERIFY2(box.text.contains(path), qPrintable(box.text));
    QVERIFY2(box.text.contains(reason), qPrintable(box.text));
    QVERIFY2(box.text.size() > path.size() + 20, qPrintable(box.text));
    QCOMPARE(Entries(dir->path()), before);
    QVERIFY(Entries(dir->filePath("folder.svg")).isEmpty());
    QCOMPARE(Read(dir->filePath("plain")), QByteArray("just a file"));
    QVERIFY(!QFileInfo::exists(path) || QFileInfo(path).isDir());
}

void TestPictureFiles::saveImageAsWithTheRealDialog()
{
    // The options dialog itself, answered as a user would: a width typed in, then OK.
    InstallPictureOptionsHook({});
    const QString path = dir->filePath("picture.png");
    platform->saveAnswers = {path};
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<TPictureOptions*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        auto* width = dialog->findChild<QSpinBox*>("spnWidth1");
        auto* height = dialog->findChild<QSpinBox*>("spnHeight1");
        QCOMPARE(width->value(), 585);
        QCOMPARE(height->value(), 223);
        width->setValue(300);
        dialog->findChild<QComboBox*>("cbbScale")->setCurrentIndex(1);
        dialog->findChild<QDialogButtonBox*>("btnsOptions")
            ->button(QDialogButtonBox::Ok)
            ->click();
    });
    SaveChartImageAs(form.get(), form->cht1, "Compression");

    QVERIFY(seen);
    QCOMPARE(QImage(path).size(), QSize(600, 446));
}

void TestPictureFiles::savePicturesAs_data()
{
    QTest::addColumn<PictureFormat>("format");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("resize");  // both pictures 800 x 500 instead of the charts' sizes

    QTest::newRow("png") << PictureFormat::Png << 1 << false;
    QTest::newRow("png 2x") << PictureFormat::Png << 2 << false;
    QTest::newRow("svg") << PictureFormat::Svg << 1 << false;
    QTest::newRow("pdf, own size") << PictureFormat::Pdf << 1 << true;
    QTest::newRow("bmp") << PictureFormat::Bmp << 1 << false;
}

void TestPictureFiles::savePicturesAs()
{
    QFETCH(PictureFormat, format);
    QFETCH(int, scale);
    QFETCH(bool, resize);

    Create("30");
    const QString suffix = "." + PictureSuffix(format);
    QVERIFY(Write(dir->filePath("Tension" + suffix), "an older picture"));
    platform->directoryAnswers = {dir->path()};
    optionAnswers = {[&](PictureChoice& choice) {
        choice.format = format;
        choice.scale = scale;
        if (resize)
            choice.sizes = {QSize(800, 500), QSize(800, 500)};
    }};
    form->SavePicturesAs1->trigger();

    QCOMPARE(platform->Texts(), QStringList{"Images saved successfully!."});
    QCOMPARE(platform->messages[0].kind, Kind::Information);
    QCOMPARE(platform->directoryRequests.size(), 1);
    QCOMPARE(platform->directoryRequests[0].caption, QString("Select folder for the pictures"));
    QCOMPARE(optionRequests.size(), 1);
    QCOMPARE(optionRequests[0].names, QStringList({"Compression", "Tension"}));
    QCOMPARE(optionRequests[0].sizes, QList<QSize>({QSize(585, 223), QSize(585, 203)}));
    QVERIFY(!optionRequests[0].formatFixed);

    const QRgb curve = TChart::PaletteColor(0).rgb();
    CheckPicture(dir->filePath("Compression" + suffix), format,
                 resize ? QSize(800, 500) : QSize(585, 223), scale, curve);
    CheckPicture(dir->filePath("Tension" + suffix), format,
                 resize ? QSize(800, 500) : QSize(585, 203), scale, curve);
    QCOMPARE(Entries(dir->path()), QStringList({"Compression" + suffix, "Tension" + suffix}));

    // Vector pictures are documents titled with their chart's name, made by Tarvolin whatever
    // the application object is called.
    for (const QString name : {"Compression", "Tension"}) {
        const QString path = dir->filePath(name + suffix);
        if (format == PictureFormat::Svg)
            QCOMPARE(ParseSvg(Read(path)).title, name);
        const QString info = format == PictureFormat::Pdf ? RunTool("pdfinfo", {path}) : "";
        if (!info.isEmpty()) {
            QVERIFY2(info.contains(QRegularExpression("Title:\\s+" + name + "\n")),
                     qPrintable(info));
            QVERIFY2(info.contains(QRegularExpression("Creator:\\s+Tarvolin\n")),
                     qPrintable(info));
        }
    }

    if (format == PictureFormat::Bmp) {
        // The same bytes as Save Picture's.
        QTemporaryDir other;
        platform->directoryAnswers = {other.path()};
        QTest::mouseClick(form->btn4, Qt::LeftButton);
        for (const QString name : {"Compression.bmp", "Tension.bmp"})
            QVERIFY2(Read(other.filePath(name)) == Read(dir->filePath(name)), qPrintable(name));
    }

    // The next use opens at the same folder and proposes the format last chosen.
    platform->directoryAnswers = {dir->path()};
    form->SavePicturesAs1->trigger();
    QCOMPARE(QDir(platform->directoryRequests.last().directory), QDir(dir->path()));
    QCOMPARE(optionRequests.size(), 2);
    QCOMPARE(optionRequests[1].format, format);
}

void TestPictureFiles::savePicturesAsCancelled()
{
    Create("30");
    form->SavePicturesAs1->trigger();  // the folder picker cancelled
    QCOMPARE(platform->directoryRequests.size(), 1);
    // Never used before: the user's Documents folder, or home without one.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(QDir(platform->directoryRequests[0].directory),
             QDir(QFileInfo(documents).isDir() ? documents : QDir::homePath()));
    QVERIFY(optionRequests.isEmpty());

    platform->directoryAnswers = {dir->path()};
    form->SavePicturesAs1->trigger();  // the options cancelled
    QCOMPARE(optionRequests.size(), 1);

    QVERIFY(platform->messages.isEmpty());
    QVERIFY(Entries(dir->path()).isEmpty());
}

void TestPictureFiles::savePicturesAsFaults_data()
{
    QTest::addColumn<QString>("folder");   // relative to the test folder unless absolute
    QTest::addColumn<QString>("failing");  // the picture whose path the error names

    QTest::newRow("folder is a regular file") << "plain" << "Compression.svg";
    QTest::newRow("read-only file system") << "/proc" << "Compression.svg";
    // Tension.svg is a folder in "target": the Compression picture written before stays.
    QTest::newRow("second picture fails") << "target" << "Tension.svg";
}

void TestPictureFiles::savePicturesAsFaults()
{
    QFETCH(QString, folder);
    QFETCH(QString, failing);

    QVERIFY(Write(dir->filePath("plain"), "just a file"));
    QVERIFY(QDir(dir->path()).mkpath("target/Tension.svg"));
    Create("30");

    const QString path = QDir::isAbsolutePath(folder) ? folder : dir->filePath(folder);
    platform->directoryAnswers = {path};
    optionAnswers = {[](PictureChoice& choice) { choice.format = PictureFormat::Svg; }};
    form->SavePicturesAs1->trigger();

    QCOMPARE(platform->messages.size(), 1);  // no success box
    QCOMPARE(platform->messages[0].kind, Kind::Error);
    QVERIFY2(platform->messages[0].text.contains(path + "/" + failing),
             qPrintable(platform->messages[0].text));
    QCOMPARE(Entries(dir->path()), QStringList({"plain", "target"}));
    QCOMPARE(Read(dir->filePath("plain")), QByteArray("just a file"));
    QVERIFY(!QFileInfo::exists("/proc/Compression.svg"));
    QCOMPARE(Entries(dir->filePath("target")),
             failing == "Tension.svg" ? QStringList({"Compression.svg", "Tension.svg"})
                                      : QStringList{"Tension.svg"});
    QVERIFY(Entries(dir->filePath("target/Tension.svg")).isEmpty());
}

void TestPictureFiles::optionsDialog()
{
    // One picture of fixed format: sizes from the chart, scale only for PNG, the largest
    // side shrinking with the scale.
    PictureChoice png;
    png.names = {"Compression"};
    png.sizes = {QSize(585, 223)};
    TPictureOptions single(nullptr, png);
    QCOMPARE(single.objectName(), QString("PictureOptions"));
    QVERIFY(!single.cbbFormat);
    QCOMPARE(single.spnWidth.size(), 1);
    QCOMPARE(single.spnWidth[0]->objectName(), QString("spnWidth1"));
    QCOMPARE(single.spnHeight[0]->objectName(), QString("spnHeight1"));
    QCOMPARE(single.spnWidth[0]->value(), 585);
    QCOMPARE(single.spnHeight[0]->value(), 223);
    QCOMPARE(single.spnWidth[0]->minimum(), 16);
    QCOMPARE(single.spnWidth[0]->maximum(), 10000);
    QVERIFY(!single.cbbScale->isHidden());
    QCOMPARE(single.cbbScale->count(), 3);
    QCOMPARE(single.cbbScale->itemText(1), QString("2\u00D7"));
    single.cbbScale->setCurrentIndex(2);
    QCOMPARE(single.spnHeight[0]->maximum(), 3333);
    single.spnWidth[0]->setValue(20000);
    single.spnHeight[0]->setValue(5);
    PictureChoice chosen = single.Choice();
    QCOMPARE(chosen.sizes, QList<QSize>{QSize(3333, 16)});
    QCOMPARE(chosen.scale, 3);
    QCOMPARE(chosen.format, PictureFormat::Png);

    PictureChoice svg = png;
    svg.format = PictureFormat::Svg;
    TPictureOptions vector(nullptr, svg);
    QVERIFY(vector.cbbScale->isHidden());
    QVERIFY(vector.lblScale->isHidden());
    QCOMPARE(vector.Choice().scale, 1);

    // Two pictures with the format open: a size for each, the scale follows the format.
    PictureChoice both;
    both.names = {"Compression", "Tension"};
    both.sizes = {QSize(585, 223), QSize(585, 203)};
    both.formatFixed = false;
    both.format = PictureFormat::Pdf;
    both.scale = 2;
    TPictureOptions pair(nullptr, both);
    QVERIFY(pair.cbbFormat);
    QCOMPARE(pair.cbbFormat->objectName(), QString("cbbFormat"));
    QCOMPARE(pair.cbbFormat->currentText(), QString("PDF"));
    QCOMPARE(pair.spnHeight[1]->objectName(), QString("spnHeight2"));
    QCOMPARE(pair.spnHeight[1]->value(), 203);
    QVERIFY(pair.cbbScale->isHidden());
    QCOMPARE(pair.Choice().scale, 1);
    pair.cbbFormat->setCurrentIndex(pair.cbbFormat->findText("PNG"));
    QVERIFY(!pair.cbbScale->isHidden());
    chosen = pair.Choice();
    QCOMPARE(chosen.format, PictureFormat::Png);
    QCOMPARE(chosen.scale, 2);
    QCOMPARE(chosen.sizes, both.sizes);
    for (QObject* child : pair.findChildren<QWidget*>())
        if (qobject_cast<QSpinBox*>(child) || qobject_cast<QComboBox*>(child) ||
            qobject_cast<QDialogButtonBox*>(child))
            QVERIFY2(!child->objectName().isEmpty(), child->metaObject()->className());
}

void TestPictureFiles::largerPicturesGetMoreTickLabels_data()
{
    QTest::addColumn<PictureFormat>("format");
    QTest::addColumn<bool>("tension");

    for (PictureFormat format : {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf})
        for (bool tension : {false, true})
            QTest::addRow("%s, %s", qPrintable(PictureSuffix(format)),
                          tension ? "Tension" : "Compression")
                << format << tension;
}

// A picture larger than the chart gives it room for more labels, spaced by the same 1/2/5
// rule as on screen; the chart on screen keeps its own.
void TestPictureFiles::largerPicturesGetMoreTickLabels()
{
    QFETCH(PictureFormat, format);
    QFETCH(bool, tension);

    Create("30");
    TChart* chart = tension ? form->cht2 : form->cht1;
    const QRgb grid = tension ? qRgb(192, 192, 192) : qRgb(128, 128, 128);
    const auto labels = [&](const QString& name, QSize size) -> QSize {
        const QString path = dir->filePath(name + "." + PictureSuffix(format));
        WriteChartPicture(*chart, path, format, {size, 1});
        if (format == PictureFormat::Png)
            return GridLines(QImage(path), grid);
        if (format == PictureFormat::Svg)
            return QSize(NumberCount(ParseSvg(Read(path)).texts), 0);
        const QString text = RunTool("pdftotext", {path, "-"});
        return QSize(NumberCount(text.split(QRegularExpression("\\s+"))), 0);
    };
    const QSize screen = chart->size();
    const QSize small = labels("small", QSize());
    const QSize large = labels("large", QSize(1200, 500));
    const QString counts = QStringLiteral("%1x%2 at %3x%4, %5x%6 at 1200x500")
                               .arg(small.width()).arg(small.height())
                               .arg(screen.width()).arg(screen.height())
                               .arg(large.width()).arg(large.height());
    if (format == PictureFormat::Pdf && small.isNull())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY2(small.width() >= 4, qPrintable(counts));
    QVERIFY2(large.width() > small.width(), qPrintable(counts));
    if (format == PictureFormat::Png) {
        // Across and up: each axis of its own.
        QVERIFY2(small.height() >= 3, qPrintable(counts));
        QVERIFY2(large.height() > small.height(), qPrintable(counts));
    }
    // The screen's chart is laid out as before.
    QCOMPARE(labels("again", QSize()), small);
}

void TestPictureFiles::legendRowsHoldTheirWholeText_data()
{
    QTest::addColumn<QString>("output");  // how the chart leaves the window
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("name");

    const QList<std::pair<QString, int>> outputs{
        {"Copy Image", 1}, {"Save Picture", 1}, {"png", 1}, {"png", 2}, {"png", 3}};
    // Descenders, an underscore on the baseline's far side and the hook of a J.
    for (const QString name : {"Con_30", "gjpqy", "J_Jy"})
        for (const auto& [output, scale] : outputs)
            QTest::addRow("%s %dx, %s", qPrintable(output), scale, qPrintable(name))
                << output << scale << name;
}

void TestPictureFiles::legendRowsHoldTheirWholeText()
{
    QFETCH(QString, output);
    QFETCH(int, scale);
    QFETCH(QString, name);

    form->cbb1->setEditText("30");
    form->edt1->clear();
    QTest::keyClicks(form->edt1, name);
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));

    TChart* chart = form->cht1;
    QImage picture;
    if (output == "Copy Image") {
        chart->CopyImage();
        picture = QGuiApplication::clipboard()->image();
    } else if (output == "Save Picture") {
        platform->directoryAnswers = {dir->path()};
        QTest::mouseClick(form->btn4, Qt::LeftButton);
        picture = QImage(dir->filePath("Compression.bmp"));
    } else {
        const QString path = dir->filePath("Compression.png");
        WriteChartPicture(*chart, path, PictureFormat::Png, {QSize(), scale});
        picture = QImage(path);
    }
    QCOMPARE(picture.size(), chart->size() * scale);

    QCOMPARE(chart->legend->itemCount(), 1);
    QCPAbstractLegendItem* row = chart->legend->item(0);
    const QRect rowRect(row->outerRect().topLeft() * scale, row->outerRect().size() * scale);
    const QRect legendRect(chart->legend->outerRect().topLeft() * scale,
                           chart->legend->outerRect().size() * scale);
    const QRect ink = LegendInk(picture, legendRect);
    const QRect whole = FreeTextInk(name, row->font(), scale);
    const QString where = QStringLiteral("row %1,%2 %3x%4, text %5,%6 %7x%8, whole text %9x%10")
                              .arg(rowRect.x()).arg(rowRect.y())
                              .arg(rowRect.width()).arg(rowRect.height())
                              .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
                              .arg(whole.width()).arg(whole.height());
    // Nothing of the text is cut: it is as high and as wide as drawn on its own, and inside its row.
    QVERIFY2(ink.height() == whole.height(), qPrintable(where));
    // Glyphs fall on other fractions of a pixel across: their antialiasing may differ by one.
    QVERIFY2(std::abs(ink.width() - whole.width()) <= 1, qPrintable(where));
    QVERIFY2(rowRect.contains(ink), qPrintable(where));
}

QTEST_MAIN(TestPictureFiles)
#include "tst_picturefiles.moc"
