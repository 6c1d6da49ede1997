// Export for Abaqus… and Export for OpenSees… driven through the main window offscreen: the
// dialog opens over the created concretes, its preview follows the options, and Save… writes
// the file through the desktop stand-in, or reports why it cannot.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <qcustomplot.h>

#include "concretewindow/Unit1.h"
#include "dialogs/SolverExportDialog.h"
#include "platform/CheckList.h"
#include "steel/Steel.h"
#include "support/CreateWorked.h"
#include "support/FakePlatform.h"
#include "support/Files.h"
#include "support/Modal.h"
#include "support/WorkedExample.h"

namespace {

using testfiles::Read;

using Kind = Platform::MsgKind;
using worked::Create;
using worked::Type;

void SetText(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace

class TestSolverDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyRegistry();
    void abaqusPreviewFollowsOptions();
    void abaqusPreviewIsReadable_data();
    void abaqusPreviewIsReadable();
    void abaqusSaveAndRemember();
    void abaqusRulesAndTension();
    void tensionDamageReachesFile_data();
    void tensionDamageReachesFile();
    void previewChartsLabelled();
    void buttonsInReachOnTheScreen_data();
    void buttonsInReachOnTheScreen();
    void decimalComma();
    void cancelAndFailingTarget();
    void refusedConcrete();
    void openSees();

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestSolverDialog::init()
{
    SolverExportDialog::RememberedAbaqus() = {};
    SolverExportDialog::RememberedOpenSees() = {};
    // Export folders are remembered in the settings, which FakePlatform starts empty.
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestSolverDialog::cleanup()
{
    form.reset();
    platform.reset();
    dir.reset();
}

void TestSolverDialog::emptyRegistry()
{
    QVERIFY(!AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [](SolverExportDialog&) {}));
    QVERIFY(!AnswerModal<SolverExportDialog>(form->ExportOpenSees1, [](SolverExportDialog&) {}));
    QCOMPARE(platform->Texts(), QStringList(2, "No concretes have been create!."));
    QCOMPARE(platform->messages[0].kind, Kind::Information);
}

void TestSolverDialog::abaqusPreviewFollowsOptions()
{
    Create(*form, worked::kC30);
    Create(*form, worked::kC50);
    form->lst1->item(1)->setCheckState(Qt::Unchecked);  // the user hides C50

    const bool opened = AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Export for Abaqus"));
        for (const char* name :
             {"concreteList", "unitsBox", "poissonEdit", "dilationEdit", "eccentricityEdit",
              "fb0fc0Edit", "kEdit", "viscosityEdit", "elasticLimitEdit", "damageBox",
              "rowsSpin", "outputBox", "modelEdit", "compressionTable", "tensionTable",
              "compressionPlot", "tensionPlot", "deviationLabel", "namesText", "messageLabel",
              "saveButton", "closeButton"})
            QVERIFY2(d.findChild<QWidget*>(QString::fromLatin1(name)), name);

        QCOMPARE(d.concreteList->count(), 2);
        QCOMPARE(d.concreteList->item(0)->text(), QStringLiteral("C30"));
        QCOMPARE(d.concreteList->item(0)->checkState(), Qt::Checked);
        QCOMPARE(d.concreteList->item(1)->checkState(), Qt::Unchecked);

        // C30's compression curve has 81 points: 40 rows by default.
        QCOMPARE(d.compressionTable->rowCount(), 40);
        QCOMPARE(d.compressionTable->item(0, 1)->text(), QStringLiteral("0.0"));
        QCOMPARE(d.tensionTable->item(0, 0)->text(), QStringLiteral("2.01"));
        QCOMPARE(d.compressionPlot->graph(0)->dataCount(), 40);
        QVERIFY(d.deviationLabel->text().contains(QStringLiteral("% of the peak stress")));
        const QString deviation40 = d.deviationLabel->text();

        d.rowsSpin->setValue(8);
        QCOMPARE(d.compressionTable->rowCount(), 8);
        QCOMPARE(d.compressionPlot->graph(0)->dataCount(), 8);
        QVERIFY(d.deviationLabel->text() != deviation40);

        d.unitsBox->setCurrentIndex(1);
        QCOMPARE(d.tensionTable->item(0, 0)->text(), QStringLiteral("2010000.0"));

        d.damageBox->setCurrentIndex(d.damageBox->findText(QStringLiteral("none")));
        QCOMPARE(d.compressionTable->item(1, 2)->text(), QStringLiteral("-"));
        QVERIFY(!d.compressionPlot->graph(1)->visible());

        // Selecting C50 previews it, although it is not checked.
        d.concreteList->setCurrentRow(1);
        QCOMPARE(d.tensionTable->item(0, 0)->text(), QStringLiteral("2640000.0"));

        // A value out of range is named at once, in the dialog's words, and Save… refuses
        // with it.
        SetText(d.poissonEdit, QStringLiteral("0.6"));
        const QString expected =
            QStringLiteral("Poisson's ratio: \"0.6\" is not a number from 0 to below 0.5.");
        QCOMPARE(d.messageLabel->text(), expected);
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(platform->saveRequests.isEmpty());
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].kind, Kind::Warning);
        QCOMPARE(platform->messages[0].text, expected);
        SetText(d.poissonEdit, QStringLiteral("abc"));
        QVERIFY(!d.messageLabel->text().contains(QStringLiteral("--")));
        SetText(d.poissonEdit, QStringLiteral("0,25"));  // a regional comma is understood
        QCOMPARE(d.messageLabel->text(), QString());
    });
    QVERIFY(opened);
}

