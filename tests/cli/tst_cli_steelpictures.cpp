// tarvolin-cli pictures with steels: Steel.<ext> beside the concrete charts, the very picture
// the window's Save Pictures As… writes for the same library, and none without steels.

#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "concretewindow/Unit1.h"
#include "dialogs/PictureOptions.h"
#include "pictures/ChartPicture.h"
#include "platform/CheckList.h"
#include "steelwindow/SteelForm.h"
#include "support/CliRun.h"
#include "support/FakePlatform.h"
#include "support/Files.h"

using testfiles::Entries;
using testfiles::Read;

Q_DECLARE_METATYPE(PictureFormat)

class TestCliSteelPictures : public QObject {
    Q_OBJECT

private slots:
    void sameAsTheWindow_data();
    void sameAsTheWindow();
    void steelOnlyWhenThereAreSteels();
};

void TestCliSteelPictures::sameAsTheWindow_data()
{
    QTest::addColumn<PictureFormat>("format");
    QTest::addColumn<bool>("windowOpen");
    QTest::addColumn<bool>("hideSecond");

    QTest::newRow("png, steel window never opened") << PictureFormat::Png << false << false;
    QTest::newRow("png, steel window open") << PictureFormat::Png << true << false;
    QTest::newRow("bmp, second steel hidden") << PictureFormat::Bmp << true << true;
}

void TestCliSteelPictures::sameAsTheWindow()
{
    QFETCH(PictureFormat, format);
    QFETCH(bool, windowOpen);
    QFETCH(bool, hideSecond);

    QTemporaryDir dir;
    const QString library = dir.filePath("lib.json");
    const QString folder = dir.filePath("window");
    QVERIFY(QDir().mkpath(folder));
    {
        FakePlatform platform;
        InstallPictureOptionsHook([&](QWidget*, PictureChoice& choice) {
            choice.format = format;
            return true;
        });
        TForm1 form;
        form.show();
        form.cbb1->setEditText("30");
        form.btn1Click();
        TSteelForm* steel = form.SteelForm();
        for (const char* grade : {"HRB400", "HPB300"}) {
            steel->cbb1->setEditText(QString::fromLatin1(grade));
            steel->btn1Click();
        }
        if (hideSecond)
            steel->lst1->item(1)->setCheckState(Qt::Unchecked);  // as a click on its box
        if (windowOpen) {
            form.ReinforcingSteel1->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(steel));
        }
        platform.saveAnswers = {library};
        form.SaveLibraryAs1->trigger();
        platform.directoryAnswers = {folder};
        form.SavePicturesAs1->trigger();
        InstallPictureOptionsHook({});
        QCOMPARE(platform.Texts(), QStringList{"Images saved successfully!."});
    }

    const QString suffix = PictureSuffix(format);
    const QString out = dir.filePath("cli");
    const CliResult result =
        RunCli({"pictures", library, "-o", out, "--format", suffix});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    const QStringList names = {"Compression." + suffix, "Steel." + suffix, "Tension." + suffix};
    QCOMPARE(Entries(out), names);
    QCOMPARE(Entries(folder), names);
    for (const QString& name : names) {
        const QByteArray expected = Read(folder + "/" + name);
        QVERIFY(expected.size() > 1000);
        QVERIFY2(Read(out + "/" + name) == expected, qPrintable(name));
    }
}

void TestCliSteelPictures::steelOnlyWhenThereAreSteels()
{
    QTemporaryDir dir;
    CliResult result = RunCli({"pictures", "--grade", "30", "-o", dir.filePath("concrete")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(Entries(dir.filePath("concrete")), QStringList({"Compression.bmp", "Tension.bmp"}));

    // Steels alone: the concrete charts are drawn empty, as Save Picture draws them.
    result = RunCli({"pictures", "--steel", "HRB400", "-o", dir.filePath("steel"), "--format",
                     "png"});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(Entries(dir.filePath("steel")),
             QStringList({"Compression.png", "Steel.png", "Tension.png"}));
    const QImage steel(dir.filePath("steel/Steel.png"));
    QCOMPARE(steel.size(), QSize(585, 396));

    // A failing picture leaves none of the three behind.
    QVERIFY(QDir().mkpath(dir.filePath("blocked/Steel.png")));
    result = RunCli({"pictures", "--steel", "HRB400", "-o", dir.filePath("blocked"), "--format",
                     "png"});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("Steel.png"), qPrintable(result.err));
    QCOMPARE(Entries(dir.filePath("blocked")), QStringList({"Steel.png"}));
}

QTEST_MAIN(TestCliSteelPictures)
#include "tst_cli_steelpictures.moc"
