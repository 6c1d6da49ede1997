// Validation of the definition: the window is filled by picking grade 20, then some fields are
// overwritten the way a user would paste into them, and ValidateDefinition reads the result.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "concretewindow/Unit1.h"
#include "support/FakePlatform.h"

using FieldTexts = QList<std::pair<QString, QString>>;
Q_DECLARE_METATYPE(FieldTexts)

namespace {

// Marks a member that validation did not write.
constexpr double kUntouched = -12345;
const std::string kUntouchedName = "previous";

struct Member {
    const char* name;
    double TForm1::*member;
    double gradeTwenty;  // stored for grade 20 with the default end strains
};

// In the order validation reads their fields.
const Member kMembers[] = {
    {"Ec", &TForm1::Ec, 25413},        {"fck", &TForm1::fck, 13.4},
    {"ftk", &TForm1::ftk, 1.54},       {"eck", &TForm1::eck, 0.001329059},
    {"etk", &TForm1::etk, 0.000082068}, {"ac", &TForm1::ac, 0.297},
    {"at", &TForm1::at, 0.74},         {"etmax", &TForm1::etmax, 0.0007},
    {"ecmax", &TForm1::ecmax, 0.016},
};

// What a validation stored: the name (unless absent) and the first `count` members of grade 20,
// with some values replaced.
QVariantMap Stored(int count, const QString& name = QStringLiteral("Con_20"),
                   const QVariantMap& replaced = {})
{
    QVariantMap stored;
    if (!name.isNull())
        stored.insert(QStringLiteral("ConcreteName"), name);
    for (int i = 0; i < count; ++i)
        stored.insert(QLatin1String(kMembers[i].name), kMembers[i].gradeTwenty);
    for (auto it = replaced.begin(); it != replaced.end(); ++it)
        stored.insert(it.key(), it.value());
    return stored;
}

QVariantMap StoredNothing()
{
    return Stored(0, QString());
}

QString NotANumber(const QString& text)
{
    return QLatin1Char('"') + text + QStringLiteral("\" is not a valid floating number!");
}

}  // namespace

class TestValidation : public QObject {
    Q_OBJECT

private slots:
    void validation_data();
    void validation();
};