void TestSolverDialog::abaqusPreviewIsReadable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("units");
    QTest::newRow("C30, N mm MPa") << 0 << 0;
    QTest::newRow("C50, N mm MPa") << 1 << 0;
    QTest::newRow("C30, N m Pa") << 0 << 1;
    QTest::newRow("C50, N m Pa") << 1 << 1;
}

// Every column of the preview tables in view, and no tick label of the preview charts over
// its neighbour, as the dialog opens.
void TestSolverDialog::abaqusPreviewIsReadable()
{
    QFETCH(int, row);
    QFETCH(int, units);
    Create(*form, worked::kC30);
    Create(*form, worked::kC50);
    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.concreteList->setCurrentRow(row);
        d.unitsBox->setCurrentIndex(units);
        for (QTableWidget* table : {d.compressionTable, d.tensionTable}) {
            QVERIFY2(table->horizontalHeader()->length() <= table->viewport()->width(),
                     qPrintable(QStringLiteral("%1: columns %2 px in a view of %3 px")
                                    .arg(table->objectName())
                                    .arg(table->horizontalHeader()->length())
                                    .arg(table->viewport()->width())));
        }
        for (QCustomPlot* plot : {d.compressionPlot, d.tensionPlot}) {
            plot->replot();
            QCPAxis* axis = plot->xAxis;
            const QFontMetrics metrics(axis->tickLabelFont());
            const QVector<double> ticks = axis->tickVector();
            const QVector<QString> labels = axis->tickVectorLabels();
            QVERIFY(ticks.size() >= 2);
            double previousRight = -1e9;
            for (int i = 0; i < ticks.size(); ++i) {
                const double middle = axis->coordToPixel(ticks[i]);
                const double half = metrics.horizontalAdvance(labels[i]) / 2.0;
                QVERIFY2(middle - half > previousRight,
                         qPrintable(plot->objectName() + QStringLiteral(": \"") + labels[i] +
                                    QStringLiteral("\" runs into its left neighbour")));
                previousRight = middle + half;
            }
        }
    }));
}

