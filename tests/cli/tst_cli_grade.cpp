// A concrete named by its grade on the command line is the concrete that picking the grade in
// the window and pressing Create Concrete makes: same field texts, same values, same CSV bytes.

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "app/Unit1.h"
#include "model/GradeFields.h"
#include "model/NumberText.h"
#include "support/FakePlatform.h"

namespace {

QStringList WindowTexts(const TForm1& form)
{
    return {form.edt1->text(), form.edt2->text(), form.edt3->text(), form.edt8->text(),
            form.edt4->text(), form.edt7->text(), form.edt5->text(), form.edt6->text(),
            form.edt9->text(), form.edt10->text()};
}

QStringList Texts(const DefinitionTexts& t)
{
    QStringList list;
    for (const std::string* text : {&t.name, &t.Ec, &t.fck, &t.ftk, &t.eck, &t.etk, &t.ac, &t.at,
                                    &t.ecmax, &t.etmax})
        list << QString::fromStdString(*text);
    return list;
}

}  // namespace

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
    QStringList grades;
    for (int grade = 15; grade <= 80; grade += 5)
        grades << QString::number(grade);
    grades << QStringLiteral("22.5") << QStringLiteral("12.5") << QStringLiteral("5")
           << QStringLiteral("85") << QStringLiteral("0.5");
    for (char separator : {'.', ','})
        for (const QString& grade : grades)
            QTest::addRow("%s '%c'", qPrintable(grade), separator)
                << QString(grade).replace(QLatin1Char('.'), QLatin1Char(separator)) << separator;
}

void TestCliGrade::sameAsWindow()
{
    QFETCH(QString, grade);
    QFETCH(char, separator);

    FakePlatform platform;
    TForm1 form;
    form.SetDecimalSeparator(separator);
    // As the window starts under a locale with this separator.
    form.edt9->setText(QString::fromStdString(FormatFloat("0.000", 0.016, separator)));
    // The grade box starts at "20", and only a change of its text fills the fields.
    form.cbb1->setEditText(grade == QLatin1String("15") ? QStringLiteral("20") : QStringLiteral("15"));
    platform.Clear();
    form.cbb1->setEditText(grade);

    const double value = StrToFloat(grade.toStdString(), separator);
    QCOMPARE(Texts(GradeDefinitionTexts(value, separator)), WindowTexts(form));
}

QTEST_MAIN(TestCliGrade)
#include "tst_cli_grade.moc"
