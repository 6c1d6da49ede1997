// Save Data and Save Picture driven through the main window, with the dialogs answered by the
// test's stand-in for the desktop.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "platform/CheckList.h"
#include "support/CreateWorked.h"
#include "support/FakePlatform.h"
#include "support/FileSizeLimit.h"
#include "support/Files.h"
#include "support/WorkedExample.h"

namespace {

using testfiles::Read;
using testfiles::Write;
using testfiles::Entries;

using Kind = Platform::MsgKind;
using worked::Create;
using worked::Type;

quint32 Le32(const QByteArray& bytes, int at)
{
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
           quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}

int CountPixels(const QImage& image, QRgb colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            count += qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])) == colour;
    }
    return count;
}

}  // namespace

class TestExportWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saveDataRefusesEmptyRegistry();
    void saveDataCancelled();
    void saveDataWorkedExample();
    void saveDataFaults_data();
    void saveDataFaults();
    void saveDataFailingHalfwayKeepsEarlierFile();

    void savePictureCancelled();
    void savePictureShowsChartsAsTheyStand();
    void savePictureOfEmptyCharts();
    void savePictureFaults_data();
    void savePictureFaults();

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestExportWindow::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Veldrin"));
}

void TestExportWindow::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestExportWindow::cleanup()
{
    form.reset();
    platform.reset();
    dir.reset();
}

void TestExportWindow::saveDataRefusesEmptyRegistry()
{
    platform->saveAnswers = {dir->filePath("Concrete_Data.csv")};
    QTest::mouseClick(form->btn5, Qt::LeftButton);
    form->SaveData1->trigger();

    QCOMPARE(platform->Texts(), QStringList(2, "No concretes have been create!."));
    QCOMPARE(platform->messages[0].kind, Kind::Information);
    QCOMPARE(platform->messages[0].caption, QString("Information"));
    QVERIFY(platform->saveRequests.isEmpty());
    QVERIFY(Entries(dir->path()).isEmpty());
}

void TestExportWindow::saveDataCancelled()
{
    Create(*form, worked::kC30);
    QCOMPARE(form->concretes.size(), std::size_t(1));

    QTest::mouseClick(form->btn5, Qt::LeftButton);  // no answer queued: the user cancels

    QCOMPARE(platform->saveRequests.size(), 1);
    const Platform::SaveFileRequest& request = platform->saveRequests[0];
    QCOMPARE(request.caption, QString("Save Concrete Data"));
    QCOMPARE(request.fileName, QString("Concrete_Data.csv"));
    QCOMPARE(request.filter, QString("CSV files (*.csv)"));
    QCOMPARE(request.defaultSuffix, QString("csv"));
    QCOMPARE(QDir(request.directory), QDir(QCoreApplication::applicationDirPath()));
    QVERIFY(platform->messages.isEmpty());
    QVERIFY(Entries(dir->path()).isEmpty());
}

void TestExportWindow::saveDataWorkedExample()
{
    Create(*form, worked::kC30);
    Create(*form, worked::kC50);
    QCOMPARE(form->concretes.size(), std::size_t(2));
    // A hidden concrete is written like any other.
    form->lst1->item(1)->setCheckState(Qt::Unchecked);
    QVERIFY(!form->cht1->Series(1)->Active());
    QVERIFY(platform->messages.isEmpty());

    const QString path = dir->filePath("Concrete_Data.csv");
    QVERIFY(Write(path, "an older file\r\n"));
    platform->saveAnswers = {path};
    QTest::mouseClick(form->btn5, Qt::LeftButton);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));

    const QByteArray bytes = Read(path);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), worked::kLineCount);
    QCOMPARE(bytes.count('\n'), worked::kLineCount);  // no bare line feeds
    QCOMPARE(bytes.count('\r'), worked::kLineCount);
    const QStringList lines = QString::fromUtf8(bytes).split("\r\n");
    for (const auto& [first, expected] : worked::Excerpts())
        for (int k = 0; k < expected.size(); ++k)
            QCOMPARE(lines.value(first + k), expected[k]);
    QCOMPARE(Entries(dir->path()), QStringList{"Concrete_Data.csv"});

    // The next use proposes the name again, in the folder last saved to; the menu item does
    // the same as the button.
    platform->saveAnswers = {path};
    form->SaveData1->trigger();
    QCOMPARE(platform->saveRequests.size(), 2);
    QCOMPARE(platform->saveRequests[1].fileName, QString("Concrete_Data.csv"));
    QCOMPARE(QDir(platform->saveRequests[1].directory), QDir(dir->path()));
    QCOMPARE(Read(path), bytes);
    QCOMPARE(form->concretes.size(), std::size_t(2));
    QCOMPARE(form->cht1->SeriesCount(), 2);
}

