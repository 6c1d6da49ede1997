// Draws the window with three concretes and saves it as a PNG when TARVOLIN_SCREENSHOT names
// the file (scripts/screenshot), and the steel window with four steels when
// TARVOLIN_STEEL_SCREENSHOT does; otherwise there is nothing to do.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "platform/CheckList.h"
#include "steelwindow/SteelForm.h"
#include "support/FakePlatform.h"

class TestScreenshot : public QObject {
    Q_OBJECT

private slots:
    void windowWithThreeConcretes();
    void steelWindowWithFourSteels();
};

void TestScreenshot::windowWithThreeConcretes()
{
    const QString path = qEnvironmentVariable("TARVOLIN_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("TARVOLIN_SCREENSHOT is not set");

    FakePlatform platform;
    TForm1 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    // Picked from the grade list as a user would, each created with the proposed values.
    for (const char* grade : {"25", "40", "60"}) {
        const int index = form.cbb1->findText(QLatin1String(grade));
        QVERIFY(index >= 0);
        form.cbb1->setFocus();
        while (form.cbb1->currentIndex() < index)
            QTest::keyClick(form.cbb1, Qt::Key_Down);
        QTest::mouseClick(form.btn1, Qt::LeftButton);
    }
    QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.Texts().join('\n')));
    QCOMPARE(form.lst1->Count(), 3);
    form.lst1->SetItemIndex(1);

    form.cht1->Refresh();
    form.cht2->Refresh();
    QVERIFY(form.grab().save(path, "PNG"));
}

void TestScreenshot::steelWindowWithFourSteels()
{
    const QString path = qEnvironmentVariable("TARVOLIN_STEEL_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("TARVOLIN_STEEL_SCREENSHOT is not set");

    FakePlatform platform;
    TForm1 form;
    form.show();
    form.ReinforcingSteel1->trigger();
    TSteelForm* steel = form.SteelForm();
    QVERIFY(QTest::qWaitForWindowExposed(steel));
    for (const char* grade : {"HPB300", "HRB400", "RRB400", "HRB500"}) {
        steel->cbb1->setCurrentIndex(steel->cbb1->findText(QLatin1String(grade)));
        QTest::mouseClick(steel->btn1, Qt::LeftButton);
    }
    QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.Texts().join('\n')));
    QCOMPARE(steel->lst1->Count(), 4);
    steel->lst1->SetItemIndex(1);
    steel->cht1->Refresh();
    QVERIFY(steel->grab().save(path, "PNG"));
}

QTEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