void TestSolverDialog::abaqusSaveAndRemember()
{
    Create(*form, worked::kC30);
    Create(*form, worked::kC50);
    const QString path = dir->filePath("Frame.py");
    platform->saveAnswers = {path};

    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        d.outputBox->setCurrentIndex(1);
        d.rowsSpin->setValue(12);
        SetText(d.modelEdit, QStringLiteral("Frame"));
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(!d.isVisible());  // written: the dialog has closed
    }));
    QCOMPARE(platform->saveRequests.size(), 1);
    QCOMPARE(platform->saveRequests[0].caption, QStringLiteral("Export for Abaqus"));
    QCOMPARE(platform->saveRequests[0].defaultSuffix, QStringLiteral("py"));
    QCOMPARE(platform->saveRequests[0].fileName, QStringLiteral("Concretes.py"));
    QVERIFY(platform->messages.isEmpty());

    AbaqusOptions options;
    options.output = AbaqusOptions::Output::Py;
    options.maxRows = 12;
    options.model = "Frame";
    std::vector<const CConcrete*> list;
    for (const auto& c : form->concretes)
        list.push_back(c.get());
    const AbaqusExport expected = BuildAbaqusExport(list, options);
    QVERIFY(expected.Ok());
    QCOMPARE(Read(path), QByteArray::fromStdString(expected.text));

    // The options and folder are remembered for the next time.
    platform->saveAnswers.clear();
    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        QCOMPARE(d.outputBox->currentIndex(), 1);
        QCOMPARE(d.rowsSpin->value(), 12);
        QCOMPARE(d.modelEdit->text(), QStringLiteral("Frame"));
        QCOMPARE(d.compressionTable->rowCount(), 12);
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
    }));
    QCOMPARE(platform->saveRequests.size(), 2);
    QCOMPARE(platform->saveRequests[1].directory, dir->path());
}

// The damage rules, E0 and tension against displacement as the user meets them: the code
// rule's warning, what Abaqus derives, a crack band that must be given, and a file that is the
// writer's for the same options.
void TestSolverDialog::abaqusRulesAndTension()
{
    Create(*form, worked::kC30);
    const QString path = dir->filePath("rules.inp");
    platform->saveAnswers = {path};
    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        // The writer's default, the code's own unloading rule, is the dialog's.
        QCOMPARE(d.damageBox->currentData().toInt(), int(AbaqusOptions::Damage::Unloading));
        QCOMPARE(d.damageBox->currentText(), QStringLiteral("code unloading (C.2.5)"));
        QVERIFY(d.warningLabel->isHidden());
        QVERIFY(!d.bcEdit->isEnabled());
        QVERIFY(!d.crackBandEdit->isEnabled());
        QVERIFY(d.derivedLabel->text().contains(QStringLiteral("plastic strain")));

        d.damageBox->setCurrentIndex(d.damageBox->findText(QStringLiteral("code")));
        QVERIFY(d.warningLabel->isVisible());
        QVERIFY(d.warningLabel->text().contains(QStringLiteral("no plastic strain")));
        // C30's effective stress under the code rule: E0 eps at the end strain, 30000 x 0.016.
        QVERIFY2(d.derivedLabel->text().contains(QStringLiteral("480 MPa")),
                 qPrintable(d.derivedLabel->text()));

        d.damageBox->setCurrentIndex(d.damageBox->findText(QStringLiteral("Birtel-Mark")));
        QVERIFY(d.warningLabel->isHidden());
        QVERIFY(d.bcEdit->isEnabled() && d.btEdit->isEnabled());
        QCOMPARE(d.bcEdit->text(), QStringLiteral("0.7"));
        SetText(d.btEdit, QStringLiteral("0.2"));
        // Abaqus's plastic strain is the share asked for: 0.2 of the cracking strain.
        const int last = d.tensionTable->rowCount() - 1;
        QVERIFY(std::fabs(d.tensionTable->item(last, 3)->text().toDouble() -
                          0.2 * d.tensionTable->item(last, 1)->text().toDouble()) < 1e-9);

        d.e0Box->setCurrentIndex(1);  // secant to the elastic limit

        // Displacement without a crack band: said in the dialog's words, and nothing written.
        d.tensionBox->setCurrentIndex(1);
        QVERIFY(d.crackBandEdit->isEnabled());
        QVERIFY2(d.messageLabel->text().startsWith(QStringLiteral("Crack-band width h:")),
                 qPrintable(d.messageLabel->text()));
        QCOMPARE(d.tensionTable->rowCount(), 0);
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(platform->saveRequests.isEmpty());
        QCOMPARE(platform->messages.size(), 1);
        QVERIFY(platform->messages[0].text.startsWith(QStringLiteral("Crack-band width h:")));

        SetText(d.crackBandEdit, QStringLiteral("50"));
        QCOMPARE(d.messageLabel->text(), QString());
        QCOMPARE(d.tensionTable->horizontalHeaderItem(1)->text(),
                 QStringLiteral("Cracking displacement (mm)"));
        QCOMPARE(d.tensionPlot->xAxis->label(), QStringLiteral("Cracking displacement (mm)"));
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(!d.isVisible());
    }));
    AbaqusOptions options;
    options.damage = AbaqusOptions::Damage::BirtelMark;
    options.bt = 0.2;
    options.e0 = AbaqusOptions::Modulus::Secant;
    options.tension = AbaqusOptions::Tension::Displacement;
    options.crackBand = 50;
    const CConcrete* c30[] = {&form->concretes.at(0)};
    const AbaqusExport expected = BuildAbaqusExport(c30, options);
    QVERIFY(expected.Ok());
    QCOMPARE(Read(path).toStdString(), expected.text);
    QVERIFY(Read(path).contains("*Concrete Tension Damage, TYPE=DISPLACEMENT\n"));
}

