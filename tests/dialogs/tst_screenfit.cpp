// Every window and dialog on a laptop's screen: opened from the main window as a user opens
// them, with many concretes and steels listed, each lies within the screen's free area with room
// for a desktop's frame, and every button in it can be seen and clicked (scrolled to, where it
// sits in a scrolling part).
//
// One run a screen and language (tests/CMakeLists.txt): the offscreen platform is given the
// screen's free area by a configuration file, TARVOLIN_TEST_SCREEN names it in logical pixels
// with its scale ("1280x672@1.5": 1280×720 at 150 % less a task bar), and the locale chooses the
// language.

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "concretewindow/Unit1.h"
#include "model/GradeFields.h"
#include "platform/ScreenFit.h"
#include "platform/Translation.h"
#include "steel/Steel.h"
#include "steelwindow/SteelForm.h"
#include "support/FakePlatform.h"
#include "support/Files.h"
#include "support/MeasuredCurves.h"
#include "support/Modal.h"

namespace {

QString Text(const QRect& r)
{
    return QStringLiteral("%1×%2 at (%3, %4)").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// Why `button` cannot be seen whole on the screen, or nothing. The button's rectangle is clipped
// by each widget it lies in, up to its window; a scroll area's viewport takes the place of what
// it shows, since scrolling brings any of that into view, as long as the viewport has room for
// the button.
QString Unreachable(const QPushButton& button, const QWidget& window, const QRect& available)
{
    if (!button.isVisible())
        return QStringLiteral("hidden");
    const QRect own(button.mapTo(&window, QPoint(0, 0)), button.size());
    QRect shown = own;
    bool scrolled = false;
    for (const QWidget* w = button.parentWidget(); w && w != &window; w = w->parentWidget()) {
        const QRect area(w->mapTo(&window, QPoint(0, 0)), w->size());
        const auto* scrollArea = qobject_cast<const QAbstractScrollArea*>(w->parentWidget());
        if (scrollArea && scrollArea->viewport() == w) {
            shown = area;
            scrolled = true;
        } else {
            shown &= area;
        }
    }
    shown &= window.rect();
    const QRect global(window.mapToGlobal(shown.topLeft()), shown.size());
    if (!available.contains(global))
        return QStringLiteral("shown at %1, off the screen").arg(Text(global));
    if (scrolled ? shown.width() < own.width() || shown.height() < own.height() : shown != own)
        return QStringLiteral("%1 of its %2 in view").arg(Text(shown), Text(own));
    return {};
}

// The window in the screen's free area, room left for a real frame around it, and each button
// in view.
void CheckFits(QWidget& window, const QStringList& expectedButtons)
{
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect available = window.screen()->availableGeometry();
    QVERIFY2(available.contains(window.frameGeometry()),
             qPrintable(QStringLiteral("frame %1 on a screen of %2")
                            .arg(Text(window.frameGeometry()), Text(available))));
    const QSize framed = window.size() + kWindowFrame;
    QVERIFY2(framed.width() <= available.width() && framed.height() <= available.height(),
             qPrintable(QStringLiteral("%1×%2 with a desktop's frame, on a screen of %3")
                            .arg(framed.width())
                            .arg(framed.height())
                            .arg(Text(available))));
    QStringList seen;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        // Pages of tab widgets not in front are hidden with their buttons; they come into view
        // with their page, which is inside the window.
        if (!button->isVisibleTo(&window))
            continue;
        const QString why = Unreachable(*button, window, available);
        QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("%1 \"%2\": %3")
                                               .arg(button->objectName(), button->text(), why)));
        seen << button->objectName();
    }
    for (const QString& name : expectedButtons)
        QVERIFY2(seen.contains(name), qPrintable(name + QStringLiteral(" is not shown")));
}

}  // namespace

class TestScreenFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void steelWindowBesideOrOverTheMainWindow();

private:
    // Fills the registries as a firm's library would: many concretes and steels, named in the
    // interface's language.
    void AddMaterials();

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestScreenFit::initTestCase()
{
    InstallTranslations();
    // The screen is the one this run was given, not the platform's default.
    const QRegularExpressionMatch screen =
        QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)@([\\d.]+)$"))
            .match(qEnvironmentVariable("TARVOLIN_TEST_SCREEN"));
    QVERIFY2(screen.hasMatch(), "TARVOLIN_TEST_SCREEN names no screen");
    const QScreen* display = QGuiApplication::primaryScreen();
    QCOMPARE(display->geometry().size(),
             QSize(screen.captured(1).toInt(), screen.captured(2).toInt()));
    QCOMPARE(display->devicePixelRatio(), screen.captured(3).toDouble());
    // The language is the one this run asked for.
    QCOMPARE(ChineseChosen(), qEnvironmentVariable("LANGUAGE").startsWith(QLatin1String("zh")));
    QCOMPARE(QCoreApplication::translate("TForm1", "Create Concrete") !=
                 QLatin1String("Create Concrete"),
             ChineseChosen());
    qInfo("%s, %s", qPrintable(screen.captured(0)), ChineseChosen() ? "Chinese" : "English");
}

