// The strength basis through the real window: the Basis menu refills the definition for the
// grade in the box, the δc question refuses what is no coefficient of variation and remembers
// what is, new concretes carry their basis into the list, and a grade outside C20–C80 gets a
// quiet note on the grade box.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "concretewindow/Unit1.h"
#include "dialogs/Basis.h"
#include "dialogs/SolverExportDialog.h"
#include "formats/CsvExport.h"
#include "platform/CheckList.h"
#include "support/FakePlatform.h"
#include "support/Legibility.h"
#include "support/Modal.h"

namespace {

// Name, Ec, fc,r, ft,r, εc,r, αc, εt,r, αt, as the fields show them.
QStringList GradeFields(const TForm1& form)
{
    return {form.edt1->text(), form.edt2->text(), form.edt3->text(), form.edt8->text(),
            form.edt4->text(), form.edt5->text(), form.edt7->text(), form.edt6->text()};
}

const QStringList kC30 = {"Con_30", "29791", "20.1", "2.010", "1470.437", "0.748", "94.763",
                          "1.261"};
const QStringList kC30Mean = {"Con_30m", "29791", "24.0", "2.406", "1542.877", "0.999",
                              "104.421", "1.806"};
const QStringList kC30Design = {"Con_30d", "29791", "14.3", "1.430", "1351.138", "0.364",
                                "78.849", "0.638"};

// Types over the field's text key by key.
void TypeInto(QWidget* field, QLineEdit* edit, const QString& text)
{
    field->setFocus();
    edit->selectAll();
    QTest::keyClicks(field, text);
}

// Types δc into the question and presses OK.
void Answer(TCvDialog& dialog, const QString& text)
{
    TypeInto(dialog.edt1, dialog.edt1, text);
    QTest::mouseClick(dialog.btn1, Qt::LeftButton);
}

}  // namespace

class TestBasis : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuSitsBetweenFileAndEdit();
    void switchingBasisRefillsTheDefinition_data();
    void switchingBasisRefillsTheDefinition();
    void gradesTypedLaterFillOnTheBasis();
    void badCoefficientRefused_data();
    void badCoefficientRefused();
    void coefficientRememberedAcrossRuns();
    void coefficientUnderDecimalComma();
    void createdConcreteCarriesItsBasis_data();
    void createdConcreteCarriesItsBasis();
    void lawRangeNote_data();
    void lawRangeNote();
    void libraryKeepsEveryBasis();
    void exportPreviewSaysTheBasis();

private:
    std::unique_ptr<TForm1> NewWindow();
    // Con_30, Con_30m (δc 0.1) and Con_30d, created one after the other.
    void CreateOnEveryBasis();
    void TypeGrade(const QString& grade);
    // Chooses Mean values… and lets answer deal with the δc question while it is open. A
    // question still open afterwards is cancelled, so that no test can hang on it.
    bool ChooseMean(TForm1& window, const std::function<void(TCvDialog&)>& answer);

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestBasis::init()
{
    platform = std::make_unique<FakePlatform>();
    form = NewWindow();
}

void TestBasis::cleanup()
{
    form.reset();
    platform.reset();
}

std::unique_ptr<TForm1> TestBasis::NewWindow()
{
    auto window = std::make_unique<TForm1>();
    window->SetDecimalSeparator('.');
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window not active");
    return window;
}

void TestBasis::TypeGrade(const QString& grade)
{
    TypeInto(form->cbb1, form->cbb1->lineEdit(), grade);
}

bool TestBasis::ChooseMean(TForm1& window, const std::function<void(TCvDialog&)>& answer)
{
    return AnswerModal<TCvDialog>(window.Mean1, answer);
}

void TestBasis::menuSitsBetweenFileAndEdit()
{
    QStringList titles;
    for (QAction* menu : form->mm1->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"&File", "&Basis", "&Tools", "Edit", "About"}));
    QStringList items;
    for (QAction* item : form->Basis1->actions())
        items << item->text() + (item->isChecked() ? "[x]" : "[ ]");
    QCOMPARE(items, QStringList({"&Characteristic values (fc,k, ft,k)[x]",
                                 "&Mean values (fcm, ftm)\u2026[ ]",
                                 "&Design values (fc, ft)[ ]"}));
}