void TestSolverDialog::tensionDamageReachesFile_data()
{
    QTest::addColumn<int>("damage");
    QTest::addColumn<int>("tensionDamage");  // -1: the first entry, as the command line's default
    QTest::addColumn<bool>("bcUsed");
    QTest::addColumn<bool>("btUsed");
    using D = AbaqusOptions::Damage;
    QTest::newRow("default") << int(D::Unloading) << -1 << false << false;
    QTest::newRow("unloading, tension birtel-mark") << int(D::Unloading) << int(D::BirtelMark)
                                                    << false << true;
    QTest::newRow("birtel-mark, tension code") << int(D::BirtelMark) << int(D::Code) << true
                                               << false;
    QTest::newRow("none, tension energy") << int(D::None) << int(D::Energy) << false << false;
    QTest::newRow("code, tension none") << int(D::Code) << int(D::None) << false << false;
}

// The tension damage has a control of its own, the command line's --tension-damage: its
// first entry is the command line's default, and the file is the writer's for the same options.
void TestSolverDialog::tensionDamageReachesFile()
{
    QFETCH(int, damage);
    QFETCH(int, tensionDamage);
    QFETCH(bool, bcUsed);
    QFETCH(bool, btUsed);
    Create(*form, worked::kC30);
    const QString path = dir->filePath("tension.inp");
    platform->saveAnswers = {path};
    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        QCOMPARE(d.tensionDamageBox->currentIndex(), 0);
        QVERIFY(d.damageNote->text().contains(QStringLiteral("2.9")));
        d.damageBox->setCurrentIndex(d.damageBox->findData(damage));
        d.tensionDamageBox->setCurrentIndex(d.tensionDamageBox->findData(tensionDamage));
        QCOMPARE(d.bcEdit->isEnabled(), bcUsed);
        QCOMPARE(d.btEdit->isEnabled(), btUsed);
        // The preview's tension table has damage exactly when tension has a rule.
        const bool tensionHasDamage = tensionDamage != int(AbaqusOptions::Damage::None);
        QCOMPARE(d.tensionTable->item(1, 2)->text() != QStringLiteral("-"), tensionHasDamage);
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(!d.isVisible());
    }));
    AbaqusOptions options;
    options.damage = AbaqusOptions::Damage(damage);
    if (tensionDamage >= 0)
        options.tensionDamage = AbaqusOptions::Damage(tensionDamage);
    const CConcrete* c30[] = {&form->concretes.at(0)};
    const AbaqusExport expected = BuildAbaqusExport(c30, options);
    QVERIFY(expected.Ok());
    QCOMPARE(Read(path).toStdString(), expected.text);
    QCOMPARE(Read(path).contains("*Concrete Tension Damage"),
             TensionDamageRule(options) != AbaqusOptions::Damage::None);

    // Remembered for the next time, as the other options are.
    platform->saveAnswers.clear();
    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        QCOMPARE(d.tensionDamageBox->currentData().toInt(), tensionDamage);
    }));
}

