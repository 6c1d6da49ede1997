// File ▸ Fit to Test Data… driven through the main window offscreen: measured files read as
// they come, the reading changed in the preview, refusals shown with the reader's words, the
// concrete made by the window's Create Concrete, and the measured points kept on the charts
// until removed from the chart's menu.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <charconv>
#include <memory>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "dialogs/FitTestDataDialog.h"
#include "fit/MeasuredCurve.h"
#include "pictures/ChartPicture.h"
#include "platform/FieldText.h"
#include "support/FakePlatform.h"
#include "support/Files.h"
#include "support/MeasuredCurves.h"
#include "support/Modal.h"

namespace {

using Dialog = FitTestDataDialog;

// A value with a decimal comma, every digit kept.
QByteArray Comma(double value)
{
    return QByteArray::fromStdString(measured::Exact(value)).replace('.', ',');
}

// The C30 compression curve as a spreadsheet in a German or Chinese office writes it: two
// lines about the test, a heading with units, semicolons, decimal commas, strain in percent.
QByteArray SloppyCompression(const CConcrete& c)
{
    const measured::Points p = measured::LawPoints(c, true, 200, 4.0);
    QByteArray text = "Prüfbericht C30;Zylinder 150 x 300\nMaschine;Nr. 4\n"
                      "Strain (%);Stress (MPa)\n";
    for (std::size_t i = 0; i < p.strain.size(); ++i)
        text += Comma(p.strain[i] * 100) + ';' + Comma(p.stress[i]) + '\n';
    return text;
}

// The tension curve with the columns the other way round, named by the heading, in µε.
QByteArray SwappedTension(const CConcrete& c)
{
    const measured::Points p = measured::LawPoints(c, false, 120, 4.0);
    QByteArray text = "stress (MPa)\tstrain (µε)\n";
    for (std::size_t i = 0; i < p.strain.size(); ++i)
        text += QByteArray::fromStdString(measured::Exact(p.stress[i]) + '\t' +
                                          measured::Exact(p.strain[i] * 1e6)) +
                '\n';
    return text;
}

// Lines "a,b" of the compression curve, each column scaled.
QByteArray Plain(const CConcrete& c, double strainFactor, double stressFactor, bool swapped)
{
    const measured::Points p = measured::LawPoints(c, true, 150, 3.0);
    QByteArray text;
    for (std::size_t i = 0; i < p.strain.size(); ++i) {
        const std::string strain = measured::Exact(p.strain[i] * strainFactor);
        const std::string stress = measured::Exact(p.stress[i] * stressFactor);
        text += QByteArray::fromStdString(swapped ? stress + ',' + strain : strain + ',' + stress);
        text += '\n';
    }
    return text;
}

QString Dot(const char* pattern, double value)
{
    return Print(pattern, value, '.');
}

QString CellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

TLineSeries* TestSeries(const TChart* chart)
{
    for (int i = 0; i < chart->SeriesCount(); ++i)
        if (chart->Series(i)->IsTestSeries())
            return chart->Series(i);
    return nullptr;
}

QStringList LegendTitles(const TChart* chart)
{
    QStringList titles;
    for (int i = 0; i < chart->legend->itemCount(); ++i)
        if (auto* item = qobject_cast<QCPPlottableLegendItem*>(chart->legend->item(i)))
            titles << item->plottable()->name();
    return titles;
}

QAction* MenuItem(QMenu* menu, const char* name)
{
    return menu->findChild<QAction*>(QLatin1String(name));
}

}  // namespace

class TestFitTestData : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sloppyFilesFittedCreatedAndKeptOnTheCharts();
    void readingChangedInThePreview_data();
    void readingChangedInThePreview();
    void refusedFileCreatesNothing_data();
    void refusedFileCreatesNothing();
    void windowRulesDecide();
    void heldValues_data();
    void heldValues();
    void cancelledFileOpensNoDialog();

