// Where the steel window goes beside the main window: right of it, left of it, or over it, and
// never past an edge of the screen's free area, whatever the screen's origin.

#include <QTest>

#include "platform/ScreenFit.h"

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void placeBeside_data();
    void placeBeside();
};

void TestWindowPlacement::placeBeside_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("room");
    QTest::addColumn<QRect>("placed");

    const QSize steel(954, 468);
    const QRect wide(0, 0, 2560, 1400);
    QTest::newRow("right, room to spare") << QRect(100, 50, 954, 560) << steel << wide
                                          << QRect(1054, 50, 954, 468);
    QTest::newRow("right, touching the edge") << QRect(652, 50, 954, 560) << steel << wide
                                              << QRect(1606, 50, 954, 468);
    QTest::newRow("over, one pixel short on the right, none on the left")
        << QRect(653, 50, 954, 560) << steel << wide << QRect(653, 50, 954, 468);
    QTest::newRow("left, room to spare") << QRect(1500, 50, 954, 560) << steel << wide
                                         << QRect(546, 50, 954, 468);
    QTest::newRow("left, touching the edge") << QRect(954, 50, 954, 560) << steel << wide
                                             << QRect(0, 50, 954, 468);
    // A laptop: the main window centred, no room on either side.
    QTest::newRow("over, 1366×768") << QRect(206, 80, 954, 560) << steel
                                    << QRect(0, 0, 1366, 728) << QRect(206, 80, 954, 468);
    // Over a main window pushed past the right edge: pulled back in.
    QTest::newRow("over, main past the right edge") << QRect(900, 80, 954, 560) << steel
                                                    << QRect(0, 0, 1366, 728)
                                                    << QRect(412, 80, 954, 468);
    QTest::newRow("over, main past the left edge") << QRect(-300, 80, 954, 560) << steel
                                                   << QRect(0, 0, 1366, 728)
                                                   << QRect(0, 80, 954, 468);
    // Low on the screen: lifted so that its bottom stays in view.
    QTest::newRow("beside, main low on the screen") << QRect(0, 500, 954, 560) << steel
                                                    << QRect(0, 0, 1920, 900)
                                                    << QRect(954, 432, 954, 468);
    QTest::newRow("over, main below the bottom") << QRect(206, 600, 954, 560) << steel
                                                 << QRect(0, 0, 1366, 728)
                                                 << QRect(206, 260, 954, 468);
    QTest::newRow("over, main above the top") << QRect(206, -40, 954, 560) << steel
                                              << QRect(0, 0, 1366, 728)
                                              << QRect(206, 0, 954, 468);
    // A task bar on the left and above: the free area does not start at 0.
    QTest::newRow("free area not at the origin") << QRect(60, 30, 954, 560) << steel
                                                 << QRect(48, 32, 1232, 688)
                                                 << QRect(60, 32, 954, 468);
    // A second screen left of the primary one, in negative coordinates.
    QTest::newRow("screen at negative x, right") << QRect(-1920, 0, 954, 560) << steel
                                                 << QRect(-1920, 0, 1920, 1032)
                                                 << QRect(-966, 0, 954, 468);
    QTest::newRow("screen at negative x, left") << QRect(-954, 0, 954, 560) << steel
                                                << QRect(-1920, 0, 1920, 1032)
                                                << QRect(-1908, 0, 954, 468);
    // Larger than the free area: its top-left corner, with the title bar, stays in view.
    QTest::newRow("larger than the screen") << QRect(100, 100, 954, 560) << QSize(1400, 800)
                                            << QRect(0, 0, 1280, 672) << QRect(0, 0, 1400, 800);
}

void TestWindowPlacement::placeBeside()
{
    QFETCH(QRect, main);
    QFETCH(QSize, frame);
    QFETCH(QRect, room);
    QFETCH(QRect, placed);
    QCOMPARE(PlaceBeside(main, frame, room), placed);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
