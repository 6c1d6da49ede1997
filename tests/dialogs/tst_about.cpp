// The About dialog, opened from the main window's menu and handled while its modal run is going
// on, as a user would: keys and mouse go through the windows.
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "concretewindow/StatusBar.h"
#include "concretewindow/Unit1.h"
#include "dialogs/About.h"
#include "platform/Website.h"
#include "support/FakePlatform.h"
#include "support/Mouse.h"

namespace {

void PressEnter(QWidget* dialog)
{
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
}

}  // namespace

class tst_About : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogShowsProductAndAuthor();
    void closes_data();
    void closes();
    void eachOpeningIsANewDialogInTheNormalLook();
    void mainWindowTakesNoInputWhileOpen();
    void linkOpensWebsiteAndDialogStays();

private:
    // Opens the dialog from the menu and runs `use` inside its modal run; `use` must close it.
    // Returns whether `use` closed it (a stuck dialog is closed by force so the run ends).
    bool WhileOpen(const std::function<void(TAboutBox*)>& use);

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TForm1> form;
};

void tst_About::init()
{
    fake = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void tst_About::cleanup()
{
    form.reset();
    fake.reset();
}

bool tst_About::WhileOpen(const std::function<void(TAboutBox*)>& use)
{
    bool forced = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    connect(&rescue, &QTimer::timeout, [&] {
        if (AboutBox) {
            forced = true;
            AboutBox->reject();
        }
    });
    QTimer::singleShot(0, [&] {
        TAboutBox* box = AboutBox;
        if (!box || !QTest::qWaitForWindowExposed(box)) {
            rescue.start(0);
            return;
        }
        use(box);
        rescue.start(5000);
    });
    form->About2->trigger();
    return !forced;
}

void tst_About::dialogShowsProductAndAuthor()
{
    const bool closed = WhileOpen([&](TAboutBox* box) {
        QCOMPARE(QApplication::activeModalWidget(), box);
        QCOMPARE(box->parentWidget(), form.get());
        QCOMPARE(box->windowTitle(), QStringLiteral("About Tarvolin"));
        QCOMPARE(box->size(), QSize(582, 222));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        QVERIFY(qAbs(box->geometry().center().x() - form->geometry().center().x()) <= 1);
        QVERIFY(qAbs(box->geometry().center().y() - form->geometry().center().y()) <= 1);

        QCOMPARE(box->lbl3->text(), QStringLiteral("Tarvolin"));
        QCOMPARE(box->lbl7->text(), QStringLiteral("Website : "));
        QCOMPARE(box->lbl6->text(), QString::fromLatin1(WebsiteAddress));
        QCOMPARE(box->Version->text(), QStringLiteral("Version " TARVOLIN_VERSION));
        QVERIFY(box->ProductName->text().isEmpty());
        for (QLabel* line : {box->lbl1, box->lbl4, box->lbl8, box->lbl9, box->lbl10})
            QVERIFY2(!line->text().isEmpty(), qPrintable(line->objectName()));
        QCOMPARE(box->img1->size(), QSize(80, 80));
        QVERIFY(!box->img1->pixmap().isNull());
        QVERIFY(IsNormal(box->lbl6));

        // Every line must be readable whole inside the panel; the wrapped ones within their box.
        for (QLabel* label : box->Panel1->findChildren<QLabel*>()) {
            if (label == box->img1)
                continue;
            const QRect room = label->wordWrap() ? label->geometry() : box->Panel1->contentsRect();
            const QRect text = QRect(label->pos(), label->wordWrap()
                                                       ? QSize(label->width(), label->heightForWidth(label->width()))
                                                       : label->sizeHint());
            QVERIFY2(room.contains(text), qPrintable(label->objectName()));
        }

        QCOMPARE(QApplication::focusWidget(), box->OKButton);
        QVERIFY(box->OKButton->isDefault());
        PressEnter(box);
    });
    QVERIFY(closed);
    QCOMPARE(AboutBox, nullptr);
}

void tst_About::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << QStringLiteral("enter");
    QTest::newRow("OK button") << QStringLiteral("ok");
    QTest::newRow("close box") << QStringLiteral("close box");
}