private:
    QString Write(const QString& name, const QByteArray& bytes);
    // Opens the dialog on the file through File ▸ Fit to Test Data… and answers it.
    template <typename Answer>
    bool Fit(const QString& path, Answer&& answer);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
    const CConcrete c30 = measured::GradeConcrete(30);
};

void TestFitTestData::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
}

void TestFitTestData::cleanup()
{
    form.reset();
    platform.reset();
    dir.reset();
}

QString TestFitTestData::Write(const QString& name, const QByteArray& bytes)
{
    const QString path = dir->filePath(name);
    testfiles::Write(path, bytes);
    return path;
}

template <typename Answer>
bool TestFitTestData::Fit(const QString& path, Answer&& answer)
{
    platform->openAnswers = {path};
    return AnswerModal<Dialog>(form->FitTestData1, std::forward<Answer>(answer));
}

void TestFitTestData::sloppyFilesFittedCreatedAndKeptOnTheCharts()
{
    const QString compression = Write(QStringLiteral("C30 cylinder.csv"), SloppyCompression(c30));
    const QString tension = Write(QStringLiteral("C30 tension.txt"), SwappedTension(c30));

    const bool opened = Fit(compression, [&](Dialog& dialog) {
        QVERIFY2(dialog.HasFit(), qPrintable(dialog.lblMessage->text()));
        QCOMPARE(dialog.edtName->text(), QStringLiteral("C30 cylinder"));
        QCOMPARE(dialog.compression->cbbStrainUnit->currentText(), QStringLiteral("%"));
        QVERIFY2(dialog.compression->lblReadAs->text().startsWith(
                     QStringLiteral("Data from line 4 (lines skipped before it: 3).")),
                 qPrintable(dialog.compression->lblReadAs->text()));
        QVERIFY(dialog.compression->memPreview->toPlainText().contains(
            QStringLiteral("Prüfbericht C30")));
        // Without tension data the concrete would take the code's tension values.
        QVERIFY(dialog.lblMessage->text().contains(QStringLiteral("C30")));

        platform->openAnswers = {tension};
        dialog.tabFiles->setCurrentWidget(dialog.tension);
        QTest::mouseClick(dialog.tension->btnBrowse, Qt::LeftButton);
        QVERIFY2(dialog.HasFit(), qPrintable(dialog.lblMessage->text()));
        QCOMPARE(dialog.tension->spnStrainColumn->value(), 2);
        QCOMPARE(dialog.tension->cbbStrainUnit->currentText(), QStringLiteral("µε"));

        // Noise-free points: the fit is the law's own values; the code's C30 beside them.
        QCOMPARE(dialog.tblValues->horizontalHeaderItem(1)->text(), QStringLiteral("C30 (code)"));
        const QString expected[] = {Dot("0", c30.Ec),          Dot("0.00", c30.fck),
                                    Dot("0.000", c30.eck * 1e6), Dot("0.000", c30.ac),
                                    Dot("0.000", c30.ftk),     Dot("0.000", c30.etk * 1e6),
                                    Dot("0.000", c30.at)};
        for (int row = 0; row < 7; ++row)
            QCOMPARE(CellText(dialog.tblValues, row, 0), expected[row]);
        QCOMPARE(CellText(dialog.tblQuality, 1, 0), QStringLiteral("1.00000"));  // R²
        QCOMPARE(CellText(dialog.tblQuality, 3, 0), QStringLiteral("200"));
        QCOMPARE(CellText(dialog.tblQuality, 3, 1), QStringLiteral("120"));

        QTest::mouseClick(dialog.btnCreate, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    });
    QVERIFY(opened);
    QVERIFY(platform->messages.isEmpty());

    // The fitted values in the fields, and the concrete made of them.
    QCOMPARE(form->edt1->text(), QStringLiteral("C30 cylinder"));
    QCOMPARE(form->edt3->text(), Dot("0.00", c30.fck));
    QCOMPARE(form->edt4->text(), Dot("0.000", c30.eck * 1e6));
    QCOMPARE(form->edt7->text(), Dot("0.000", c30.etk * 1e6));
    QVERIFY(form->concretes.Contains("C30 cylinder"));
    const CConcrete& made = form->concretes.at(0);
    QCOMPARE(made.ac, form->edt5->text().toDouble());
    QCOMPARE(made.at, form->edt6->text().toDouble());
    // The end strains reach the end of the tests.
    QVERIFY(made.GetEcmax() >= 4 * c30.eck);
    QVERIFY(made.GetEtmax() >= 4 * c30.etk);

    // The measured points beside the curves, in the legend and in Copy Data; the concrete's
    // curve keeps the colour it would have alone.
    const QString compressionTitle = QStringLiteral("test: C30 cylinder.csv");
    const QString tensionTitle = QStringLiteral("test: C30 tension.txt");
    QCOMPARE(LegendTitles(form->cht1), (QStringList{"C30 cylinder", compressionTitle}));
    QCOMPARE(LegendTitles(form->cht2), (QStringList{"C30 cylinder", tensionTitle}));
    QCOMPARE(form->cht1->Series(0)->Color(), TChart::PaletteColor(0));
    QCOMPARE(TestSeries(form->cht1)->Count(), 200);
    QVERIFY(form->cht1->DataText().section(QLatin1Char('\n'), 0, 0).endsWith(
        QStringLiteral("\t") + compressionTitle));

    // Pictures draw the chart as it stands: the legend names the test there too.
    QVERIFY(RenderChartPicture(*form->cht1, PictureFormat::Svg).contains(compressionTitle.toUtf8()));

    // Deleting concretes leaves the measured points alone.
    QTest::mouseClick(form->btn3, Qt::LeftButton);
    QVERIFY(form->concretes.empty());
    QCOMPARE(LegendTitles(form->cht1), QStringList{compressionTitle});

    // The chart's menu removes them, from that chart only; then it no longer offers to.
    std::unique_ptr<QMenu> menu(form->cht1->CreateContextMenu(form.get()));
    QVERIFY(MenuItem(menu.get(), "RemoveTestData1"));
    MenuItem(menu.get(), "RemoveTestData1")->trigger();
    QVERIFY(!TestSeries(form->cht1));
    QVERIFY(!form->cht1->DataText().contains(compressionTitle));
    menu.reset(form->cht1->CreateContextMenu(form.get()));
    QVERIFY(!MenuItem(menu.get(), "RemoveTestData1"));
    QVERIFY(TestSeries(form->cht2));
}

void TestFitTestData::readingChangedInThePreview_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("strainColumn");  // 0: left as read
    QTest::addColumn<int>("stressColumn");
    QTest::addColumn<int>("strainUnit");    // index in the box; -1: left as read
    QTest::addColumn<int>("stressUnit");

    const CConcrete c = measured::GradeConcrete(30);
    QTest::newRow("permille") << Plain(c, 1e3, 1, false) << 0 << 0 << 2 << -1;
    QTest::newRow("microstrain") << Plain(c, 1e6, 1, false) << 0 << 0 << 3 << -1;
    QTest::newRow("kPa") << Plain(c, 1, 1e3, false) << 0 << 0 << -1 << 1;
    QTest::newRow("stress first") << Plain(c, 1, 1, true) << 2 << 0 << -1 << -1;
    QTest::newRow("stress first, in Pa") << Plain(c, 1, 1e6, true) << 0 << 1 << -1 << 2;
    // Refused until the columns are chosen: no heading names them.
    QTest::newRow("three columns")
        << Plain(c, 1, 1, false).replace("\n", ",7\n") << 1 << 0 << -1 << -1;
}