void TestBasis::switchingBasisRefillsTheDefinition_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("fields");
    // The labels of the fields the basis changes: fc, εc, ft, εt.
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("mean") << "Mean1" << kC30Mean
                          << QStringList{"Mean Comp. strength fc,m (N/mm2)",
                                         "Strain at Peak Comp. Stress  εc,m  (10-6)",
                                         "Mean Tension strength ft,m (N/mm2)",
                                         "Strain at Peak Tensile Stress  εt,m  (10-6)"};
    QTest::newRow("design") << "Design1" << kC30Design
                            << QStringList{"Design Compression strength fc (N/mm2)",
                                           "Strain at Peak Comp. Stress  εc  (10-6)",
                                           "Design Tension strength ft (N/mm2)",
                                           "Strain at Peak Tensile Stress  εt  (10-6)"};
}

void TestBasis::switchingBasisRefillsTheDefinition()
{
    QFETCH(QString, item);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, labels);
    const auto shownLabels = [&] {
        return QStringList{form->lbl4->text(), form->lbl5->text(), form->lbl7->text(),
                           form->lbl8->text()};
    };
    const QStringList characteristic = shownLabels();
    TypeGrade(QStringLiteral("30"));
    // A name typed over the proposal goes, as when the grade is picked again.
    TypeInto(form->edt1, form->edt1, QStringLiteral("Mine"));
    QAction* choice = form->findChild<QAction*>(item);
    QVERIFY(choice);
    if (choice == form->Mean1)
        QVERIFY(ChooseMean(*form, [](TCvDialog& d) { Answer(d, QStringLiteral("0.1")); }));
    else
        choice->trigger();
    QCOMPARE(GradeFields(*form), fields);
    QCOMPARE(shownLabels(), labels);
    const QStringList illegible = IllegibleTexts(form.get());
    QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(QLatin1Char('\n'))));
    QVERIFY(choice->isChecked());
    QVERIFY(!form->Characteristic1->isChecked());
    QVERIFY(platform->messages.isEmpty());

    // And back: the characteristic values and the window's own labels exactly as before.
    form->Characteristic1->trigger();
    QCOMPARE(shownLabels(), characteristic);
    QCOMPARE(GradeFields(*form), kC30);
    QCOMPARE(form->Basis(), StrengthBasis::Characteristic);
    QCOMPARE(form->BasisCv(), 0.0);
}

void TestBasis::gradesTypedLaterFillOnTheBasis()
{
    QVERIFY(ChooseMean(*form, [](TCvDialog& d) { Answer(d, QStringLiteral("0.12")); }));
    TypeGrade(QStringLiteral("22.5"));
    QCOMPARE(GradeFields(*form), QStringList({"Con_22.5m", "26722", "18.7", "2.068", "1444.763",
                                              "0.662", "96.237", "1.335"}));
    // Typing a strength still derives its strain and shape parameter from what was typed.
    TypeInto(form->edt3, form->edt3, QStringLiteral("20.1"));
    QCOMPARE(form->edt4->text(), QStringLiteral("1471.128"));
    QCOMPARE(form->edt5->text(), QStringLiteral("0.750"));
}

void TestBasis::badCoefficientRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString range = QStringLiteral("\u03B4c must be greater than 0 and less than 0.6.");
    QTest::newRow("zero") << "0" << range;
    QTest::newRow("negative") << "-0.1" << range;
    QTest::newRow("0.6") << "0.6" << range;
    QTest::newRow("above") << "0.75" << range;
    QTest::newRow("text") << "abc" << "\"abc\" is not a valid floating number!";
    QTest::newRow("empty") << "" << "\"\" is not a valid floating number!";
    QTest::newRow("comma under a point") << "0,1" << "\"0,1\" is not a valid floating number!";
}

void TestBasis::badCoefficientRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    TypeGrade(QStringLiteral("30"));
    bool stayedOpen = false;
    QString focus;  // the dialog and its fields are gone once it closes
    QVERIFY(ChooseMean(*form, [&](TCvDialog& d) {
        Answer(d, typed);
        stayedOpen = d.isVisible();
        if (QWidget* w = d.focusWidget())
            focus = w->objectName();
        QTest::mouseClick(d.btn2, Qt::LeftButton);  // Cancel
    }));
    QVERIFY(stayedOpen);
    QCOMPARE(platform->Texts(), QStringList{message});
    QCOMPARE(platform->messages[0].kind, Platform::MsgKind::Warning);
    QCOMPARE(focus, QStringLiteral("edt1"));
    // Cancelled: the basis, its menu item and the fields are as they were.
    QCOMPARE(form->Basis(), StrengthBasis::Characteristic);
    QVERIFY(form->Characteristic1->isChecked());
    QVERIFY(!form->Mean1->isChecked());
    QCOMPARE(GradeFields(*form), kC30);
}

