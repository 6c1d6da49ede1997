// Pictures of the steel chart: its own Save Image As…, and File ▸ Save Pictures As…, which
// writes Steel.<ext> beside the concrete charts when there are steels.

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "dialogs/PictureOptions.h"
#include "pictures/ChartPicture.h"
#include "steel/SteelRegistry.h"
#include "steelwindow/SteelForm.h"
#include "support/FakePlatform.h"
#include "support/Files.h"

using testfiles::Entries;
using testfiles::Read;
using testfiles::WithoutCreationDate;

Q_DECLARE_METATYPE(PictureFormat)

namespace {

int CountPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

}  // namespace

class TestSteelPictures : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savePicturesAs_data();
    void savePicturesAs();
    void steelWindowNeverOpenedDrawsTheSame();
    void saveImageAsFromTheChartsMenu();

private:
    void CreateSteel(const QString& grade);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
    QList<PictureChoice> optionRequests;
    PictureFormat answerFormat = PictureFormat::Png;
};

void TestSteelPictures::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    platform = std::make_unique<FakePlatform>();
    optionRequests.clear();
    InstallPictureOptionsHook([this](QWidget*, PictureChoice& choice) {
        optionRequests.append(choice);
        if (!choice.formatFixed)
            choice.format = answerFormat;
        return true;
    });
    form = std::make_unique<TForm1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestSteelPictures::cleanup()
{
    InstallPictureOptionsHook({});
    form.reset();
    platform.reset();
    dir.reset();
}

void TestSteelPictures::CreateSteel(const QString& grade)
{
    TSteelForm* steel = form->SteelForm();
    steel->cbb1->setEditText(grade);
    QTest::mouseClick(steel->btn1, Qt::LeftButton);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
}

void TestSteelPictures::savePicturesAs_data()
{
    QTest::addColumn<PictureFormat>("format");
    QTest::addColumn<int>("steels");
    QTest::addColumn<bool>("open");  // whether the steel window is on screen

    QTest::newRow("png, no steel") << PictureFormat::Png << 0 << false;
    QTest::newRow("png, window open") << PictureFormat::Png << 2 << true;
    QTest::newRow("bmp, window closed") << PictureFormat::Bmp << 1 << false;
    QTest::newRow("svg") << PictureFormat::Svg << 2 << true;
    QTest::newRow("pdf") << PictureFormat::Pdf << 1 << false;
}

void TestSteelPictures::savePicturesAs()
{
    QFETCH(PictureFormat, format);
    QFETCH(int, steels);
    QFETCH(bool, open);

    form->cbb1->setEditText("30");
    form->btn1Click();
    const QStringList grades = {"HRB400", "HPB300"};
    for (int i = 0; i < steels; ++i)
        CreateSteel(grades[i]);
    if (open) {
        form->ReinforcingSteel1->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form->SteelForm()));
    } else if (steels > 0) {
        form->SteelForm()->close();
    }

    answerFormat = format;
    platform->directoryAnswers = {dir->path()};
    form->SavePicturesAs1->trigger();
    QCOMPARE(platform->Texts(), QStringList{"Images saved successfully!."});

    QCOMPARE(optionRequests.size(), 1);
    const QString suffix = "." + PictureSuffix(format);
    QStringList expected = {"Compression" + suffix, "Tension" + suffix};
    if (steels == 0) {
        QCOMPARE(optionRequests[0].names, QStringList({"Compression", "Tension"}));
        QCOMPARE(Entries(dir->path()), expected);
        return;
    }
    QCOMPARE(optionRequests[0].names, QStringList({"Compression", "Tension", "Steel"}));
    QCOMPARE(optionRequests[0].sizes.value(2), QSize(585, 396));
    expected.append("Steel" + suffix);
    expected.sort();
    QCOMPARE(Entries(dir->path()), expected);

    const QByteArray bytes = Read(dir->filePath("Steel" + suffix));
    switch (format) {
    case PictureFormat::Png:
    case PictureFormat::Bmp: {
        const QImage image = QImage::fromData(bytes);
        QCOMPARE(image.size(), QSize(585, 396));
        // Every steel's curve in its colour.
        for (int i = 0; i < steels; ++i)
            QVERIFY2(CountPixels(image, TChart::PaletteColor(i).rgb()) > 100, qPrintable(grades[i]));
        break;
    }
    case PictureFormat::Svg:
        for (int i = 0; i < steels; ++i)
            QVERIFY2(bytes.contains(">" + grades[i].toUtf8() + "<"), qPrintable(grades[i]));
        break;
    case PictureFormat::Pdf:
        QVERIFY(bytes.startsWith("%PDF-"));
        break;
    }
    // The picture is the steel chart's: the same bytes as the chart's own writer gives.
    QCOMPARE(WithoutCreationDate(bytes),
             WithoutCreationDate(RenderChartPicture(*form->SteelForm()->cht1, format)));
}

void TestSteelPictures::steelWindowNeverOpenedDrawsTheSame()
{
    // A chart in a window that never was on screen lays out its labels as a shown one does.
    CreateSteel("HRB400");
    CreateSteel("RRB400");
    const QByteArray hidden = RenderChartPicture(*form->SteelForm()->cht1, PictureFormat::Png);
    form->ReinforcingSteel1->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(form->SteelForm()));
    QCOMPARE(RenderChartPicture(*form->SteelForm()->cht1, PictureFormat::Png), hidden);
}

void TestSteelPictures::saveImageAsFromTheChartsMenu()
{
    CreateSteel("HRB500");
    TChart* chart = form->SteelForm()->cht1;
    const std::unique_ptr<QMenu> menu(chart->CreateContextMenu(nullptr));
    QAction* save = menu->findChild<QAction*>("SaveImageAs1");
    QVERIFY(save);
    platform->saveAnswers = {dir->filePath("bars.svg")};
    save->trigger();

    QCOMPARE(platform->saveRequests.size(), 1);
    QCOMPARE(platform->saveRequests[0].fileName, QString("Steel.png"));
    QCOMPARE(Entries(dir->path()), QStringList{"bars.svg"});
    QVERIFY(Read(dir->filePath("bars.svg")).contains(">HRB500<"));
    QVERIFY(platform->messages.isEmpty());
}

QTEST_MAIN(TestSteelPictures)
#include "tst_steelpictures.moc"