void TestValidation::validation_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<FieldTexts>("typed");      // pasted over the grade 20 texts, in this order
    QTest::addColumn<QString>("message");       // empty: validation passes
    QTest::addColumn<QString>("focus");
    QTest::addColumn<FieldTexts>("shown");      // field texts afterwards
    QTest::addColumn<QVariantMap>("stored");    // members written; the others keep their values

    const QString point = QStringLiteral(".");
    const QString nameTooLong = QStringLiteral("Concrete Name must be less than 20 letters.");
    const QString noName = QStringLiteral("Please Input Concrete Name.");

    QTest::newRow("grade 20 with default end strains")
        << point << FieldTexts{} << QString() << QString()
        << FieldTexts{{"edt1", "Con_20"}, {"edt4", "1329.059"}, {"edt10", "700"}} << Stored(9);

    // The name.
    QTest::newRow("name of 19 ASCII bytes")
        << point << FieldTexts{{"edt1", "ABCDEFGHIJKLMNOPQRS"}} << QString() << QString()
        << FieldTexts{} << Stored(9, "ABCDEFGHIJKLMNOPQRS");
    QTest::newRow("name of 20 ASCII bytes")
        << point << FieldTexts{{"edt1", "ABCDEFGHIJKLMNOPQRST"}} << nameTooLong << "edt1"
        << FieldTexts{{"edt1", "ABCDEFGHIJKLMNOPQRST"}} << StoredNothing();
    QTest::newRow("6 CJK characters, 18 bytes")
        << point << FieldTexts{{"edt1", "混凝土强度等"}} << QString() << QString() << FieldTexts{}
        << Stored(9, "混凝土强度等");
    QTest::newRow("7 CJK characters, 21 bytes")
        << point << FieldTexts{{"edt1", "混凝土强度等级"}} << nameTooLong << "edt1" << FieldTexts{}
        << StoredNothing();
    QTest::newRow("9 characters, 19 bytes")
        << point << FieldTexts{{"edt1", "Con_混凝土强度"}} << QString() << QString() << FieldTexts{}
        << Stored(9, "Con_混凝土强度");
    QTest::newRow("10 characters, 20 bytes")
        << point << FieldTexts{{"edt1", "Con1_混凝土强度"}} << nameTooLong << "edt1"
        << FieldTexts{} << StoredNothing();
    QTest::newRow("long name with blanks around")
        << point << FieldTexts{{"edt1", "   ABCDEFGHIJKLMNOPQRS   "}} << QString() << QString()
        << FieldTexts{{"edt1", "ABCDEFGHIJKLMNOPQRS"}} << Stored(9, "ABCDEFGHIJKLMNOPQRS");
    QTest::newRow("name with blanks around")
        << point << FieldTexts{{"edt1", "  Con_30  "}} << QString() << QString()
        << FieldTexts{{"edt1", "Con_30"}} << Stored(9, "Con_30");
    QTest::newRow("name with control characters around")
        << point << FieldTexts{{"edt1", "\x01\tCon_30\x1f"}} << QString() << QString()
        << FieldTexts{{"edt1", "Con_30"}} << Stored(9, "Con_30");
    QTest::newRow("no-break spaces are part of the name")
        << point << FieldTexts{{"edt1", "\u00a0Con\u00a0"}} << QString() << QString()
        << FieldTexts{{"edt1", "\u00a0Con\u00a0"}} << Stored(9, "\u00a0Con\u00a0");
    QTest::newRow("name of blanks")
        << point << FieldTexts{{"edt1", "   "}} << noName << "edt1" << FieldTexts{{"edt1", ""}}
        << StoredNothing();
    QTest::newRow("empty name")
        << point << FieldTexts{{"edt1", ""}} << noName << "edt1" << FieldTexts{}
        << StoredNothing();

    // Each numeric field, in the order validation reads them: a text that is no number, and a
    // value that is not positive. The fields before it were stored, the ones after it not.
    struct Row {
        const char* field;
        const char* notPositive;
        const char* zero;
    };
    const Row rows[] = {
        {"edt2", "Ec must be postive.", "0"},
        {"edt3", "Axial Compression Strength must be postive.", "0"},
        {"edt8", "Axial Tension Strength must be postive.", "-0.5"},
        {"edt4", "Peak Compression Strain must be postive.", "0"},
        {"edt7", "Peak Tesnsion Strain must be postive.", "0"},
        {"edt5", "Shape parameter must be postive.", "0"},
        {"edt6", "Shape parameter must be postive.", "-5"},
        {"edt10", "Peak Tesnsion Strain must be postive.", "0"},
        {"edt9", "Peak Tesnsion Strain must be postive.", "-1"},
    };
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const QString field = QLatin1String(rows[i].field);
        QTest::addRow("%s not a number", rows[i].field)
            << point << FieldTexts{{field, "1,5"}} << NotANumber("1,5") << field
            << FieldTexts{{field, "1,5"}} << Stored(i);
        QTest::addRow("%s not positive", rows[i].field)
            << point << FieldTexts{{field, rows[i].zero}} << QString::fromUtf8(rows[i].notPositive)
            << field << FieldTexts{{field, rows[i].zero}} << Stored(i);
    }
    QTest::newRow("empty Ec, as right after start")
        << point << FieldTexts{{"edt2", ""}} << NotANumber("") << "edt2" << FieldTexts{}
        << Stored(0);
    QTest::newRow("blanks only become empty")
        << point << FieldTexts{{"edt7", " \t "}} << NotANumber("") << "edt7"
        << FieldTexts{{"edt7", ""}} << Stored(4);
    QTest::newRow("no-break space is not trimmed")
        << point << FieldTexts{{"edt5", "0.297\u00a0"}} << NotANumber("0.297\u00a0") << "edt5"
        << FieldTexts{{"edt5", "0.297\u00a0"}} << Stored(5);

    // Only the first bad field in the reading order is reported.
    QTest::newRow("empty at, zero Ec")
        << point << FieldTexts{{"edt6", ""}, {"edt2", "0"}} << "Ec must be postive." << "edt2"
        << FieldTexts{{"edt6", ""}} << Stored(0);
    QTest::newRow("tension strength before compression strain")
        << point << FieldTexts{{"edt4", "0"}, {"edt8", "0"}}
        << "Axial Tension Strength must be postive." << "edt8" << FieldTexts{} << Stored(2);
    QTest::newRow("tension end strain before compression end strain")
        << point << FieldTexts{{"edt9", "x"}, {"edt10", "0"}}
        << "Peak Tesnsion Strain must be postive." << "edt10" << FieldTexts{} << Stored(7);
    QTest::newRow("trimmed up to the failure, untouched after it")
        << point << FieldTexts{{"edt2", " 25413 "}, {"edt7", "0 "}, {"edt9", " 0.016 "}}
        << "Peak Tesnsion Strain must be postive." << "edt7"
        << FieldTexts{{"edt2", "25413"}, {"edt7", "0"}, {"edt9", " 0.016 "}} << Stored(4);

    // Values as read.
    QTest::newRow("1e3 in the tension end strain")
        << point << FieldTexts{{"edt10", "1e3"}} << QString() << QString()
        << FieldTexts{{"edt10", "1e3"}} << Stored(9, "Con_20", {{"etmax", 0.001}});
    QTest::newRow("tension end strain with blanks")
        << point << FieldTexts{{"edt10", " 700 "}} << QString() << QString()
        << FieldTexts{{"edt10", "700"}} << Stored(9);
    QTest::newRow("every field with blanks and tabs")
        << point
        << FieldTexts{{"edt1", " Con_20\t"}, {"edt2", "\t25413 "}, {"edt4", " 1329.059"},
                      {"edt7", "82.068\t"}, {"edt5", " 0.297 "}, {"edt6", "  0.740"},
                      {"edt10", "700 "}, {"edt9", "\t0.016\t"}}
        << QString() << QString()
        << FieldTexts{{"edt1", "Con_20"}, {"edt2", "25413"}, {"edt4", "1329.059"},
                      {"edt7", "82.068"}, {"edt5", "0.297"}, {"edt6", "0.740"},
                      {"edt10", "700"}, {"edt9", "0.016"}}
        << Stored(9);

    // Under a comma separator the fields show commas and a point is refused.
    const QString comma = QStringLiteral(",");
    QTest::newRow("comma: 13,4 accepted")
        << comma << FieldTexts{{"edt9", "0,016"}} << QString() << QString()
        << FieldTexts{{"edt3", "13,4"}, {"edt8", "1,540"}} << Stored(9);
    QTest::newRow("comma: 1e3 with comma accepted")
        << comma << FieldTexts{{"edt9", "0,016"}, {"edt10", "0,7e3"}} << QString() << QString()
        << FieldTexts{} << Stored(9);
    QTest::newRow("comma: 13.4 refused")
        << comma << FieldTexts{{"edt3", "13.4"}} << NotANumber("13.4") << "edt3" << FieldTexts{}
        << Stored(1);
}