void TestScreenFit::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestScreenFit::cleanup()
{
    form.reset();
    platform.reset();
    dir.reset();
}

void TestScreenFit::AddMaterials()
{
    // Names as long as the window takes them (fewer than 20 bytes); Chinese ones in Chinese.
    const QString prefix = ChineseChosen() ? QStringLiteral("框架梁") : QStringLiteral("Beam-L3-");
    for (int i = 0; i < 40; ++i) {
        const Definition d =
            GradeDefinition(15 + 5 * (i % 14), '.', StrengthBasis::Characteristic, 0).definition;
        const std::string name = (prefix + QStringLiteral("C%1").arg(i)).toStdString();
        form->concretes.Add(std::make_unique<CConcrete>(name, d.Ec, d.fck, d.ftk, d.ac, d.at,
                                                         d.eck, d.etk, d.ecmax, d.etmax));
    }
    for (int i = 0; i < 12; ++i) {
        const std::string name = (prefix + QStringLiteral("HRB%1").arg(i)).toStdString();
        form->steels.Add(std::make_unique<CSteel>(name, 2e5, 400, 540, 0.025, 0.075));
    }
}

void TestScreenFit::fitsTheScreen_data()
{
    QTest::addColumn<QString>("action");  // the menu item that opens it; none: the main window
    QTest::addColumn<QString>("window");  // the object name of the window it opens
    QTest::addColumn<QStringList>("buttons");  // those that must be in view

    QTest::newRow("main window") << "" << ""
                                 << QStringList{"btn1", "btn2", "btn3", "btn4", "btn5"};
    QTest::newRow("steel window") << "ReinforcingSteel1" << "SteelForm"
                                  << QStringList{"btn1", "btn2", "btn3", "btn4"};
    QTest::newRow("About") << "About2" << "AboutBox" << QStringList{"OKButton"};
    QTest::newRow("mean values") << "Mean1" << "dlgCv1" << QStringList{"btn1", "btn2"};
    QTest::newRow("picture options") << "SavePicturesAs1" << "PictureOptions" << QStringList{};
    QTest::newRow("Abaqus") << "ExportAbaqus1" << "SolverExportAbaqus"
                            << QStringList{"saveButton", "closeButton"};
    QTest::newRow("OpenSees") << "ExportOpenSees1" << "SolverExportOpenSees"
                              << QStringList{"saveButton", "closeButton"};
    QTest::newRow("repeated load") << "RepeatedLoad1" << "RepeatedLoadDialog"
                                   << QStringList{"drawButton", "saveButton", "closeButton"};
    QTest::newRow("fit to test data") << "FitTestData1" << "dlgFitTestData1"
                                      << QStringList{"btnBrowse", "btnCreate", "btnClose"};
}

void TestScreenFit::fitsTheScreen()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(QStringList, buttons);

    AddMaterials();
    // What the menu items ask before their dialog opens.
    platform->directoryAnswers = {dir->path()};
    const QString measured = dir->filePath(QStringLiteral("C30.csv"));
    QVERIFY(testfiles::Write(measured, QByteArray::fromStdString(measured::Text(
                                           measured::LawPoints(measured::GradeConcrete(30), true,
                                                               200, 4.0)))));
    platform->openAnswers = {measured};

    if (action.isEmpty()) {
        CheckFits(*form, buttons);
        return;
    }
    auto* item = form->findChild<QAction*>(action);
    QVERIFY(item);
    if (window == QLatin1String("SteelForm")) {
        item->trigger();
        auto* steel = form->findChild<TSteelForm*>();
        QVERIFY(steel);
        CheckFits(*steel, buttons);
        return;
    }
    QVERIFY2(AnswerModal<QDialog>(item,
                                  [&](QDialog& dialog) {
                                      QCOMPARE(dialog.objectName(), window);
                                      CheckFits(dialog, buttons);
                                  }),
             qPrintable(window + QStringLiteral(" did not open")));
    QVERIFY(platform->messages.isEmpty());
}

// Beside the main window when the screen has room on a side, else over it, and inside the
// screen either way.
void TestScreenFit::steelWindowBesideOrOverTheMainWindow()
{
    const QRect available = form->screen()->availableGeometry();
    for (const bool atLeftEdge : {false, true}) {
        if (atLeftEdge)
            form->move(available.topLeft());
        QApplication::processEvents();
        const QRect main = form->frameGeometry();
        form->ReinforcingSteel1->trigger();
        auto* steel = form->findChild<TSteelForm*>();
        QVERIFY(steel);
        QVERIFY(QTest::qWaitForWindowExposed(steel));
        const QRect placed = steel->frameGeometry();
        QVERIFY2(available.contains(placed), qPrintable(Text(placed)));
        const bool room = main.right() + placed.width() <= available.right() ||
                          main.left() - placed.width() >= available.left();
        QVERIFY2(room != placed.intersects(main),
                 qPrintable(QStringLiteral("%1 beside the main window's %2")
                                .arg(Text(placed), Text(main))));
        if (!room)
            QCOMPARE(placed.topLeft(), main.topLeft());
        steel->close();
    }
}

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