void TestBasis::coefficientRememberedAcrossRuns()
{
    QString proposed = QStringLiteral("-");
    QVERIFY(ChooseMean(*form, [&](TCvDialog& d) {
        proposed = d.edt1->text();
        Answer(d, QStringLiteral("0.125"));
    }));
    QCOMPARE(proposed, QString());  // nothing to propose the first time
    QCOMPARE(form->BasisCv(), 0.125);

    // The next run starts on characteristic values and proposes the last δc.
    form = NewWindow();
    QCOMPARE(form->Basis(), StrengthBasis::Characteristic);
    QVERIFY(form->Characteristic1->isChecked());
    QVERIFY(ChooseMean(*form, [&](TCvDialog& d) {
        proposed = d.edt1->text();
        QTest::mouseClick(d.btn1, Qt::LeftButton);
    }));
    QCOMPARE(proposed, QStringLiteral("0.125"));
    QCOMPARE(form->Basis(), StrengthBasis::Mean);
    QCOMPARE(form->BasisCv(), 0.125);

    // Choosing Mean values again is how δc is changed; a cancelled change keeps the old one.
    QVERIFY(ChooseMean(*form, [](TCvDialog& d) { Answer(d, QStringLiteral("0.2")); }));
    QCOMPARE(form->BasisCv(), 0.2);
    QVERIFY(ChooseMean(*form, [](TCvDialog& d) { QTest::mouseClick(d.btn2, Qt::LeftButton); }));
    QCOMPARE(form->Basis(), StrengthBasis::Mean);
    QCOMPARE(form->BasisCv(), 0.2);
    QVERIFY(form->Mean1->isChecked());
}

void TestBasis::coefficientUnderDecimalComma()
{
    form->SetDecimalSeparator(',');
    QVERIFY(ChooseMean(*form, [](TCvDialog& d) { Answer(d, QStringLiteral("0,1")); }));
    QCOMPARE(form->BasisCv(), 0.1);
    TypeGrade(QStringLiteral("30"));
    QCOMPARE(form->edt3->text(), QStringLiteral("24,0"));
    QString proposed;
    QString label;
    QVERIFY(ChooseMean(*form, [&](TCvDialog& d) {
        proposed = d.edt1->text();
        label = d.lbl1->text();
        Answer(d, QStringLiteral("0.1"));
        Answer(d, QStringLiteral("0,6"));
        QTest::mouseClick(d.btn2, Qt::LeftButton);
    }));
    QCOMPARE(proposed, QStringLiteral("0,1"));
    QVERIFY2(label.endsWith(QStringLiteral("0 < \u03B4c < 0,6):")), qPrintable(label));
    QCOMPARE(platform->Texts(),
             QStringList({"\"0.1\" is not a valid floating number!",
                          "\u03B4c must be greater than 0 and less than 0,6."}));
}

void TestBasis::createdConcreteCarriesItsBasis_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("basis");
    QTest::addColumn<double>("cv");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("characteristic") << "Characteristic1" << "Con_30"
                                    << int(StrengthBasis::Characteristic) << 0.0
                                    << "Characteristic values (fc,k, ft,k)";
    QTest::newRow("mean") << "Mean1" << "Con_30m" << int(StrengthBasis::Mean) << 0.15
                          << "Mean values (fcm, ftm), \u03B4c = 0.15";
    QTest::newRow("design") << "Design1" << "Con_30d" << int(StrengthBasis::Design) << 0.0
                            << "Design values (fc, ft)";
}

void TestBasis::createdConcreteCarriesItsBasis()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(int, basis);
    QFETCH(double, cv);
    QFETCH(QString, toolTip);
    TypeGrade(QStringLiteral("30"));
    QAction* choice = form->findChild<QAction*>(item);
    if (choice == form->Mean1)
        QVERIFY(ChooseMean(*form, [](TCvDialog& d) { Answer(d, QStringLiteral("0.15")); }));
    else
        choice->trigger();
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    QVERIFY(platform->messages.isEmpty());

    QCOMPARE(form->concretes.size(), std::size_t(1));
    const CConcrete& made = form->concretes.at(0);
    QCOMPARE(QString::fromStdString(made.ConcreteName), name);
    QCOMPARE(int(made.basis), basis);
    QCOMPARE(made.cv, cv);
    // Rows are found by the name, so it stays the row's text; the basis is its tooltip.
    QCOMPARE(form->lst1->ItemText(0), name);
    QCOMPARE(form->lst1->item(0)->toolTip(), toolTip);
    QVERIFY(form->lst1->ItemChecked(0));
}