void TestFitTestData::readingChangedInThePreview()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, strainColumn);
    QFETCH(int, stressColumn);
    QFETCH(int, strainUnit);
    QFETCH(int, stressUnit);

    const QString path = Write(QStringLiteral("specimen 7.csv"), bytes);
    const bool opened = Fit(path, [&](Dialog& dialog) {
        MeasuredFilePanel* panel = dialog.compression;
        // As first read, the fit is not the concrete's (or there is none).
        QVERIFY(!dialog.HasFit() || CellText(dialog.tblValues, 1, 0) != Dot("0.00", c30.fck) ||
                CellText(dialog.tblValues, 2, 0) != Dot("0.000", c30.eck * 1e6));
        if (strainColumn)
            panel->spnStrainColumn->setValue(strainColumn);
        if (stressColumn)
            panel->spnStressColumn->setValue(stressColumn);
        if (strainUnit >= 0)
            panel->cbbStrainUnit->setCurrentIndex(strainUnit);
        if (stressUnit >= 0)
            panel->cbbStressUnit->setCurrentIndex(stressUnit);

        QVERIFY2(dialog.HasFit(), qPrintable(dialog.lblMessage->text()));
        QVERIFY(panel->lblReadAs->text().contains(QStringLiteral("as chosen")));
        QCOMPARE(CellText(dialog.tblValues, 1, 0), Dot("0.00", c30.fck));
        QCOMPARE(CellText(dialog.tblValues, 2, 0), Dot("0.000", c30.eck * 1e6));
        QCOMPARE(CellText(dialog.tblValues, 3, 0), Dot("0.000", c30.ac));
        // The controls show the reading the fit came from.
        QVERIFY(panel->spnStrainColumn->value() > 0 && panel->spnStressColumn->value() > 0);
        QVERIFY(panel->spnStrainColumn->value() != panel->spnStressColumn->value());
        if (strainUnit >= 0)
            QCOMPARE(panel->cbbStrainUnit->currentIndex(), strainUnit);
        if (stressUnit >= 0)
            QCOMPARE(panel->cbbStressUnit->currentIndex(), stressUnit);
    });
    QVERIFY(opened);
}