void TestSolverDialog::buttonsInReachOnTheScreen_data()
{
    QTest::addColumn<bool>("abaqus");
    QTest::newRow("Abaqus") << true;
    QTest::newRow("OpenSees") << false;
}

// With a concrete and a steel the options and previews want more room than a small screen has:
// the dialog stays within the screen, the content scrolls, and Save… and Close stay in view.
void TestSolverDialog::buttonsInReachOnTheScreen()
{
    QFETCH(bool, abaqus);
    Create(*form, worked::kC30);
    form->steels.Add(std::make_unique<CSteel>("HRB400", 2e5, 400, 540, 0.025, 0.075));
    QAction* action = abaqus ? form->ExportAbaqus1 : form->ExportOpenSees1;
    QVERIFY(AnswerModal<SolverExportDialog>(action, [&](SolverExportDialog& d) {
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QRect screen = d.screen()->availableGeometry();
        QVERIFY2(d.width() <= screen.width() && d.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1×%2 on %3×%4")
                                .arg(d.width())
                                .arg(d.height())
                                .arg(screen.width())
                                .arg(screen.height())));
        for (QPushButton* button : {d.saveButton, d.closeButton})
            QVERIFY(d.rect().contains(QRect(button->mapTo(&d, QPoint(0, 0)), button->size())));
    }));
}

// Each preview chart says what it shows: a legend, axis titles with units, and tick labels of
// one style on an axis (no "1.5·10⁶" beside "500000").
void TestSolverDialog::previewChartsLabelled()
{
    Create(*form, worked::kC30);
    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        for (int units : {0, 1}) {
            d.unitsBox->setCurrentIndex(units);
            const QString unit = units == 0 ? QStringLiteral("(MPa)") : QStringLiteral("(Pa)");
            for (QCustomPlot* plot : {d.compressionPlot, d.tensionPlot}) {
                plot->replot();
                QVERIFY(plot->legend->visible());
                QCOMPARE(plot->legend->itemCount(), 3);  // stress, damage, effective stress
                QVERIFY2(plot->yAxis->label().endsWith(unit), qPrintable(plot->yAxis->label()));
                QCOMPARE(plot->yAxis2->label(), QStringLiteral("Damage"));
                QVERIFY(!plot->xAxis->label().isEmpty());
                for (QCPAxis* axis : {plot->xAxis, plot->yAxis}) {
                    const QVector<QString> labels = axis->tickVectorLabels();
                    QVERIFY(labels.size() >= 2);
                    int powers = 0, decimals = -1;
                    for (const QString& label : labels) {
                        if (label == QLatin1String("0"))
                            continue;
                        powers += label.contains(QStringLiteral("×10"));
                        const QString mantissa = label.section(QStringLiteral("×"), 0, 0);
                        const int places = mantissa.contains('.')
                                               ? int(mantissa.size() - mantissa.indexOf('.') - 1)
                                               : 0;
                        if (decimals >= 0)
                            QVERIFY2(places == decimals, qPrintable(label));
                        decimals = places;
                    }
                    const qsizetype nonZero = labels.size() - labels.count(QStringLiteral("0"));
                    QVERIFY2(powers == 0 || powers == nonZero,
                             qPrintable(QStringList(labels.begin(), labels.end()).join(' ')));
                }
            }
            // Stresses in Pa are millions: one power of ten for the whole axis.
            if (units == 1)
                QVERIFY(d.tensionPlot->yAxis->tickVectorLabels().last().contains(
                    QStringLiteral("×10⁶")));
        }
    }));
}