void TestExportWindow::saveDataFaults_data()
{
    QTest::addColumn<QString>("target");  // relative to the test folder unless absolute
    QTest::addColumn<QString>("reason");

    // Faults that stop root as well as anyone else.
    QTest::newRow("folder is a regular file") << "plain/Concrete_Data.csv" << "Not a directory";
    QTest::newRow("target is a directory") << "folder.csv" << "directory";
    QTest::newRow("name too long") << QString(300, 'n') + ".csv" << "File name too long";
    QTest::newRow("read-only file system") << "/proc/Concrete_Data.csv" << "";
}

void TestExportWindow::saveDataFaults()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);

    QVERIFY(Write(dir->filePath("plain"), "just a file"));
    QVERIFY(QDir(dir->path()).mkdir("folder.csv"));
    const QStringList before = Entries(dir->path());
    Create(*form, worked::kC30);

    const QString path = QDir::isAbsolutePath(target) ? target : dir->filePath(target);
    const QString good = dir->filePath("good.csv");
    platform->saveAnswers = {path, good};
    QTest::mouseClick(form->btn5, Qt::LeftButton);

    QCOMPARE(platform->messages.size(), 1);
    const auto& box = platform->messages[0];
    QCOMPARE(box.kind, Kind::Error);
    QCOMPARE(box.caption, QString("Veldrin"));
    QVERIFY2(box.text.contains(path), qPrintable(box.text));
    QVERIFY2(box.text.contains(reason), qPrintable(box.text));
    QVERIFY2(box.text.size() > path.size() + 20, qPrintable(box.text));  // a reason is given
    QCOMPARE(Entries(dir->path()), before);
    QVERIFY(Entries(dir->filePath("folder.csv")).isEmpty());
    QCOMPARE(Read(dir->filePath("plain")), QByteArray("just a file"));
    QVERIFY(!QFileInfo::exists("/proc/Concrete_Data.csv"));
    QCOMPARE(form->concretes.size(), std::size_t(1));
    QCOMPARE(form->cht1->SeriesCount(), 1);

    // The run goes on: the next save works.
    QTest::mouseClick(form->btn5, Qt::LeftButton);
    QCOMPARE(platform->messages.size(), 1);
    QVERIFY(Read(good).startsWith("ConcreteName,"));
}

void TestExportWindow::saveDataFailingHalfwayKeepsEarlierFile()
{
    Create(*form, worked::kC30);
    Create(*form, worked::kC50);
    const QString path = dir->filePath("Concrete_Data.csv");
    const QByteArray earlier = QByteArray("earlier good file\r\n").repeated(100);
    QVERIFY(Write(path, earlier));

    platform->saveAnswers = {path};
    {
        // The file needs about 12 kB; writing stops with EFBIG after 4 kB, even for root.
        FileSizeLimit limit(4096);
        QVERIFY(limit.active);
        QTest::mouseClick(form->btn5, Qt::LeftButton);
    }

    QCOMPARE(platform->messages.size(), 1);
    QCOMPARE(platform->messages[0].kind, Kind::Error);
    QVERIFY2(platform->messages[0].text.contains(path) &&
                 platform->messages[0].text.contains("File too large"),
             qPrintable(platform->messages[0].text));
    QCOMPARE(Read(path), earlier);
    QCOMPARE(Entries(dir->path()), QStringList{"Concrete_Data.csv"});
}

void TestExportWindow::savePictureCancelled()
{
    QTest::mouseClick(form->btn4, Qt::LeftButton);  // no answer queued: the user cancels

    QCOMPARE(platform->directoryRequests.size(), 1);
    QCOMPARE(platform->directoryRequests[0].caption, QString("Select directory for storing images"));
    QCOMPARE(QDir(platform->directoryRequests[0].directory),
             QDir(QCoreApplication::applicationDirPath()));
    QVERIFY(platform->messages.isEmpty());
    QVERIFY(Entries(dir->path()).isEmpty());
}