void tst_About::closes()
{
    QFETCH(QString, how);
    QPointer<TAboutBox> opened;
    const bool closed = WhileOpen([&](TAboutBox* box) {
        opened = box;
        if (how == QLatin1String("enter"))
            PressEnter(box);
        else if (how == QLatin1String("ok"))
            ClickOn(box->OKButton);
        else
            box->windowHandle()->close();
    });
    QVERIFY(closed);
    QVERIFY(opened.isNull());  // destroyed once closed
    QCOMPARE(AboutBox, nullptr);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(fake->openedUrls.isEmpty());
}

void tst_About::eachOpeningIsANewDialogInTheNormalLook()
{
    QPointer<TAboutBox> first;
    bool hovered = false;
    bool closed = WhileOpen([&](TAboutBox* box) {
        first = box;
        MoveTo(box->lbl6);
        hovered = IsHover(box->lbl6);
        PressEnter(box);  // closed with the mouse still over the link
    });
    QVERIFY(closed);
    QVERIFY(hovered);
    QVERIFY(first.isNull());

    bool secondNormal = false;
    bool secondSeparate = false;
    closed = WhileOpen([&](TAboutBox* box) {
        secondSeparate = first.isNull() && box->isVisible();
        secondNormal = IsNormal(box->lbl6);
        PressEnter(box);
    });
    QVERIFY(closed);
    QVERIFY(secondSeparate);
    QVERIFY(secondNormal);
    QCOMPARE(AboutBox, nullptr);
}

void tst_About::mainWindowTakesNoInputWhileOpen()
{
    const QString edt1Before = form->edt1->text();
    const bool closed = WhileOpen([&](TAboutBox* box) {
        QCOMPARE(QApplication::activeModalWidget(), box);
        // Clicks on the main window's own link and on its fields go nowhere.
        MoveTo(form->rzfldsts2);
        ClickOn(form->rzfldsts2);
        ClickOn(form->edt1);
        QTest::keyClick(box->windowHandle(), Qt::Key_X);  // typing goes to the dialog
        QVERIFY(IsNormal(form->rzfldsts2));
        QVERIFY(box->isVisible());
        PressEnter(box);
    });
    QVERIFY(closed);
    QVERIFY(fake->openedUrls.isEmpty());
    QCOMPARE(form->edt1->text(), edt1Before);

    // Once the dialog is gone the main window answers again.
    MoveTo(form->rzfldsts2);
    ClickOn(form->rzfldsts2);
    QCOMPARE(fake->openedUrls.size(), 1);
}

void tst_About::linkOpensWebsiteAndDialogStays()
{
    const QUrl website = QUrl::fromUserInput(QString::fromLatin1(WebsiteAddress));
    const bool closed = WhileOpen([&](TAboutBox* box) {
        TMouseLabel* link = box->lbl6;
        const QString text = link->text();
        QVERIFY(IsNormal(link));
        MoveTo(link);
        QVERIFY(IsHover(link));
        MoveTo(box->lbl7);
        QVERIFY(IsNormal(link));

        MoveTo(link);
        ClickOn(link);
        QCOMPARE(fake->openedUrls, QList<QUrl>{website});
        QVERIFY(IsHover(link));
        QCOMPARE(link->text(), text);
        QVERIFY(box->isVisible());
        QCOMPARE(AboutBox, box);
        QCOMPARE(QApplication::activeModalWidget(), box);

        // Other lines of the dialog are not links.
        ClickOn(box->lbl9);
        ClickOn(box->lbl7);
        QCOMPARE(fake->openedUrls.size(), 1);
        PressEnter(box);
    });
    QVERIFY(closed);
    QCOMPARE(fake->openedUrls.size(), 1);
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"