// Under a decimal comma the dialog speaks the user's numbers in fields, tables, axes and
// messages; the file keeps its points.
void TestSolverDialog::decimalComma()
{
    Create(*form, worked::kC30);
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString path = dir->filePath("comma.inp");
    platform->saveAnswers = {path};
    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        QCOMPARE(d.poissonEdit->text(), QStringLiteral("0,2"));
        QCOMPARE(d.viscosityEdit->text(), QStringLiteral("0,0005"));
        QCOMPARE(d.tensionTable->item(0, 0)->text(), QStringLiteral("2,01"));
        d.compressionPlot->replot();
        for (const QString& label : d.compressionPlot->xAxis->tickVectorLabels())
            QVERIFY2(!label.contains('.'), qPrintable(label));
        QVERIFY(d.compressionPlot->xAxis->tickVectorLabels().join(QString()).contains(','));
        SetText(d.poissonEdit, QStringLiteral("0,7"));
        QCOMPARE(d.messageLabel->text(),
                 QStringLiteral("Poisson's ratio: \"0,7\" is not a number from 0 to below 0,5."));
        SetText(d.poissonEdit, QStringLiteral("0,25"));
        QCOMPARE(d.messageLabel->text(), QString());
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
    }));
    QLocale::setDefault(previous);
    QVERIFY(Read(path).contains("*Elastic\n30000.0, 0.25\n"));
}

void TestSolverDialog::cancelAndFailingTarget()
{
    Create(*form, worked::kC30);
    QFile blocker(dir->filePath("plain-file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportOpenSees1, [&](SolverExportDialog& d) {
        // No answer queued: the user cancels the file dialog and stays in the export dialog.
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(platform->saveRequests.size(), 1);
        QCOMPARE(platform->saveRequests[0].defaultSuffix, QStringLiteral("tcl"));
        QVERIFY(platform->messages.isEmpty());

        // A folder that is a regular file: an error box, and the dialog stays open.
        platform->saveAnswers = {dir->filePath("plain-file/model.tcl")};
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].kind, Kind::Error);
        QVERIFY(platform->messages[0].text.contains(QStringLiteral("plain-file")));

        QTest::mouseClick(d.closeButton, Qt::LeftButton);
        QVERIFY(!d.isVisible());
    }));
    QCOMPARE(Read(dir->filePath("plain-file")), QByteArray());
}

void TestSolverDialog::refusedConcrete()
{
    Create(*form, worked::kC30);
    worked::Definition shortTension = worked::kC50;
    shortTension.name = "Short";
    shortTension.etmax = "50";  // ends before the tensile peak at 110e-6
    Create(*form, shortTension);
    QCOMPARE(form->concretes.size(), std::size_t(2));
    platform->saveAnswers = {dir->filePath("model.inp")};

    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        d.concreteList->setCurrentRow(1);
        QVERIFY(d.messageLabel->text().startsWith(QStringLiteral("Concrete \"Short\"")));
        QCOMPARE(d.tensionTable->rowCount(), 0);

        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QVERIFY(platform->saveRequests.isEmpty());  // refused before any file is chosen
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].kind, Kind::Warning);
        QVERIFY(platform->messages[0].text.startsWith(
            QStringLiteral("Concrete \"Short\" cannot be written: the tension curve ends")));
        QVERIFY(platform->messages[0].text.endsWith(QStringLiteral("Nothing was written.")));

        // Without the refused concrete the rest is written.
        d.concreteList->item(1)->setCheckState(Qt::Unchecked);
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(!d.isVisible());
    }));
    QVERIFY(Read(dir->filePath("model.inp")).contains("*Material, name=C30\n"));
    QVERIFY(!Read(dir->filePath("model.inp")).contains("Short"));

    // Nothing checked: nothing to write.
    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportAbaqus1, [&](SolverExportDialog& d) {
        for (int i = 0; i < d.concreteList->count(); ++i)
            d.concreteList->item(i)->setCheckState(Qt::Unchecked);
        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QCOMPARE(platform->messages.last().kind, Kind::Information);
        QVERIFY(d.isVisible());
    }));
}

