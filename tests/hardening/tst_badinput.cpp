// Hostile and malformed text in every field of the definition, entered through the real window
// (pasted, as a user would bring in a tab, full-width digits or ten thousand characters) and
// followed by a click on Create Concrete. Each text must draw the one warning that validation
// gives for it, with the focus on the field, and create nothing; or, where validation accepts
// the text, create exactly one concrete.

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "platform/CheckList.h"
#include "support/FakePlatform.h"

namespace {

struct NumberField {
    const char* name;
    QLineEdit* TForm1::*field;
    const char* notPositive;
    const char* valid;  // a value that passes, written with a point
};

// In the order validation reads them.
const NumberField kFields[] = {
    {"edt2", &TForm1::edt2, "Ec must be postive.", "30000"},
    {"edt3", &TForm1::edt3, "Axial Compression Strength must be postive.", "20.1"},
    {"edt8", &TForm1::edt8, "Axial Tension Strength must be postive.", "2.01"},
    {"edt4", &TForm1::edt4, "Peak Compression Strain must be postive.", "1471"},
    {"edt7", &TForm1::edt7, "Peak Tesnsion Strain must be postive.", "95"},
    {"edt5", &TForm1::edt5, "Shape parameter must be postive.", "0.75"},
    {"edt6", &TForm1::edt6, "Shape parameter must be postive.", "1.26"},
    {"edt10", &TForm1::edt10, "Peak Tesnsion Strain must be postive.", "700"},
    {"edt9", &TForm1::edt9, "Peak Tesnsion Strain must be postive.", "0.016"},
};

QString WithSeparator(const char* text, QChar separator)
{
    return QString::fromLatin1(text).replace(QLatin1Char('.'), separator);
}

QString NotANumber(const QString& text)
{
    return QLatin1Char('"') + text + QStringLiteral("\" is not a valid floating number!");
}

enum class Outcome { Refused, Created };

}  // namespace

Q_DECLARE_METATYPE(Outcome)

class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void numberFields_data();
    void numberFields();
    void veryLongName();

private:
    void PasteInto(QLineEdit* field, const QString& text);
    void FillValidDefinition(QChar separator);
    void CheckNothingCreated();

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestBadInput::init()
{
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestBadInput::cleanup()
{
    form.reset();
    platform.reset();
}

// Selects the field's text and pastes over it: tabs and long texts arrive the way a user brings
// them in, in one change of the text.
void TestBadInput::PasteInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }
    // The strength fields drop blanks and control characters at their ends as they change.
    if (field != form->edt3 && field != form->edt8)
        QCOMPARE(field->text(), text);
}

// A definition that passes, entered field by field; the strengths first, since changing them
// fills the strain and shape fields that follow from them.
void TestBadInput::FillValidDefinition(QChar separator)
{
    form->SetDecimalSeparator(separator.toLatin1());
    PasteInto(form->edt1, QStringLiteral("Bad"));
    PasteInto(form->edt3, WithSeparator("20.1", separator));
    PasteInto(form->edt8, WithSeparator("2.01", separator));
    for (const NumberField& f : kFields)
        PasteInto(form.get()->*f.field, WithSeparator(f.valid, separator));
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
}

void TestBadInput::CheckNothingCreated()
{
    QVERIFY(form->concretes.empty());
    QCOMPARE(form->lst1->Count(), 0);
    QCOMPARE(form->cht1->SeriesCount(), 0);
    QCOMPARE(form->cht2->SeriesCount(), 0);
}

void TestBadInput::numberFields_data()
{
    QTest::addColumn<int>("fieldIndex");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("shown");    // the field's text after validation
    QTest::addColumn<QString>("message");  // for a refusal

    const QString tenThousandNines(10000, QLatin1Char('9'));
    for (int i = 0; i < int(std::size(kFields)); ++i) {
        const NumberField& f = kFields[i];
        const QString valid = QString::fromLatin1(f.valid);
        const QString positive = QString::fromLatin1(f.notPositive);
        const auto row = [&](const char* what) -> QTestData& {
            return QTest::addRow("%s %s", f.name, what) << i;
        };
        const auto notANumber = [&](const char* what, const QString& separator, const QString& text,
                                    const QString& shown) {
            row(what) << separator << text << Outcome::Refused << shown << NotANumber(shown);
        };

        notANumber("empty", ".", "", "");
        notANumber("blanks", ".", "   ", "");
        notANumber("minus", ".", "-", "-");
        notANumber("plus", ".", "+", "+");
        notANumber("beyond double", ".", "1e400", "1e400");
        notANumber("nan", ".", "nan", "nan");
        notANumber("inf", ".", "inf", "inf");
        notANumber("hexadecimal", ".", "0x10", "0x10");
        notANumber("comma under point", ".", "1,5", "1,5");
        notANumber("point under comma", ",", "1.5", "1.5");
        notANumber("full-width digits", ".", QStringLiteral("\uFF11\uFF12"), QStringLiteral("\uFF11\uFF12"));
        notANumber("10,000 nines", ".", tenThousandNines, tenThousandNines);

        // A lone separator reads as zero, which is not positive.
        row("lone point") << "." << "." << Outcome::Refused << "." << positive;
        row("lone comma under comma") << "," << "," << Outcome::Refused << "," << positive;

        // Validation trims characters up to code 32 from both ends, a tab included.
        row("tab before") << "." << "\t" + valid << Outcome::Created << valid << QString();
        row("line break after") << "." << valid + "\n" << Outcome::Created << valid << QString();
        // Ten thousand digits that still make an ordinary number.
        const QString padded = QString(10000 - valid.size(), QLatin1Char('0')) + valid;
        row("10,000 digits") << "." << padded << Outcome::Created << padded << QString();
    }
}

void TestBadInput::numberFields()
{
    QFETCH(int, fieldIndex);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(QString, shown);
    QFETCH(QString, message);

    FillValidDefinition(separator.at(0));
    QLineEdit* field = form.get()->*kFields[fieldIndex].field;
    PasteInto(field, text);
    // A strength field judges its text as it changes; only the click is under test here.
    platform->Clear();

    QTest::mouseClick(form->btn1, Qt::LeftButton);

    QCOMPARE(field->text(), shown);
    if (outcome == Outcome::Created) {
        QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
        QCOMPARE(form->concretes.size(), std::size_t(1));
        QCOMPARE(form->lst1->Count(), 1);
        QCOMPARE(form->cht1->SeriesCount(), 1);
        QCOMPARE(form->cht2->SeriesCount(), 1);
        return;
    }
    QCOMPARE(platform->Texts(), QStringList{message});
    QCOMPARE(platform->messages.constFirst().kind, Platform::MsgKind::Warning);
    QCOMPARE(platform->messages.constFirst().caption, QStringLiteral("Warning"));
    QCOMPARE(form->focusWidget(), field);
    QCOMPARE(field->selectedText(), field->text());
    CheckNothingCreated();
}

void TestBadInput::veryLongName()
{
    FillValidDefinition(QLatin1Char('.'));
    const QString name(10000, QLatin1Char('N'));
    PasteInto(form->edt1, name);

    QTest::mouseClick(form->btn1, Qt::LeftButton);

    QCOMPARE(platform->Texts(), QStringList{QStringLiteral("Concrete Name must be less than 20 letters.")});
    QCOMPARE(platform->messages.constFirst().kind, Platform::MsgKind::Warning);
    QCOMPARE(form->focusWidget(), form->edt1);
    QCOMPARE(form->edt1->text(), name);
    CheckNothingCreated();
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