void TestFitTestData::refusedFileCreatesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("written");  // false: the file does not exist

    const QByteArray data = Plain(measured::GradeConcrete(30), 1, 1, false);
    QList<QByteArray> lines = data.split('\n');
    lines.insert(5, "0.0001,NaN");
    QTest::newRow("NaN") << lines.join('\n') << true;
    QTest::newRow("text after the data") << data + "End of test\n" << true;
    QTest::newRow("only rising")
        << QByteArray::fromStdString(
               measured::Text(measured::LawPoints(measured::GradeConcrete(30), true, 12, 0.9)))
        << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("missing") << QByteArray() << false;
}

void TestFitTestData::refusedFileCreatesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, written);

    const QString name = QStringLiteral("refused.csv");
    const QString path = written ? Write(name, bytes) : dir->filePath(name);
    // The reader's own message: file, line and reason.
    QString expected;
    try {
        fit::ReadMeasuredCurve(fit::ReadMeasuredBytes(QFileInfo(path).filesystemFilePath(),
                                                      name.toStdString()),
                               name.toStdString());
        QFAIL("the reader took the file");
    } catch (const fit::MeasuredCurveError& error) {
        expected = QString::fromUtf8(error.what());
    }

    const bool opened = Fit(path, [&](Dialog& dialog) {
        QVERIFY(!dialog.HasFit());
        QCOMPARE(dialog.lblMessage->text(), expected);
        QVERIFY(!dialog.btnCreate->isEnabled());
        QTest::mouseClick(dialog.btnCreate, Qt::LeftButton);
        QVERIFY(dialog.isVisible());
    });
    QVERIFY(opened);
    QVERIFY(form->concretes.empty());
    QCOMPARE(form->cht1->SeriesCount(), 0);
    QCOMPARE(form->edt1->text(), QStringLiteral("Con_20"));
}