void TestSolverDialog::openSees()
{
    Create(*form, worked::kC30);
    Create(*form, worked::kC50);
    const QString path = dir->filePath("materials.py");
    platform->saveAnswers = {path};

    QVERIFY(AnswerModal<SolverExportDialog>(form->ExportOpenSees1, [&](SolverExportDialog& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Export for OpenSees"));
        for (const char* name : {"concreteList", "formatBox", "firstTagSpin", "commandsText",
                                 "messageLabel", "saveButton", "closeButton"})
            QVERIFY2(d.findChild<QWidget*>(QString::fromLatin1(name)), name);
        QVERIFY(d.commandsText->toPlainText().contains(QStringLiteral(
            "# C30 (N, mm, MPa)\nuniaxialMaterial ConcreteD 1 -20.1 -0.001471 2.01 9.5e-05 "
            "30000.0 0.75 1.26\n")));
        QVERIFY(d.commandsText->toPlainText().contains(QStringLiteral("ConcreteD 2 -32.4")));

        // ConcreteD's tension curve beside the code's, with the difference in words.
        QCOMPARE(d.concreteDPlot->graphCount(), 2);
        QVERIFY(d.concreteDPlot->graph(0)->dataCount() > 300);
        QCOMPARE(d.concreteDPlot->graph(1)->dataCount(), d.concreteDPlot->graph(0)->dataCount());
        QVERIFY(d.concreteDPlot->legend->visible());
        QVERIFY2(d.concreteDLabel->text().contains(QStringLiteral("% of ft")),
                 qPrintable(d.concreteDLabel->text()));

        // The plastic-strain parameters, when changed, become the 8th and 9th values.
        SetText(d.etaPEdit, QStringLiteral("1.3"));
        QVERIFY(d.commandsText->toPlainText().contains(QStringLiteral(" 1.26 0.25 1.3\n")));
        SetText(d.etaPEdit, QStringLiteral("0"));
        QCOMPARE(d.messageLabel->text(),
                 QStringLiteral("Plastic-strain parameter ηp: \"0\" is not a number above 0."));
        SetText(d.etaPEdit, QStringLiteral("1.15"));

        // No command is cut at the right edge.
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QFontMetrics metrics(d.commandsText->font());
        for (const QString& line : d.commandsText->toPlainText().split('\n'))
            QVERIFY2(metrics.horizontalAdvance(line) <= d.commandsText->viewport()->width(),
                     qPrintable(line));

        d.firstTagSpin->setValue(101);
        QVERIFY(d.commandsText->toPlainText().contains(QStringLiteral("ConcreteD 101 -20.1")));
        d.concreteList->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(d.commandsText->toPlainText().contains(QStringLiteral("ConcreteD 101 -32.4")));
        d.formatBox->setCurrentIndex(1);
        QVERIFY(d.commandsText->toPlainText().contains(
            QStringLiteral("ops.uniaxialMaterial('ConcreteD', 101, -32.4")));

        QTest::mouseClick(d.saveButton, Qt::LeftButton);
        QVERIFY(!d.isVisible());
    }));
    QCOMPARE(platform->saveRequests.last().defaultSuffix, QStringLiteral("py"));
    OpenSeesOptions options;
    options.format = OpenSeesOptions::Format::Py;
    options.firstTag = 101;
    const CConcrete* c50[] = {&form->concretes.at(1)};
    QCOMPARE(Read(path), QByteArray::fromStdString(BuildOpenSeesExport(c50, options).text));
}

QTEST_MAIN(TestSolverDialog)
#include "tst_solverdialog.moc"
