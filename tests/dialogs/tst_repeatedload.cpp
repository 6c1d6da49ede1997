// Tools ▸ Repeated Load… driven through the main window offscreen: the dialog draws what the
// repeated-load core computes, writes the command line's CSV bytes through the desktop
// stand-in, and refuses a history or step it cannot read without losing what it showed.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "cyclic/CyclicPath.h"
#include "dialogs/PictureOptions.h"
#include "dialogs/RepeatedLoadDialog.h"
#include "formats/CyclicCsv.h"
#include "support/CreateWorked.h"
#include "support/FakePlatform.h"
#include "support/Files.h"
#include "support/Modal.h"
#include "support/Mouse.h"
#include "support/WorkedExample.h"

namespace {

using testfiles::Read;
using Kind = Platform::MsgKind;

void SetText(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void CheckOnly(RepeatedLoadDialog& d, const QStringList& names)
{
    for (int row = 0; row < d.materialList->count(); ++row) {
        QListWidgetItem* item = d.materialList->item(row);
        item->setCheckState(names.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<double> History(const QString& text)
{
    std::vector<double> history;
    ParseCyclicHistory(text.toStdString(), history);
    return history;
}

// The chart's path matches the core's, point for point.
void ComparePath(const TPathSeries* path, const std::vector<CyclicPoint>& expected)
{
    QVERIFY(path);
    QCOMPARE(path->Count(), int(expected.size()));
    for (int i = 0; i < path->Count(); ++i) {
        QCOMPARE(path->PointAt(i).x(), expected[std::size_t(i)].strain);
        QCOMPARE(path->PointAt(i).y(), expected[std::size_t(i)].stress);
    }
}

}  // namespace

class TestRepeatedLoad : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nothingToDraw();
    void drawsTheCorePaths_data();
    void drawsTheCorePaths();
    void chartReadoutMenuAndPicture();
    void saveCsvWritesTheCommandLinesBytes();
    void badFieldRefused_data();
    void badFieldRefused();
    void fitsASmallScreen();

private:
    bool Open(const std::function<void(RepeatedLoadDialog&)>& answer)
    {
        return AnswerModal<RepeatedLoadDialog>(form->RepeatedLoad1, [&](RepeatedLoadDialog& d) {
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            answer(d);
        });
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestRepeatedLoad::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestRepeatedLoad::cleanup()
{
    form.reset();
    platform.reset();
    dir.reset();
}

void TestRepeatedLoad::nothingToDraw()
{
    // Nothing created: said in a box, no dialog.
    QVERIFY(!AnswerModal<RepeatedLoadDialog>(form->RepeatedLoad1, [](RepeatedLoadDialog&) {}));
    QCOMPARE(platform->messages.size(), 1);
    QCOMPARE(platform->messages[0].kind, Kind::Information);

    // Nothing checked: an empty chart and a word why; Save CSV… refuses.
    worked::Create(*form, worked::kC30);
    platform->Clear();
    QVERIFY(Open([&](RepeatedLoadDialog& d) {
        CheckOnly(d, {});
        QCOMPARE(d.chart->PathCount(), 0);
        QVERIFY(!d.messageLabel->text().isEmpty());
        QVERIFY(!d.SaveCsv());
        QCOMPARE(platform->Texts(), QStringList{"No concrete or steel is checked."});
        QVERIFY(platform->saveRequests.isEmpty());
    }));
}

void TestRepeatedLoad::drawsTheCorePaths_data()
{
    QTest::addColumn<QString>("history");
    QTest::addColumn<QString>("step");
    QTest::newRow("compression, partial unloading")
        << "0, -0.002, -0.001, -0.004, -0.0025, -0.008" << "0.00001";
    QTest::newRow("into tension and back") << "0, -0.003, 0.0004, -0.001, 0.0008" << "0.00002";
    QTest::newRow("steel beyond yield both ways")
        << "0, 0.01, -0.005, 0.02, -0.015, 0.03" << "0.0001";
}

// The chart shows the core's paths exactly, the concretes before the steels, each over its
// envelope: a faint line in a shade of the path's colour, beneath every path.
void TestRepeatedLoad::drawsTheCorePaths()
{
    QFETCH(QString, history);
    QFETCH(QString, step);
    worked::Create(*form, worked::kC30);
    worked::Create(*form, worked::kC50);
    form->steels.Add(std::make_unique<CSteel>("HRB400", 2e5, 400, 540, 0.025, 0.075));
    const CConcrete& c30 = form->concretes.at(0);
    const CSteel& hrb400 = form->steels.at(0);
    const std::vector<double> values = History(history);
    const double s = step.toDouble();

    QVERIFY(Open([&](RepeatedLoadDialog& d) {
        QCOMPARE(d.materialList->count(), 3);
        CheckOnly(d, {"C30", "HRB400"});
        SetText(d.historyEdit, history);
        SetText(d.stepEdit, step);
        QTest::keyClick(d.stepEdit, Qt::Key_Return);  // Draw is the default button
        QVERIFY(platform->messages.isEmpty());

        QCOMPARE(d.chart->PathCount(), 2);
        QCOMPARE(d.chart->Path(0)->Title(), QStringLiteral("C30"));
        QCOMPARE(d.chart->Path(1)->Title(), QStringLiteral("HRB400"));
        ComparePath(d.chart->Path(0), ConcreteCyclicPath(c30, values, s));
        ComparePath(d.chart->Path(1), SteelCyclicPath(hrb400, values, s));

        QCOMPARE(d.chart->SeriesCount(), 2);
        QCOMPARE(d.chart->legend->itemCount(), 4);  // each path and its envelope, named
        for (int k = 0; k < 2; ++k) {
            const TLineSeries* envelope = d.chart->Series(k);
            const TPathSeries* path = d.chart->Path(k);
            QVERIFY(envelope->Title().startsWith(path->Title()));
            QCOMPARE(envelope->layer()->name(), QStringLiteral("envelopes"));
            QVERIFY(envelope->layer()->index() < path->layer()->index());
            QVERIFY(envelope->Color().lightness() > path->Color().lightness());
            // The envelope spans the history and passes through the path's points on it.
            const double low = std::min(0.0, *std::min_element(values.begin(), values.end()));
            const double high = std::max(0.0, *std::max_element(values.begin(), values.end()));
            QCOMPARE(envelope->data()->constBegin()->key, low);
            QCOMPARE((envelope->data()->constEnd() - 1)->key, high);
        }
        // The concrete's envelope is its law, compression negative.
        const TLineSeries* envelope = d.chart->Series(0);
        for (auto it = envelope->data()->constBegin(); it != envelope->data()->constEnd(); ++it)
            if (it->key < 0)
                QCOMPARE(it->value, -c30.CompressionStress(-it->key));

        // Unchecking a material takes its path away at once.
        CheckOnly(d, {"HRB400"});
        QCOMPARE(d.chart->PathCount(), 1);
        QCOMPARE(d.chart->Path(0)->Title(), QStringLiteral("HRB400"));
    }));
}

// The chart behaves as the other charts: the read-out names the path's point under the
// pointer, the context menu copies the points in their order, and Save Image As… writes the
// picture through the file dialog.
void TestRepeatedLoad::chartReadoutMenuAndPicture()
{
    form->steels.Add(std::make_unique<CSteel>("HRB400", 2e5, 400, 540, 0.025, 0.075));
    const QString png = dir->filePath("cycle.png");
    QVERIFY(Open([&](RepeatedLoadDialog& d) {
        SetText(d.historyEdit, QStringLiteral("0, 0.01, -0.01"));
        QVERIFY(d.Draw());
        d.chart->Refresh();
        const TPathSeries* path = d.chart->Path(0);
        // On the unloading line from 0.01 (σ = 200 at 0.009, the envelope 400): only the path
        // runs there.
        int target = -1;
        for (int i = 0; i < path->Count() && target < 0; ++i) {
            const QPointF p = path->PointAt(i);
            if (p.x() > 0.0085 && p.x() < 0.0095 && p.y() > 100 && p.y() < 300)
                target = i;
        }
        QVERIFY(target >= 0);
        const QPoint at(int(d.chart->xAxis->coordToPixel(path->PointAt(target).x())),
                        int(d.chart->yAxis->coordToPixel(path->PointAt(target).y())));
        MoveTo(d.chart, at);
        QCOMPARE(d.chart->ReadoutPath(), path);
        QVERIFY(d.chart->ReadoutText().startsWith(QStringLiteral("HRB400  ε = ")));

        std::unique_ptr<QMenu> menu(d.chart->CreateContextMenu(&d));
        QAction* copyData = menu->findChild<QAction*>(QStringLiteral("CopyData1"));
        QVERIFY(copyData && copyData->isEnabled());
        copyData->trigger();
        const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'),
                                                                          Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("HRB400 strain\tHRB400 stress\t"
                                                "HRB400 (envelope) strain\tHRB400 (envelope) stress"));
        // Header and one line a point of the longer of the two.
        const int envelopePoints = d.chart->Series(0)->Count();
        QCOMPARE(lines.size(), 1 + std::max(path->Count(), envelopePoints));
        QVERIFY(lines[1].startsWith(QStringLiteral("0.000E+00\t0.0000\t")));

        platform->saveAnswers = {png};
        // The picture options come next: taken as offered.
        const PictureOptionsHook before =
            InstallPictureOptionsHook([](QWidget*, PictureChoice&) { return true; });
        menu->findChild<QAction*>(QStringLiteral("SaveImageAs1"))->trigger();
        InstallPictureOptionsHook(before);
    }));
    QCOMPARE(platform->saveRequests.size(), 1);
    QImage picture(png);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() > 300);
}

// Save CSV… asks for the file through the desktop and writes exactly what tarvolin-cli cyclic
// writes; a target that cannot be written is reported and leaves nothing behind.
void TestRepeatedLoad::saveCsvWritesTheCommandLinesBytes()
{
    worked::Create(*form, worked::kC30);
    worked::Create(*form, worked::kC50);
    form->steels.Add(std::make_unique<CSteel>("HRB \"400\", bar", 2e5, 400, 540, 0.025, 0.075));
    const QString history = QStringLiteral("0, -0.002, -0.001, -0.004, 0.001, -0.006");
    const QString path = dir->filePath("paths.csv");
    const QString unwritable = dir->filePath("no such folder/paths.csv");
    platform->saveAnswers = {path, unwritable};
    QVERIFY(Open([&](RepeatedLoadDialog& d) {
        CheckOnly(d, {"C50", "HRB \"400\", bar"});
        SetText(d.historyEdit, history);
        SetText(d.stepEdit, QStringLiteral("0.00005"));
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
    }));
    QCOMPARE(platform->saveRequests.size(), 2);
    QCOMPARE(platform->saveRequests[0].defaultSuffix, QStringLiteral("csv"));
    const CConcrete* concretes[] = {&form->concretes.at(1)};
    const CSteel* steels[] = {&form->steels.at(0)};
    const std::string expected = BuildCyclicCsv(concretes, steels, History(history), 0.00005);
    QCOMPARE(Read(path), QByteArray::fromStdString(expected));
    // The second target's folder does not exist: an error box naming it, no file.
    QCOMPARE(platform->messages.size(), 1);
    QCOMPARE(platform->messages[0].kind, Kind::Error);
    QVERIFY(platform->messages[0].text.contains(QStringLiteral("no such folder")));
    QCOMPARE(testfiles::Entries(dir->path()), QStringList{"paths.csv"});
}

void TestRepeatedLoad::badFieldRefused_data()
{
    QTest::addColumn<QString>("history");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("field");  // the field named and focused
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << "" << "0.00001" << "historyEdit" << "the list of strains is empty";
    QTest::newRow("one value") << "-0.002" << "0.00001" << "historyEdit" << "one strain";
    QTest::newRow("not a number") << "0, -0.002, abc" << "0.00001" << "historyEdit"
                                  << "value 3, \"abc\", is not a number";
    QTest::newRow("empty value") << "0,,-0.002" << "0.00001" << "historyEdit"
                                 << "value 2 is empty";
    QTest::newRow("decimal comma") << "0, -0,002" << "0.00001" << "historyEdit" << "value 3";
    QTest::newRow("microstrain") << "0, -2000" << "0.00001" << "historyEdit" << "m/m";
    QTest::newRow("infinite") << "0, -inf" << "0.00001" << "historyEdit" << "value 2";
    QTest::newRow("step zero") << "0, -0.002" << "0" << "stepEdit" << "greater than 0";
    QTest::newRow("step text") << "0, -0.002" << "fine" << "stepEdit" << "greater than 0";
    QTest::newRow("too many points") << "0, -0.01, 0.01" << "0.0000000001" << "stepEdit"
                                     << "more than";
}

// A bad field: a box that names it, the focus back in it, the chart as it was, nothing saved.
void TestRepeatedLoad::badFieldRefused()
{
    QFETCH(QString, history);
    QFETCH(QString, step);
    QFETCH(QString, field);
    QFETCH(QString, reason);
    worked::Create(*form, worked::kC30);
    QVERIFY(Open([&](RepeatedLoadDialog& d) {
        QVERIFY(d.Draw());  // the example history the dialog starts with
        const int before = d.chart->Path(0)->Count();
        SetText(d.historyEdit, history);
        SetText(d.stepEdit, step);
        for (QPushButton* button : {d.drawButton, d.saveButton}) {
            platform->Clear();
            button->setFocus();
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(platform->messages.size(), 1);
            const QString text = platform->messages[0].text;
            QCOMPARE(platform->messages[0].kind, Kind::Warning);
            QVERIFY2(text.startsWith(field == "historyEdit" ? QStringLiteral("Strain history: ")
                                                            : QStringLiteral("Step: ")),
                     qPrintable(text));
            QVERIFY2(text.contains(reason), qPrintable(text));
            QCOMPARE(QApplication::focusWidget()->objectName(), field);
            QCOMPARE(d.chart->PathCount(), 1);
            QCOMPARE(d.chart->Path(0)->Count(), before);
        }
        QVERIFY(platform->saveRequests.isEmpty());
    }));
}

// On a 1366×768 screen the whole dialog and its buttons are in view, and it can be made
// smaller still.
void TestRepeatedLoad::fitsASmallScreen()
{
    worked::Create(*form, worked::kC30);
    QVERIFY(Open([&](RepeatedLoadDialog& d) {
        const QSize frame = d.frameGeometry().size();
        QVERIFY2(frame.width() <= 1366 && frame.height() <= 768 - 40,
                 qPrintable(QStringLiteral("%1×%2").arg(frame.width()).arg(frame.height())));
        QVERIFY(d.minimumSizeHint().width() <= 1000 && d.minimumSizeHint().height() <= 600);
        d.resize(d.minimumSizeHint());
        QApplication::processEvents();
        for (QWidget* button : {static_cast<QWidget*>(d.drawButton),
                                static_cast<QWidget*>(d.saveButton),
                                static_cast<QWidget*>(d.closeButton)}) {
            QVERIFY(button->isVisible());
            QVERIFY(d.rect().contains(QRect(button->mapTo(&d, QPoint(0, 0)), button->size())));
        }
    }));
}

QTEST_MAIN(TestRepeatedLoad)
#include "tst_repeatedload.moc"
