// The export dialogs with steels, driven offscreen: the steels listed beside the concretes with
// their check boxes, the steel options, the preview of the selected steel, and Save… writing
// the steels after the concretes, or refusing with the steel's name.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "dialogs/SolverExportDialog.h"
#include "steel/Steel.h"
#include "support/FakePlatform.h"
#include "support/Files.h"
#include "support/SolverSupport.h"

namespace {

using testfiles::Read;
using Kind = Platform::MsgKind;

void SetText(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QString Cell(QTableWidget* table, int row, int column)
{
    return table->item(row, column) ? table->item(row, column)->text() : QString();
}

}  // namespace

class TestSteelExport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        SolverExportDialog::RememberedAbaqus() = {};
        SolverExportDialog::RememberedOpenSees() = {};
        SteelExportPanel::RememberedAbaqus() = {};
        SteelExportPanel::RememberedOpenSees() = {};
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        platform = std::make_unique<FakePlatform>();
    }

    void cleanup()
    {
        platform.reset();
        dir.reset();
    }

    // Without steels the dialog is as it was: no steel panel at all.
    void noSteelsNoPanel()
    {
        SolverExportDialog dialog(SolverExportDialog::Solver::Abaqus, {{c30.get(), true}});
        QVERIFY(!dialog.steelPanel);
        QVERIFY(!dialog.findChild<QListWidget*>(QStringLiteral("steelList")));
    }

    void abaqusPreviewAndSave()
    {
        SolverExportDialog dialog(SolverExportDialog::Solver::Abaqus, {{c30.get(), true}},
                                  {{&hrb400, true}, {&hpb300, false}});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        SteelExportPanel* panel = dialog.steelPanel;
        QVERIFY(panel);
        QCOMPARE(panel->steelList->count(), 2);
        QCOMPARE(panel->steelList->item(0)->checkState(), Qt::Checked);
        QCOMPARE(panel->steelList->item(1)->checkState(), Qt::Unchecked);

        // The selected steel's table, as the file will hold it.
        QCOMPARE(panel->steelTable->rowCount(), 6);
        QCOMPARE(Cell(panel->steelTable, 0, 0), QStringLiteral("400.8"));
        QCOMPARE(Cell(panel->steelTable, 0, 1), QStringLiteral("0.0"));
        QCOMPARE(Cell(panel->steelTable, 5, 0), QStringLiteral("580.5"));
        QVERIFY(panel->steelDeviationLabel->text().contains(QStringLiteral("0.041 %")));
        QTest::mouseClick(panel->steelList->viewport(), Qt::LeftButton, {},
                          panel->steelList->visualItemRect(panel->steelList->item(1)).center());
        QCOMPARE(Cell(panel->steelTable, 0, 0), QStringLiteral("300.428571"));
        // The concretes' units hold for the steels too.
        dialog.unitsBox->setCurrentIndex(1);
        QCOMPARE(Cell(panel->steelTable, 0, 0), QStringLiteral("300428571.0"));
        dialog.unitsBox->setCurrentIndex(0);
        panel->steelPlasticBox->setCurrentIndex(1);
        QCOMPARE(panel->steelTable->rowCount(), 3);
        QCOMPARE(Cell(panel->steelTable, 1, 1), QStringLiteral("0.0235714286"));
        panel->steelPlasticBox->setCurrentIndex(0);

        // A Poisson's ratio out of range is named, and nothing is saved.
        SetText(panel->steelPoissonEdit, QStringLiteral("0.5"));
        QVERIFY(panel->steelMessageLabel->text().contains(QStringLiteral("Steel Poisson's ratio")));
        const QString path = dir->filePath(QStringLiteral("rc.inp"));
        platform->saveAnswers << path;
        QVERIFY(!dialog.Save());
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].kind, Kind::Warning);
        QVERIFY(!QFile::exists(path));
        platform->Clear();

        SetText(panel->steelPoissonEdit, QStringLiteral("0.25"));
        QVERIFY(panel->steelMessageLabel->text().isEmpty());
        QVERIFY(dialog.Save());
        QCOMPARE(platform->saveRequests.back().fileName, QStringLiteral("Concretes.inp"));
        const QString inp = QString::fromUtf8(Read(path));
        const qsizetype concrete = inp.indexOf(QStringLiteral("*Material, name=C30\n"));
        const qsizetype steel = inp.indexOf(QStringLiteral("*Material, name=HRB400\n"));
        QVERIFY(concrete >= 0 && steel > concrete);
        QVERIFY(inp.contains(QStringLiteral("*Elastic\n200000.0, 0.25\n*Plastic\n400.8, 0.0\n")));
        QVERIFY(!inp.contains(QStringLiteral("HPB300")));
        // The file's first lines, like the dialog, say which analysis the true table suits.
        for (const char* said : {"\n**   HRB400: characteristic\n", "(NLGEOM=YES)"}) {
            const qsizetype at = inp.indexOf(QLatin1String(said));
            QVERIFY2(at >= 0 && at < concrete, said);
        }
        const auto* note = panel->findChild<QLabel*>(QStringLiteral("steelPlasticNote"));
        QVERIFY(note && note->isVisible() && note->text().contains(QStringLiteral("NLGEOM=YES")));
        // The steel options are remembered for the next dialog.
        QCOMPARE(SteelExportPanel::RememberedAbaqus().poisson, 0.25);
    }

    // Steels alone: the file starts with their own header and is proposed as Steels.inp.
    void steelsAlone()
    {
        SolverExportDialog dialog(SolverExportDialog::Solver::Abaqus, {{c30.get(), false}},
                                  {{&hrb400, true}});
        dialog.show();
        const QString path = dir->filePath(QStringLiteral("steel.inp"));
        platform->saveAnswers << path;
        QVERIFY(dialog.Save());
        QCOMPARE(platform->saveRequests.back().fileName, QStringLiteral("Steels.inp"));
        QVERIFY(Read(path).startsWith("** Reinforcing steel written by Tarvolin " TARVOLIN_VERSION "\n"));

        dialog.steelPanel->steelList->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(!dialog.Save());
        QCOMPARE(platform->Texts().back(), QStringLiteral("No concrete or steel is checked."));
    }

    void refusedSteel()
    {
        const CSteel steep("Steep", 2e5, 400, 540, 0.025, 0.02501);
        SolverExportDialog dialog(SolverExportDialog::Solver::Abaqus, {{c30.get(), true}},
                                  {{&hrb400, true}, {&steep, true}});
        dialog.show();
        dialog.steelPanel->steelList->setCurrentRow(1);
        QVERIFY(dialog.steelPanel->steelMessageLabel->text().startsWith(
            QStringLiteral("Steel \"Steep\" cannot be written: ")));
        QCOMPARE(dialog.steelPanel->steelTable->rowCount(), 0);
        const QString path = dir->filePath(QStringLiteral("rc.inp"));
        platform->saveAnswers << path;
        QVERIFY(!dialog.Save());
        QVERIFY(platform->Texts().back().contains(QStringLiteral("Steel \"Steep\" cannot be written")));
        QVERIFY(platform->Texts().back().endsWith(QStringLiteral("Nothing was written.")));
        QVERIFY(!QFile::exists(path));
    }

    // The steels' tags follow the checked concretes', in the preview and in the file.
    void openSees()
    {
        SolverExportDialog dialog(SolverExportDialog::Solver::OpenSees,
                                  {{c30.get(), true}, {c50.get(), false}},
                                  {{&hrb400, true}, {&hpb300, true}});
        dialog.show();
        SteelExportPanel* panel = dialog.steelPanel;
        dialog.firstTagSpin->setValue(5);
        QVERIFY(dialog.commandsText->toPlainText().contains(
            QStringLiteral("uniaxialMaterial ConcreteD 5 ")));
        QVERIFY(dialog.commandsText->toPlainText().contains(
            QStringLiteral("uniaxialMaterial Hysteretic 6 400.0 0.002 400.0 0.025 540.0 0.075 ")));
        QVERIFY(dialog.commandsText->toPlainText().contains(
            QStringLiteral("uniaxialMaterial Hysteretic 7 300.0 ")));
        panel->steelList->setCurrentRow(1);
        QVERIFY(panel->steelCommandText->toPlainText().startsWith(
            QStringLiteral("uniaxialMaterial Hysteretic 7 ")));

        panel->steelMaterialBox->setCurrentIndex(1);
        dialog.concreteList->item(1)->setCheckState(Qt::Checked);
        QVERIFY(panel->steelCommandText->toPlainText().startsWith(
            QStringLiteral("uniaxialMaterial Steel02 8 300.0 ")));
        const QString path = dir->filePath(QStringLiteral("rc.tcl"));
        platform->saveAnswers << path;
        QVERIFY(dialog.Save());
        const QString tcl = QString::fromUtf8(Read(path));
        QVERIFY(tcl.contains(QStringLiteral("uniaxialMaterial ConcreteD 6 ")));
        QVERIFY(tcl.contains(QStringLiteral("uniaxialMaterial Steel02 7 400.0 ")));
        QVERIFY(tcl.contains(QStringLiteral("uniaxialMaterial Steel02 8 300.0 ")));
        QCOMPARE(SteelExportPanel::RememberedOpenSees().material,
                 SteelOpenSeesOptions::Material::Steel02);
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<CConcrete> c30 = solvertest::C30();
    std::unique_ptr<CConcrete> c50 = solvertest::C30("C50");
    const CSteel hrb400{"HRB400", 2e5, 400, 540, 0.025, 0.075};
    const CSteel hpb300{"HPB300", 2.1e5, 300, 420, 0.025, 0.1};
};

QTEST_MAIN(TestSteelExport)
#include "tst_steelexport.moc"