void TestExportWindow::savePictureShowsChartsAsTheyStand()
{
    Create(*form, worked::kC30);
    Create(*form, worked::kC50);
    QCOMPARE(form->concretes.size(), std::size_t(2));
    form->lst1->item(1)->setCheckState(Qt::Unchecked);  // C50 hidden
    const QRgb shown = TChart::PaletteColor(0).rgb();
    const QRgb hidden = TChart::PaletteColor(1).rgb();
    QCOMPARE(form->cht1->Series(0)->Color().rgb(), shown);
    QCOMPARE(form->cht1->Series(1)->Color().rgb(), hidden);

    QVERIFY(Write(dir->filePath("Tension.bmp"), "an older picture"));
    platform->directoryAnswers = {dir->path()};
    form->SavePicture1->trigger();

    QCOMPARE(platform->Texts(), QStringList{"Images saved successfully!."});
    QCOMPARE(platform->messages[0].kind, Kind::Information);
    QCOMPARE(platform->messages[0].caption, QString("Information"));
    QCOMPARE(form->cht1->property("BufferedDisplay"), QVariant(true));
    QCOMPARE(form->cht2->property("BufferedDisplay"), QVariant(true));

    const QList<std::pair<QString, QSize>> pictures = {{"Compression.bmp", QSize(585, 223)},
                                                       {"Tension.bmp", QSize(585, 203)}};
    for (const auto& [name, size] : pictures) {
        const QByteArray bytes = Read(dir->filePath(name));
        // A Windows BMP: "BM", the file size, the pixel offset, a 40-byte info header with the
        // size (bottom-up rows) and 24 bits a pixel.
        QVERIFY2(bytes.startsWith("BM"), qPrintable(name));
        QCOMPARE(Le32(bytes, 2), quint32(bytes.size()));
        QCOMPARE(Le32(bytes, 14), quint32(40));
        QCOMPARE(int(Le32(bytes, 18)), size.width());
        QCOMPARE(int(Le32(bytes, 22)), size.height());
        QCOMPARE(quint8(bytes[28]), quint8(24));
        QCOMPARE(Le32(bytes, 10) + quint32(((size.width() * 3 + 3) / 4 * 4) * size.height()),
                 quint32(bytes.size()));

        const QImage image = QImage::fromData(bytes, "BMP");
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
        QVERIFY2(CountPixels(image, shown) > 100, qPrintable(name));
        QCOMPARE(CountPixels(image, hidden), 0);
    }
    QCOMPARE(Entries(dir->path()), QStringList({"Compression.bmp", "Tension.bmp"}));

    // Showing C50 again puts it into the next pictures; the picker opens at the last folder.
    form->lst1->item(1)->setCheckState(Qt::Checked);
    platform->directoryAnswers = {dir->path()};
    QTest::mouseClick(form->btn4, Qt::LeftButton);
    QCOMPARE(QDir(platform->directoryRequests[1].directory), QDir(dir->path()));
    QCOMPARE(platform->messages.size(), 2);
    const QImage compression(dir->filePath("Compression.bmp"));
    QVERIFY(CountPixels(compression, hidden) > 100);
}

void TestExportWindow::savePictureOfEmptyCharts()
{
    platform->directoryAnswers = {dir->path()};
    QTest::mouseClick(form->btn4, Qt::LeftButton);

    QCOMPARE(platform->Texts(), QStringList{"Images saved successfully!."});
    QCOMPARE(QImage(dir->filePath("Compression.bmp")).size(), QSize(585, 223));
    QCOMPARE(QImage(dir->filePath("Tension.bmp")).size(), QSize(585, 203));
}

void TestExportWindow::savePictureFaults_data()
{
    QTest::addColumn<QString>("folder");  // relative to the test folder unless absolute
    QTest::addColumn<QString>("failing");  // the picture whose path the error names
    QTest::addColumn<QStringList>("left");  // what the test folder holds afterwards

    const QStringList prepared = {"plain", "target"};
    QTest::newRow("folder is a regular file") << "plain" << "Compression.bmp" << prepared;
    QTest::newRow("read-only file system") << "/proc" << "Compression.bmp" << prepared;
    QTest::newRow("folder name too long")
        << QString(300, 'f') << "Compression.bmp" << prepared;
    // Tension.bmp is a folder in "target": the Compression picture written before stays.
    QTest::newRow("second picture fails")
        << "target" << "Tension.bmp" << prepared;
}

void TestExportWindow::savePictureFaults()
{
    QFETCH(QString, folder);
    QFETCH(QString, failing);
    QFETCH(QStringList, left);

    QVERIFY(Write(dir->filePath("plain"), "just a file"));
    QVERIFY(QDir(dir->path()).mkpath("target/Tension.bmp"));
    Create(*form, worked::kC30);

    const QString path = QDir::isAbsolutePath(folder) ? folder : dir->filePath(folder);
    platform->directoryAnswers = {path};
    QTest::mouseClick(form->btn4, Qt::LeftButton);

    QCOMPARE(platform->messages.size(), 1);  // no success box
    const auto& box = platform->messages[0];
    QCOMPARE(box.kind, Kind::Error);
    QCOMPARE(box.caption, QString("Veldrin"));
    QVERIFY2(box.text.contains(path + "/" + failing), qPrintable(box.text));
    QCOMPARE(Entries(dir->path()), left);
    QCOMPARE(Read(dir->filePath("plain")), QByteArray("just a file"));
    QVERIFY(!QFileInfo::exists("/proc/Compression.bmp"));

    const QStringList inTarget = Entries(dir->filePath("target"));
    if (failing == "Tension.bmp") {
        QCOMPARE(inTarget, QStringList({"Compression.bmp", "Tension.bmp"}));
        QCOMPARE(QImage(dir->filePath("target/Compression.bmp")).size(), QSize(585, 223));
    } else {
        QCOMPARE(inTarget, QStringList{"Tension.bmp"});
    }
    QVERIFY(Entries(dir->filePath("target/Tension.bmp")).isEmpty());

    // The run goes on.
    platform->directoryAnswers = {dir->filePath("target")};
    QVERIFY(QDir(dir->filePath("target/Tension.bmp")).removeRecursively());
    QTest::mouseClick(form->btn4, Qt::LeftButton);
    QCOMPARE(platform->messages.size(), 2);
    QCOMPARE(platform->messages[1].text, QString("Images saved successfully!."));
}

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
