// The status bar: the website link pane and the two panes beside it, driven with the mouse
// through the window as a user would.
#include <QFontMetrics>
#include <QTest>

#include "concretewindow/StatusBar.h"
#include "concretewindow/Unit1.h"
#include "platform/Website.h"
#include "support/FakePlatform.h"
#include "support/Mouse.h"

namespace {

const QUrl kWebsite = QUrl::fromUserInput(QString::fromLatin1(WebsiteAddress));

}  // namespace

class tst_Shell : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void paneTextIsTheAddressAfterOneBlank();
    void hoverTurnsLinkBlueAndUnderlinedUntilMouseLeaves();
    void clickOpensWebsiteOncePerClick_data();
    void clickOpensWebsiteOncePerClick();
    void otherPanesReactToNothing_data();
    void otherPanesReactToNothing();
    void windowCarriesProgramIcon();

private:
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TForm1> form;
};

void tst_Shell::init()
{
    fake = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    // Start with the mouse over an empty stretch of the bar, away from every pane.
    MoveTo(form->rzstsbr1, QPoint(form->rzstsbr1->width() - 20, 12));
}

void tst_Shell::cleanup()
{
    form.reset();
    fake.reset();
}

void tst_Shell::paneTextIsTheAddressAfterOneBlank()
{
    const QString address = QString::fromLatin1(WebsiteAddress);
    QCOMPARE(form->rzfldsts2->text(), QLatin1Char(' ') + address);
    QVERIFY(kWebsite.isValid());
    QCOMPARE(kWebsite.host(), address.section(QLatin1Char('/'), 0, 0));

    // The whole address must be readable in the pane, in either look.
    for (LinkLook look : {LinkLook::Normal, LinkLook::Hover}) {
        SetLinkLook(form->rzfldsts2, look);
        const int room = form->rzfldsts2->contentsRect().width() - 2 * form->rzfldsts2->margin();
        const int needed = QFontMetrics(form->rzfldsts2->font()).horizontalAdvance(form->rzfldsts2->text());
        QVERIFY2(needed <= room, qPrintable(QStringLiteral("needs %1 px, has %2").arg(needed).arg(room)));
    }
}

void tst_Shell::hoverTurnsLinkBlueAndUnderlinedUntilMouseLeaves()
{
    TRzFieldStatus* link = form->rzfldsts2;
    const QString text = link->text();
    QVERIFY(IsNormal(link));
    QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);

    MoveTo(link);
    QVERIFY(IsHover(link));
    MoveTo(link, link->rect().center() + QPoint(10, 2));
    QVERIFY(IsHover(link));
    QCOMPARE(link->text(), text);

    MoveTo(form->rzfldsts1);
    QVERIFY(IsNormal(link));
    QCOMPARE(link->text(), text);

    // Leaving to the other side, onto the empty bar, also restores it; and it goes on working.
    MoveTo(link);
    QVERIFY(IsHover(link));
    MoveTo(form->rzstsbr1, QPoint(form->rzstsbr1->width() - 20, 12));
    QVERIFY(IsNormal(link));
    MoveTo(link);
    QVERIFY(IsHover(link));
    QCOMPARE(link->text(), text);
    QVERIFY(fake->openedUrls.isEmpty());
}

void tst_Shell::clickOpensWebsiteOncePerClick_data()
{
    QTest::addColumn<int>("clicks");
    QTest::newRow("one click") << 1;
    QTest::newRow("three clicks") << 3;
}

void tst_Shell::clickOpensWebsiteOncePerClick()
{
    QFETCH(int, clicks);
    TRzFieldStatus* link = form->rzfldsts2;
    const QString text = link->text();
    MoveTo(link);

    for (int i = 1; i <= clicks; ++i) {
        ClickOn(link);
        QCOMPARE(fake->openedUrls.size(), i);
        QCOMPARE(fake->openedUrls.constLast(), kWebsite);
        QVERIFY(IsHover(link));
        QCOMPARE(link->text(), text);
    }
    MoveTo(form->rzfldsts1);
    QVERIFY(IsNormal(link));
    QCOMPARE(fake->openedUrls.size(), clicks);
    QVERIFY(fake->messages.isEmpty());
}

void tst_Shell::otherPanesReactToNothing_data()
{
    QTest::addColumn<QString>("pane");
    QTest::newRow("name pane") << QStringLiteral("rzfldsts3");
    QTest::newRow("greeting pane") << QStringLiteral("rzfldsts1");
}

void tst_Shell::otherPanesReactToNothing()
{
    QFETCH(QString, pane);
    auto* field = form->findChild<TRzFieldStatus*>(pane);
    QVERIFY(field);
    const QString text = field->text();
    const QFont font = field->font();
    const QColor colour = field->palette().color(QPalette::WindowText);

    MoveTo(field);
    MoveTo(field, field->rect().center() + QPoint(5, 1));
    ClickOn(field);
    ClickOn(field);
    MoveTo(form->rzstsbr1, QPoint(form->rzstsbr1->width() - 20, 12));

    QCOMPARE(field->text(), text);
    QCOMPARE(field->font(), font);
    QCOMPARE(field->palette().color(QPalette::WindowText), colour);
    QCOMPARE(field->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(fake->openedUrls.isEmpty());
    QVERIFY(fake->messages.isEmpty());
    QVERIFY(IsNormal(form->rzfldsts2));
}

void tst_Shell::windowCarriesProgramIcon()
{
    const QIcon icon = form->windowIcon();
    QVERIFY(!icon.isNull());
    for (int size : {16, 32, 48, 256})
        QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
}

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