void TestValidation::validation()
{
    QFETCH(QString, separator);
    QFETCH(FieldTexts, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(FieldTexts, shown);
    QFETCH(QVariantMap, stored);

    FakePlatform platform;
    TForm1 form;
    form.SetDecimalSeparator(separator.at(0).toLatin1());
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    // Pick grade 20 from the list: step to 15 and back.
    form.cbb1->setFocus();
    QTest::keyClick(form.cbb1, Qt::Key_Up);
    QTest::keyClick(form.cbb1, Qt::Key_Down);
    QCOMPARE(form.edt4->text(), QStringLiteral("1329") + separator + QStringLiteral("059"));
    auto field = [&](const QString& name) {
        auto* edit = form.findChild<QLineEdit*>(name);
        if (!edit)
            qFatal("no field %s", qPrintable(name));
        return edit;
    };
    for (const auto& [name, text] : typed) {
        QLineEdit* edit = field(name);
        edit->selectAll();
        edit->insert(text);
    }
    platform.Clear();
    form.ConcreteName = kUntouchedName;
    for (const Member& member : kMembers)
        form.*member.member = kUntouched;
    form.btn1->setFocus();

    const bool valid = form.ValidateDefinition();

    QCOMPARE(valid, message.isEmpty());
    if (valid) {
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(form.focusWidget(), form.btn1);
    } else {
        QCOMPARE(platform.Texts(), QStringList{message});
        QCOMPARE(platform.messages.constFirst().kind, Platform::MsgKind::Warning);
        QCOMPARE(platform.messages.constFirst().caption, QStringLiteral("Warning"));
        QVERIFY(form.focusWidget());
        QCOMPARE(form.focusWidget()->objectName(), focus);
        QLineEdit* edit = field(focus);
        QCOMPARE(edit->selectedText(), edit->text());
    }
    for (const auto& [name, text] : shown)
        QCOMPARE(field(name)->text(), text);

    QCOMPARE(QString::fromStdString(form.ConcreteName),
             stored.value(QStringLiteral("ConcreteName"), QString::fromStdString(kUntouchedName))
                 .toString());
    for (const Member& member : kMembers) {
        const double expected = stored.value(QLatin1String(member.name), kUntouched).toDouble();
        if (form.*member.member != expected)
            QFAIL(qPrintable(QStringLiteral("%1 is %2, expected %3")
                                 .arg(QLatin1String(member.name))
                                 .arg(form.*member.member, 0, 'g', 17)
                                 .arg(expected, 0, 'g', 17)));
    }
}

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"
