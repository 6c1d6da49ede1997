// A concrete named by its grade on the command line is the concrete that picking the grade in
// the window and pressing Create Concrete makes: same field texts, same values, same CSV bytes.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "concretewindow/Unit1.h"
#include "dialogs/Basis.h"
#include "formats/CsvExport.h"
#include "model/Concrete.h"
#include "model/GradeFields.h"
#include "model/NumberText.h"
#include "model/Registry.h"
#include "platform/FieldText.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"

namespace {

QStringList WindowTexts(const TForm1& form)
{
    return {form.edt1->text(), form.edt2->text(), form.edt3->text(), form.edt8->text(),
            form.edt4->text(), form.edt7->text(), form.edt5->text(), form.edt6->text(),
            form.edt9->text(), form.edt10->text()};
}

// Every member, the derived constants included, as exact doubles.
QList<double> Numbers(const CConcrete& c)
{
    return {c.Ec, c.fck, c.eck, c.rhoc, c.nc, c.ac, c.ecmax, c.ftk, c.etk, c.rhot, c.at, c.etmax};
}

QStringList Texts(const DefinitionTexts& t)
{
    QStringList list;
    for (const std::string* text : {&t.name, &t.Ec, &t.fck, &t.ftk, &t.eck, &t.etk, &t.ac, &t.at,
                                    &t.ecmax, &t.etmax})
        list << QString::fromStdString(*text);
    return list;
}

// Chooses the basis in the window's Basis menu, answering the δc question for mean values.
void ChooseBasis(TForm1& form, StrengthBasis basis, double cv)
{
    if (basis == StrengthBasis::Design)
        form.Design1->trigger();
    if (basis != StrengthBasis::Mean)
        return;
    AnswerModal<TCvDialog>(form.Mean1, [&](TCvDialog& dialog) {
        dialog.edt1->setText(CoefficientText(cv, form.DecimalSeparator()));
        QTest::mouseClick(dialog.btn1, Qt::LeftButton);
    });
}

}  // namespace

Q_DECLARE_METATYPE(StrengthBasis)

class TestCliGrade : public QObject {
    Q_OBJECT

private slots:
    void sameAsWindow_data();
    void sameAsWindow();
};

void TestCliGrade::sameAsWindow_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<char>("separator");
    QTest::addColumn<StrengthBasis>("basis");
    QTest::addColumn<double>("cv");
    QStringList grades;
    for (int grade = 15; grade <= 80; grade += 5)
        grades << QString::number(grade);
    grades << QStringLiteral("22.5") << QStringLiteral("12.5") << QStringLiteral("5")
           << QStringLiteral("85") << QStringLiteral("0.5");
    for (char separator : {'.', ','})
        for (const QString& grade : grades)
            QTest::addRow("%s '%c'", qPrintable(grade), separator)
                << QString(grade).replace(QLatin1Char('.'), QLatin1Char(separator)) << separator
                << StrengthBasis::Characteristic << 0.0;
    // The other bases, at the ends of the tables, between grades and beyond them.
    for (char separator : {'.', ','})
        for (const char* grade : {"15", "30", "80", "22.5", "12.5", "85"})
            for (auto [basis, cv] : {std::pair{StrengthBasis::Mean, 0.125},
                                     {StrengthBasis::Design, 0.0}})
                QTest::addRow("%s '%c' %s", grade, separator, BasisKey(basis))
                    << QString::fromLatin1(grade).replace(QLatin1Char('.'),
                                                          QLatin1Char(separator))
                    << separator << basis << cv;
}

void TestCliGrade::sameAsWindow()
{
    QFETCH(QString, grade);
    QFETCH(char, separator);
    QFETCH(StrengthBasis, basis);
    QFETCH(double, cv);

    FakePlatform platform;
    TForm1 form;
    form.SetDecimalSeparator(separator);
    ChooseBasis(form, basis, cv);
    QCOMPARE(form.Basis(), basis);
    // As the window starts under a locale with this separator.
    form.edt9->setText(QString::fromStdString(FormatFloat("0.000", 0.016, separator)));
    // The grade box starts at "20", and only a change of its text fills the fields.
    form.cbb1->setEditText(grade == QLatin1String("15") ? QStringLiteral("20") : QStringLiteral("15"));
    platform.Clear();
    form.cbb1->setEditText(grade);

    const double value = StrToFloat(grade.toStdString(), separator);
    QCOMPARE(Texts(GradeDefinitionTexts(value, separator, basis, cv)), WindowTexts(form));

    // Create Concrete, in the window and from the grade alone.
    QTest::mouseClick(form.btn1, Qt::LeftButton);
    const GradeDefinitionResult made = GradeDefinition(value, separator, basis, cv);
    if (made.refusal) {
        QCOMPARE(form.concretes.size(), std::size_t(0));
        QCOMPARE(platform.Texts(), QStringList{QString::fromStdString(made.refusal->message)});
        return;
    }
    QVERIFY2(platform.Texts().isEmpty(), qPrintable(platform.Texts().join('|')));
    QCOMPARE(form.concretes.size(), std::size_t(1));
    const CConcrete& window = form.concretes.at(0);
    const Definition& d = made.definition;
    const CConcrete cli(d.name, d.Ec, d.fck, d.ftk, d.ac, d.at, d.eck, d.etk, d.ecmax, d.etmax);
    QCOMPARE(cli.ConcreteName, window.ConcreteName);
    QCOMPARE(Numbers(cli), Numbers(window));
    QCOMPARE(d.basis, window.basis);
    QCOMPARE(d.cv, window.cv);

    ConcreteRegistry registry;
    registry.Add(std::make_unique<CConcrete>(cli));
    QCOMPARE(QByteArray::fromStdString(BuildConcreteCsv(registry, separator)),
             QByteArray::fromStdString(BuildConcreteCsv(form.concretes, separator)));
}

QTEST_MAIN(TestCliGrade)
#include "tst_cli_grade.moc"