void TestFitTestData::windowRulesDecide()
{
    // A concrete of the name the file gives is there already: the window refuses the second
    // with its own words, the dialog stays for another name, and no points are drawn.
    form->cbb1->setCurrentIndex(2);
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    QCOMPARE(form->concretes.size(), std::size_t(1));
    const QString path = Write(QStringLiteral("Con_25.csv"), Plain(c30, 1, 1, false));

    const bool opened = Fit(path, [&](Dialog& dialog) {
        QCOMPARE(dialog.edtName->text(), QStringLiteral("Con_25"));
        QTest::mouseClick(dialog.btnCreate, Qt::LeftButton);
        QCOMPARE(platform->Texts(),
                 QStringList{"Concrete with name: \"Con_25\" already exists! Please Input "
                             "another Name."});
        QVERIFY(dialog.isVisible());
        QVERIFY(!TestSeries(form->cht1));

        // A name too long for a concrete: the window's rule again.
        dialog.edtName->setText(QStringLiteral("A name far too long for it"));
        QTest::mouseClick(dialog.btnCreate, Qt::LeftButton);
        QCOMPARE(platform->messages.size(), 2);
        QVERIFY(dialog.isVisible());

        dialog.edtName->setText(QStringLiteral("  Fitted  "));
        QTest::mouseClick(dialog.btnCreate, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    });
    QVERIFY(opened);
    QVERIFY(form->concretes.Contains("Fitted"));
    QCOMPARE(form->concretes.size(), std::size_t(2));
    QVERIFY(TestSeries(form->cht1));
    QVERIFY(!TestSeries(form->cht2));
}

void TestFitTestData::heldValues_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");        // in the table of values
    QTest::addColumn<QString>("shown");  // there; empty: refused
    QTest::addColumn<QString>("message");

    QTest::newRow("fc,r") << "chkHoldFc" << "21" << 1 << "21.00 (held)" << "";
    QTest::newRow("Ec") << "chkHoldEc" << "28000" << 0 << "28000 (held)" << "";
    QTest::newRow("not a number") << "chkHoldFc" << "2x5" << 1 << ""
                                  << "Held fc,r: \"2x5\" is not a valid floating number!";
    QTest::newRow("zero") << "chkHoldEc" << "0" << 0 << ""
                          << "Held Ec must be greater than zero.";
}

void TestFitTestData::heldValues()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(QString, shown);
    QFETCH(QString, message);

    const QString path = Write(QStringLiteral("held.csv"), Plain(c30, 1, 1, false));
    const bool opened = Fit(path, [&](Dialog& dialog) {
        auto* check = dialog.findChild<QCheckBox*>(box);
        QVERIFY(check);
        QTest::mouseClick(check, Qt::LeftButton);
        QLineEdit* edit = check == dialog.chkHoldFc ? dialog.edtHoldFc : dialog.edtHoldEc;
        QVERIFY(edit->isEnabled());
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        if (shown.isEmpty()) {
            QCOMPARE(dialog.lblMessage->text(), message);
            QVERIFY(!dialog.btnCreate->isEnabled());
            return;
        }
        QCOMPARE(CellText(dialog.tblValues, row, 0), shown);
        QTest::mouseClick(dialog.btnCreate, Qt::LeftButton);
        QVERIFY2(!dialog.isVisible(), qPrintable(platform->Texts().join(QLatin1Char('|'))));
    });
    QVERIFY(opened);
    if (shown.isEmpty()) {
        QVERIFY(form->concretes.empty());
        return;
    }
    QLineEdit* field = row == 1 ? form->edt3 : form->edt2;
    QCOMPARE(field->text(), typed + (row == 1 ? QStringLiteral(".00") : QString()));
}

void TestFitTestData::cancelledFileOpensNoDialog()
{
    platform->openAnswers.clear();
    form->FitTestData1->trigger();
    QCOMPARE(platform->openRequests.size(), 1);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestFitTestData)
#include "tst_fittestdata.moc"
