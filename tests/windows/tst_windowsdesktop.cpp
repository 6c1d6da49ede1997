// The window as a Windows user first meets it. scripts/test-windows runs this program built for
// Windows under Wine, on Windows' own platform, once under an English and once under a Chinese
// display language; ctest runs it on Linux as well, so that it keeps building and passing there.
// Dialogs are answered through the platform seam; everything else is keystrokes and clicks.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "concretewindow/Unit1.h"
#include "dialogs/About.h"
#include "platform/CheckList.h"
#include "platform/Translation.h"
#include "support/FakePlatform.h"
#include "support/Files.h"
#include "support/Legibility.h"
#include "support/Modal.h"

namespace {

using testfiles::Read;

bool HasHan(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

}  // namespace

class TestWindowsDesktop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void titleAndLanguage();
    void createFromTheKeyboardAndSaveData();
    void savePictureWritesBothCharts();
    void aboutBoxOpens();

private:
    void CreateC30FromTheKeyboard();

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestWindowsDesktop::initTestCase()
{
    // As the program does at start: the display language decides.
    InstallTranslations();
}

void TestWindowsDesktop::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestWindowsDesktop::cleanup()
{
    form.reset();
    platform.reset();
    dir.reset();
}

void TestWindowsDesktop::CreateC30FromTheKeyboard()
{
    form->cbb1->setFocus(Qt::TabFocusReason);
    form->cbb1->lineEdit()->selectAll();
    QTest::keyClicks(form->cbb1, QStringLiteral("30"));
    // Tab from the last field reaches Create Concrete; Return presses it.
    form->edt10->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    QCOMPARE(form->focusWidget(), form->btn1);
    QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    QCOMPARE(form->lst1->Count(), 1);
    QCOMPARE(form->lst1->ItemText(0), QStringLiteral("Con_30"));
}

void TestWindowsDesktop::titleAndLanguage()
{
    if (ChineseChosen()) {
        QVERIFY2(HasHan(form->windowTitle()), qPrintable(form->windowTitle()));
        QVERIFY2(HasHan(form->btn1->text()), qPrintable(form->btn1->text()));
    } else {
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Tarvolin (based on GB 50010-2010) (by Quessel)"));
        QCOMPARE(form->btn1->text(), QStringLiteral("Create Concrete"));
    }
    const QStringList illegible = IllegibleTexts(form.get());
    QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(QLatin1Char('\n'))));
}

// The file of a C30 is the one the Linux build writes, kept beside this test.
void TestWindowsDesktop::createFromTheKeyboardAndSaveData()
{
    CreateC30FromTheKeyboard();
    if (QLocale::system().decimalPoint() != QLatin1String("."))
        QSKIP("the regional settings' decimal separator is not a point: the file kept beside this "
              "test has points");
    const QString path = dir->filePath(QStringLiteral("混凝土 C30.csv"));
    platform->saveAnswers = {path};
    QTest::mouseClick(form->btn5, Qt::LeftButton);
    QCOMPARE(platform->saveRequests.size(), 1);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    const QByteArray expected = Read(QStringLiteral(TARVOLIN_LINUX_CSV));
    QVERIFY(expected.size() > 1000);
    QCOMPARE(Read(path), expected);
}

void TestWindowsDesktop::savePictureWritesBothCharts()
{
    CreateC30FromTheKeyboard();
    const QString folder = dir->filePath(QStringLiteral("图片"));
    QVERIFY(QDir().mkpath(folder));
    platform->directoryAnswers = {folder};
    QTest::mouseClick(form->btn4, Qt::LeftButton);
    QCOMPARE(platform->Texts().size(), 1);  // the success box alone
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             QStringList({QStringLiteral("Compression.bmp"), QStringLiteral("Tension.bmp")}));
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const QImage picture(QDir(folder).filePath(name));
        QVERIFY2(!picture.isNull() && picture.width() > 100 && picture.height() > 100,
                 qPrintable(name));
    }
}

void TestWindowsDesktop::aboutBoxOpens()
{
    bool legible = false;
    QString faults;
    QVERIFY(AnswerModal<TAboutBox>(form->About2, [&](TAboutBox& box) {
        const QStringList illegible = IllegibleTexts(&box);
        legible = illegible.isEmpty();
        faults = illegible.join(QLatin1Char('\n'));
    }));
    QVERIFY2(legible, qPrintable(faults));
}

QTEST_MAIN(TestWindowsDesktop)
#include "tst_windowsdesktop.moc"