void TestBasis::lawRangeNote_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("note");  // empty: none
    QTest::newRow("15") << "15"
                        << "Grade 15 lies outside C20\u2013C80, the grades the law of "
                           "GB 50010-2010 Appendix C is stated for.";
    QTest::newRow("19.5") << "19.5" << "Grade 19.5 lies outside";
    QTest::newRow("20") << "20" << "";
    QTest::newRow("80") << "80" << "";
    QTest::newRow("85") << "85" << "Grade 85 lies outside";
}

void TestBasis::lawRangeNote()
{
    QFETCH(QString, grade);
    QFETCH(QString, note);
    // The window starts at grade 20, without a note.
    QCOMPARE(form->cbb1->toolTip(), QString());
    TypeGrade(grade);
    QVERIFY2(note.isEmpty() ? form->cbb1->toolTip().isEmpty()
                            : form->cbb1->toolTip().startsWith(note),
             qPrintable(form->cbb1->toolTip()));
    // Quiet: no box, and the fields are filled as for any grade.
    QVERIFY(platform->messages.isEmpty());
    QVERIFY(form->edt1->text().startsWith(QStringLiteral("Con_") + grade));
    // It goes with the next grade inside the range.
    TypeGrade(QStringLiteral("30"));
    QCOMPARE(form->cbb1->toolTip(), QString());
}

void TestBasis::CreateOnEveryBasis()
{
    TypeGrade(QStringLiteral("30"));
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    QVERIFY(ChooseMean(*form, [](TCvDialog& d) { Answer(d, QStringLiteral("0.1")); }));
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    form->Design1->trigger();
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    QCOMPARE(form->concretes.size(), std::size_t(3));
}

void TestBasis::libraryKeepsEveryBasis()
{
    CreateOnEveryBasis();
    const auto rows = [this] {
        QStringList texts;
        for (int i = 0; i < form->lst1->Count(); ++i)
            texts << form->lst1->ItemText(i) + " | " + form->lst1->item(i)->toolTip();
        return texts;
    };
    const QStringList before = rows();
    QCOMPARE(before, QStringList({"Con_30 | Characteristic values (fc,k, ft,k)",
                                  "Con_30m | Mean values (fcm, ftm), \u03B4c = 0.1",
                                  "Con_30d | Design values (fc, ft)"}));
    const std::string csv = BuildConcreteCsv(form->concretes, '.');

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bases.json"));
    platform->saveAnswers = {path};
    form->SaveLibraryAs1->trigger();
    QVERIFY(platform->messages.isEmpty());

    form = NewWindow();
    platform->openAnswers = {path};
    form->OpenLibrary1->trigger();
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    QCOMPARE(rows(), before);
    QCOMPARE(BuildConcreteCsv(form->concretes, '.'), csv);
    QCOMPARE(form->concretes.at(1).basis, StrengthBasis::Mean);
    QCOMPARE(form->concretes.at(1).cv, 0.1);
    QCOMPARE(form->concretes.at(2).basis, StrengthBasis::Design);
    // Opening a library leaves the window's own basis alone.
    QCOMPARE(form->Basis(), StrengthBasis::Characteristic);
}

void TestBasis::exportPreviewSaysTheBasis()
{
    CreateOnEveryBasis();
    for (auto solver : {SolverExportDialog::Solver::Abaqus, SolverExportDialog::Solver::OpenSees}) {
        std::vector<SolverExportDialog::Entry> entries;
        for (const auto& concrete : form->concretes)
            entries.push_back({concrete.get(), true});
        SolverExportDialog dialog(solver, entries, form.get());
        QStringList seen;
        for (int row = 0; row < 3; ++row) {
            dialog.concreteList->setCurrentRow(row);
            seen << dialog.basisLabel->text();
        }
        QCOMPARE(seen, QStringList({"Con_30: Characteristic values (fc,k, ft,k)",
                                    "Con_30m: Mean values (fcm, ftm), \u03B4c = 0.1",
                                    "Con_30d: Design values (fc, ft)"}));
    }
}

QTEST_MAIN(TestBasis)
#include "tst_basis.moc"
