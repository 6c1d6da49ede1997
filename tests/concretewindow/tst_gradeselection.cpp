// Grade selection and the two strength fields, driven through the real window as a user would:
// keystrokes, pastes and picks from the grade list, with the boxes answered by FakePlatform.

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QtTest>
#include <memory>

#include "concretewindow/Unit1.h"
#include "dialogs/Basis.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"

namespace {

// The fields in the order of the grade table's columns: name, Ec, fc,k, ft,k, εc,k, αc, εt,k, αt.
QStringList GradeFields(const TForm1& form)
{
    return {form.edt1->text(), form.edt2->text(), form.edt3->text(), form.edt8->text(),
            form.edt4->text(), form.edt5->text(), form.edt7->text(), form.edt6->text()};
}

// Every text of the definition group, to show that a refused input changed nothing.
QStringList AllFields(const TForm1& form)
{
    return GradeFields(form) + QStringList{form.cbb1->currentText(), form.edt9->text(),
                                           form.edt10->text()};
}

}  // namespace

class TestGradeSelection : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typingGradeFillsFieldsAtEveryKeystroke();
    void everyListedGrade_data();
    void everyListedGrade();
    void pickingFromListReplacesTypedName();
    void strengthWritesRunNestedBeforeUnroundedValues();
    void gradeTextIsReadUntrimmed_data();
    void gradeTextIsReadUntrimmed();
    void refusedGradeChangesNothing_data();
    void refusedGradeChangesNothing();
    void overflowingGradeRefusedAtOnce_data();
    void overflowingGradeRefusedAtOnce();
    void tinyGradeEndsWithFocusOnCompressionStrength();
    void typingStrength_data();
    void typingStrength();
    void refusedStrength_data();
    void refusedStrength();
    void blanksTypedAtTheEndsVanish();
    void writingFieldRaisesHandlerOnlyOnChange();
    void handEditedValuesRaiseNothing();
    void commaSeparator();
    void typingOnThroughRefusals_data();
    void typingOnThroughRefusals();
    void refusalOnButtonSelectsWholeText();

private:
    void PickItem(int index);
    void TypeInto(QWidget* field, const QString& text);
    void PasteInto(QWidget* field, const QString& text);
    // How a refused field is left: its whole text selected (the focus came from elsewhere), or
    // as it was typed, caret at its end (the refusal came from the field being typed in).
    enum class Left { Selected, AsTyped };
    void CheckWarning(const QString& text, QWidget* focus, Left left);

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestGradeSelection::init()
{
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->SetDecimalSeparator('.');
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestGradeSelection::cleanup()
{
    form.reset();
    platform.reset();
}

// Chooses a grade with the arrow keys, the way a user steps through the list.
void TestGradeSelection::PickItem(int index)
{
    form->cbb1->setFocus();
    while (form->cbb1->currentIndex() > index)
        QTest::keyClick(form->cbb1, Qt::Key_Up);
    while (form->cbb1->currentIndex() < index)
        QTest::keyClick(form->cbb1, Qt::Key_Down);
    QCOMPARE(form->cbb1->currentIndex(), index);
}

// Selects the field's text and types over it key by key.
void TestGradeSelection::TypeInto(QWidget* field, const QString& text)
{
    QLineEdit* edit = field == form->cbb1 ? form->cbb1->lineEdit() : qobject_cast<QLineEdit*>(field);
    field->setFocus();
    edit->selectAll();
    QTest::keyClicks(field, text);
}

// Selects the field's text and pastes over it: one change of the text.
void TestGradeSelection::PasteInto(QWidget* field, const QString& text)
{
    QLineEdit* edit = field == form->cbb1 ? form->cbb1->lineEdit() : qobject_cast<QLineEdit*>(field);
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    edit->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// One warning box with this text, then the focus on the field.
void TestGradeSelection::CheckWarning(const QString& text, QWidget* focus, Left left)
{
    QCOMPARE(platform->Texts(), QStringList{text});
    QCOMPARE(platform->messages.constFirst().kind, Platform::MsgKind::Warning);
    QCOMPARE(platform->messages.constFirst().caption, QStringLiteral("Warning"));
    QCOMPARE(form->focusWidget(), focus);
    QLineEdit* edit = focus == form->cbb1 ? form->cbb1->lineEdit() : qobject_cast<QLineEdit*>(focus);
    if (left == Left::Selected) {
        QCOMPARE(edit->selectedText(), edit->text());
    } else {
        QVERIFY(!edit->hasSelectedText());
        QCOMPARE(edit->cursorPosition(), edit->text().size());
    }
}

void TestGradeSelection::typingGradeFillsFieldsAtEveryKeystroke()
{
    const QList<std::pair<QString, QStringList>> steps = {
        {"2", {"Con_2", "5115", "1.3", "0.409", "898.926", "-0.708", "40.132", "0.052"}},
        {"22", {"Con_22", "26474", "14.7", "1.636", "1359.763", "0.391", "84.792", "0.835"}},
        {"22.", {"Con_22", "26474", "14.7", "1.636", "1359.763", "0.391", "84.792", "0.835"}},
        {"22.5",
         {"Con_22.5", "26722", "15.0", "1.660", "1367.218", "0.414", "85.462", "0.860"}},
    };
    form->cbb1->setFocus();
    form->cbb1->lineEdit()->selectAll();
    for (const auto& [shown, fields] : steps) {
        QTest::keyClick(form->cbb1, shown.back().toLatin1());
        // No inline completion: the box shows what was typed, not "20" after "2".
        QCOMPARE(form->cbb1->currentText(), shown);
        QCOMPARE(GradeFields(*form), fields);
    }
    QVERIFY(platform->messages.isEmpty());
}

void TestGradeSelection::everyListedGrade_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("fields");
    const QList<QStringList> table = {
        {"Con_15", "22157", "10.0", "1.270", "1244.781", "0.054", "73.955", "0.503"},
        {"Con_20", "25413", "13.4", "1.540", "1329.059", "0.297", "82.068", "0.740"},
        {"Con_25", "27871", "16.7", "1.780", "1403.310", "0.528", "88.744", "0.989"},
        {"Con_30", "29791", "20.1", "2.010", "1470.437", "0.748", "94.763", "1.261"},
        {"Con_35", "31334", "23.4", "2.200", "1532.167", "0.961", "99.500", "1.510"},
        {"Con_40", "32600", "26.8", "2.390", "1589.624", "1.167", "104.051", "1.782"},
        {"Con_45", "33657", "29.6", "2.510", "1635.891", "1.339", "106.841", "1.966"},
        {"Con_50", "34554", "32.4", "2.640", "1678.334", "1.500", "109.794", "2.175"},
        {"Con_55", "35324", "35.5", "2.740", "1724.103", "1.679", "112.021", "2.342"},
        {"Con_60", "35993", "38.5", "2.850", "1767.330", "1.853", "114.427", "2.534"},
        {"Con_65", "36579", "41.5", "2.930", "1808.252", "2.021", "116.151", "2.678"},
        {"Con_70", "37096", "44.5", "2.990", "1847.063", "2.183", "117.429", "2.789"},
        {"Con_75", "37556", "47.4", "3.050", "1883.916", "2.340", "118.696", "2.902"},
        {"Con_80", "37969", "50.2", "3.110", "1918.937", "2.492", "119.951", "3.018"},
    };
    for (int index = 0; index < table.size(); ++index)
        QTest::newRow(qPrintable(table[index][0])) << index << table[index];
}

void TestGradeSelection::everyListedGrade()
{
    QFETCH(int, index);
    QFETCH(QStringList, fields);
    // Step away first, so that the start item "20" is picked as a change too.
    PickItem(index == 0 ? 1 : 0);
    PickItem(index);
    QCOMPARE(GradeFields(*form), fields);
    QVERIFY(platform->messages.isEmpty());
}

void TestGradeSelection::pickingFromListReplacesTypedName()
{
    TypeInto(form->edt1, QStringLiteral("My own name"));
    QCOMPARE(form->edt1->text(), QStringLiteral("My own name"));

    form->cbb1->showPopup();
    QAbstractItemView* list = form->cbb1->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    // The popup ignores a release that comes right after it opened.
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    const QRect item = list->visualRect(list->model()->index(3, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!list->isVisible());

    QCOMPARE(form->cbb1->currentText(), QStringLiteral("30"));
    QCOMPARE(GradeFields(*form), (QStringList{"Con_30", "29791", "20.1", "2.010", "1470.437",
                                              "0.748", "94.763", "1.261"}));
    QVERIFY(platform->messages.isEmpty());
}

void TestGradeSelection::strengthWritesRunNestedBeforeUnroundedValues()
{
    QSignalSpy strain(form->edt4, &QLineEdit::textChanged);
    QSignalSpy shape(form->edt5, &QLineEdit::textChanged);
    PickItem(0);
    strain.clear();
    shape.clear();
    PickItem(1);
    // The write of "13.4" ran edt3Change at once, which printed from 13.4; then the grade
    // handler overwrote both with the values of the unrounded 13.376.
    QCOMPARE(strain.size(), 2);
    QCOMPARE(strain.at(0).at(0).toString(), QStringLiteral("1329.623"));
    QCOMPARE(strain.at(1).at(0).toString(), QStringLiteral("1329.059"));
    QCOMPARE(shape.size(), 2);
    QCOMPARE(shape.at(0).at(0).toString(), QStringLiteral("0.299"));
    QCOMPARE(shape.at(1).at(0).toString(), QStringLiteral("0.297"));

    // Retyping the shown strength gives the values of the rounded one.
    TypeInto(form->edt3, QStringLiteral("13.4"));
    QCOMPARE(form->edt4->text(), QStringLiteral("1329.623"));
    QCOMPARE(form->edt5->text(), QStringLiteral("0.299"));
    QCOMPARE(form->fck, 13.4);
}

void TestGradeSelection::gradeTextIsReadUntrimmed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");
    QTest::newRow("blank before") << " 30" << QString();
    QTest::newRow("blanks after") << "30  " << QString();
    // Only code 32 counts as a blank for the number reader, and the grade box is not trimmed.
    QTest::newRow("tab before") << "\t30" << "\"\t30\" is not a valid floating number!";
}

void TestGradeSelection::gradeTextIsReadUntrimmed()
{
    QFETCH(QString, text);
    QFETCH(QString, warning);
    PasteInto(form->cbb1, text);
    QCOMPARE(form->cbb1->currentText(), text);
    if (warning.isEmpty()) {
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(GradeFields(*form), (QStringList{"Con_30", "29791", "20.1", "2.010", "1470.437",
                                                  "0.748", "94.763", "1.261"}));
    } else {
        CheckWarning(warning, form->cbb1, Left::AsTyped);
        QCOMPARE(form->edt2->text(), QString());
    }
}

void TestGradeSelection::refusedGradeChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");
    QTest::newRow("letters") << "2x" << "\"2x\" is not a valid floating number!";
    QTest::newRow("zero") << "0" << "\"0\" fcu,k must be positive!";
    QTest::newRow("negative") << "-5" << "\"-5\" fcu,k must be positive!";
    QTest::newRow("minus zero") << "-0" << "\"-0\" fcu,k must be positive!";
    QTest::newRow("comma under point") << "22,5" << "\"22,5\" is not a valid floating number!";
    QTest::newRow("beyond double") << "1e400" << "\"1e400\" is not a valid floating number!";
}

void TestGradeSelection::refusedGradeChangesNothing()
{
    QFETCH(QString, text);
    QFETCH(QString, warning);
    PickItem(3);
    TypeInto(form->edt1, QStringLiteral("Kept"));
    const QStringList before = AllFields(*form);
    platform->Clear();

    PasteInto(form->cbb1, text);

    CheckWarning(warning, form->cbb1, Left::AsTyped);
    QStringList expected = before;
    expected[8] = text;
    QCOMPARE(AllFields(*form), expected);
}

void TestGradeSelection::overflowingGradeRefusedAtOnce_data()
{
    QTest::addColumn<QString>("cv");        // empty: the characteristic basis
    QTest::addColumn<QString>("accepted");  // typed first, its values filled in
    QTest::addColumn<QString>("typed");     // the keystroke after it that overflows

    QTest::newRow("1e308") << "" << "1e30" << "8";
    // Fine on the characteristic basis; the mean strengths are 5.6 times as large and square
    // beyond the largest double in at.
    QTest::newRow("3e280 on the mean basis") << "0.5" << "3e28" << "0";
}

// A grade whose values overflow would fill the fields with "INF" and cut-off numbers and leave
// Create to blame a field: the grade box refuses it at the keystroke, and nothing is filled.
void TestGradeSelection::overflowingGradeRefusedAtOnce()
{
    QFETCH(QString, cv);
    QFETCH(QString, accepted);
    QFETCH(QString, typed);
    if (!cv.isEmpty()) {
        QVERIFY(AnswerModal<TCvDialog>(form->Mean1, [&](TCvDialog& dialog) {
            TypeInto(dialog.edt1, cv);
            QTest::mouseClick(dialog.btn1, Qt::LeftButton);
        }));
        QVERIFY(form->Mean1->isChecked());
    }
    TypeInto(form->cbb1, accepted);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    QCOMPARE(form->edt1->text().endsWith('m'), !cv.isEmpty());
    const QStringList before = AllFields(*form);
    for (const QString& field : before)
        QVERIFY2(!field.contains("INF"), qPrintable(field));

    QTest::keyClicks(form->cbb1, typed);

    const QString grade = accepted + typed;
    CheckWarning('"' + grade + "\" fcu,k is too large!", form->cbb1, Left::AsTyped);
    QStringList expected = before;
    expected[8] = grade;
    QCOMPARE(AllFields(*form), expected);

    // The next keystroke that makes a grade again fills the fields as usual.
    platform->Clear();
    QTest::keyClick(form->cbb1, Qt::Key_Backspace);
    QVERIFY(platform->messages.isEmpty());
    QCOMPARE(AllFields(*form).mid(0, 9), before.mid(0, 9));
}

void TestGradeSelection::tinyGradeEndsWithFocusOnCompressionStrength()
{
    PasteInto(form->cbb1, QStringLiteral("0.05"));
    // fc,k prints as "0.0", which edt3Change refuses while the grade handler goes on.
    CheckWarning(QStringLiteral("Axial Compression Strength must be postive."), form->edt3,
                 Left::Selected);
    QCOMPARE(GradeFields(*form), (QStringList{"Con_0.05", "144", "0.0", "0.054", "731.453",
                                              "-0.894", "13.418", "0.001"}));
}

void TestGradeSelection::typingStrength_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("strain");
    QTest::addColumn<QString>("shape");
    QTest::newRow("fc,k 20") << "edt3" << "20" << "1469.207" << "0.744";
    QTest::newRow("ft,k 2.5") << "edt8" << "2.5" << "106.611" << "1.950";
}

void TestGradeSelection::typingStrength()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, strain);
    QFETCH(QString, shape);
    PickItem(0);
    const bool compression = field == QLatin1String("edt3");
    QLineEdit* edit = compression ? form->edt3 : form->edt8;
    QLineEdit* strainField = compression ? form->edt4 : form->edt7;
    QLineEdit* shapeField = compression ? form->edt5 : form->edt6;
    QLineEdit* other = compression ? form->edt7 : form->edt4;
    const QString otherBefore = other->text();

    TypeInto(edit, typed);

    QCOMPARE(edit->text(), typed);
    QCOMPARE(strainField->text(), strain);
    QCOMPARE(shapeField->text(), shape);
    QCOMPARE(compression ? form->fck : form->ftk, typed.toDouble());
    QCOMPARE(other->text(), otherBefore);
    QCOMPARE(form->edt1->text(), QStringLiteral("Con_15"));
    QVERIFY(platform->messages.isEmpty());
}

void TestGradeSelection::refusedStrength_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");  // empty: the field is cleared with Backspace
    QTest::addColumn<QString>("warning");
    QTest::newRow("fc,k cleared") << "edt3" << "" << "\"\" is not a valid floating number!";
    QTest::newRow("fc,k zero") << "edt3" << "0" << "Axial Compression Strength must be postive.";
    QTest::newRow("fc,k minus") << "edt3" << "-" << "\"-\" is not a valid floating number!";
    QTest::newRow("ft,k cleared") << "edt8" << "" << "\"\" is not a valid floating number!";
    QTest::newRow("ft,k zero") << "edt8" << "0" << "Axial Tension Strength must be postive.";
    QTest::newRow("ft,k letter") << "edt8" << "x" << "\"x\" is not a valid floating number!";
}

void TestGradeSelection::refusedStrength()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    PickItem(3);
    QLineEdit* edit = field == QLatin1String("edt3") ? form->edt3 : form->edt8;
    const double fck = form->fck;
    const double ftk = form->ftk;
    const QStringList before = AllFields(*form);
    platform->Clear();

    if (typed.isEmpty()) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        TypeInto(edit, typed);
    }

    // The box comes at the very keystroke; the dependent fields keep their texts.
    CheckWarning(warning, edit, Left::AsTyped);
    QCOMPARE(edit->text(), typed);
    QStringList expected = before;
    expected[edit == form->edt3 ? 2 : 3] = typed;
    QCOMPARE(AllFields(*form), expected);
    QCOMPARE(form->fck, fck);
    QCOMPARE(form->ftk, ftk);
}

void TestGradeSelection::blanksTypedAtTheEndsVanish()
{
    TypeInto(form->edt3, QStringLiteral("20"));
    QTest::keyClick(form->edt3, Qt::Key_End);
    QTest::keyClick(form->edt3, Qt::Key_Space);
    QCOMPARE(form->edt3->text(), QStringLiteral("20"));
    QTest::keyClick(form->edt3, Qt::Key_Home);
    QTest::keyClick(form->edt3, Qt::Key_Space);
    QCOMPARE(form->edt3->text(), QStringLiteral("20"));

    // A pasted text loses its blanks and control characters, and is read once.
    PasteInto(form->edt8, QStringLiteral(" \t2.5 "));
    QCOMPARE(form->edt8->text(), QStringLiteral("2.5"));
    QCOMPARE(form->edt7->text(), QStringLiteral("106.611"));
    QVERIFY(platform->messages.isEmpty());

    // A blank typed into an empty field trims back to nothing: one warning, not two.
    form->edt3->setFocus();
    form->edt3->selectAll();
    QTest::keyClick(form->edt3, Qt::Key_Backspace);
    platform->Clear();
    QTest::keyClick(form->edt3, Qt::Key_Space);
    QCOMPARE(form->edt3->text(), QString());
    CheckWarning(QStringLiteral("\"\" is not a valid floating number!"), form->edt3, Left::AsTyped);
}

void TestGradeSelection::writingFieldRaisesHandlerOnlyOnChange()
{
    PickItem(0);
    PickItem(1);
    QCOMPARE(form->edt4->text(), QStringLiteral("1329.059"));

    // The same text again: no handler, so the unrounded values stay.
    form->edt3->setText(QStringLiteral("13.4"));
    QCOMPARE(form->edt4->text(), QStringLiteral("1329.059"));

    // A different text: the handler has run by the time setText returns.
    form->edt3->setText(QStringLiteral("20"));
    QCOMPARE(form->edt4->text(), QStringLiteral("1469.207"));
    form->cbb1->setEditText(QStringLiteral("30"));
    QCOMPARE(form->edt1->text(), QStringLiteral("Con_30"));
    QVERIFY(platform->messages.isEmpty());
}

void TestGradeSelection::handEditedValuesRaiseNothing()
{
    PickItem(0);
    int typed = 0;
    for (QLineEdit* edit : {form->edt2, form->edt4, form->edt5, form->edt6, form->edt7,
                            form->edt9, form->edt10, form->edt1}) {
        const QString text = QStringLiteral("x%1").arg(++typed);
        QStringList expected = AllFields(*form);
        TypeInto(edit, text);
        QCOMPARE(edit->text(), text);
        const int at = AllFields(*form).indexOf(text);
        QVERIFY(at >= 0);
        expected[at] = text;
        QCOMPARE(AllFields(*form), expected);
    }
    QVERIFY(platform->messages.isEmpty());
}

void TestGradeSelection::commaSeparator()
{
    form->SetDecimalSeparator(',');
    TypeInto(form->cbb1, QStringLiteral("22,5"));
    QCOMPARE(GradeFields(*form), (QStringList{"Con_22,5", "26722", "15,0", "1,660", "1367,218",
                                              "0,414", "85,462", "0,860"}));
    QVERIFY(platform->messages.isEmpty());

    const QStringList before = AllFields(*form);
    PasteInto(form->cbb1, QStringLiteral("22.5"));
    CheckWarning(QStringLiteral("\"22.5\" is not a valid floating number!"), form->cbb1,
                 Left::AsTyped);
    QStringList expected = before;
    expected[8] = QStringLiteral("22.5");
    QCOMPARE(AllFields(*form), expected);

    platform->Clear();
    TypeInto(form->edt3, QStringLiteral("20,0"));
    QCOMPARE(form->edt4->text(), QStringLiteral("1469,207"));
    QVERIFY(platform->messages.isEmpty());
}

void TestGradeSelection::typingOnThroughRefusals_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("field");  // typed into, key by key, over its selected text
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<QStringList>("fields");  // afterwards, in the order of GradeFields

    // Grade 30 is picked before the typing starts; written with a point.
    const QStringList grade30 = {"Con_30", "29791", "20.1", "2.010",
                                 "1470.437", "0.748", "94.763", "1.261"};
    const QStringList grade22 = {"Con_22", "26474", "14.7", "1.636",
                                 "1359.763", "0.391", "84.792", "0.835"};
    const QStringList grade05 = {"Con_0.5", "1397", "0.3", "0.191",
                                 "799.463", "-0.839", "26.588", "0.011"};
    // Grade 30 with fc,k retyped as 0.5: εc,k and αc follow it, nothing else moves.
    QStringList strength05 = grade30;
    strength05[2] = QStringLiteral("0.5");
    strength05[4] = QStringLiteral("821.622");
    strength05[5] = QStringLiteral("-0.814");

    const QString compression = QStringLiteral("Axial Compression Strength must be postive.");
    for (const char separator : {'.', ','}) {
        const QChar point = QLatin1Char(separator);
        const QChar foreign = QLatin1Char(separator == '.' ? ',' : '.');
        // Numbers as the window prints and reads them under this separator.
        const auto local = [point](QString text) { return text.replace(QLatin1Char('.'), point); };
        const auto localAll = [&local](QStringList texts) {
            for (QString& text : texts)
                text = local(text);
            return texts;
        };
        const auto notPositive = [](const QString& text) {
            return QLatin1Char('"') + text + QStringLiteral("\" fcu,k must be positive!");
        };
        const auto notANumber = [](const QString& text) {
            return QLatin1Char('"') + text + QStringLiteral("\" is not a valid floating number!");
        };

        // The other separator: "22" is read, "22," and "22,5" are refused, and the text stays.
        const QString foreign22 = QStringLiteral("22") + foreign;
        QTest::addRow("%c: 22%c5 in the grade box", separator, foreign.toLatin1())
            << point << "cbb1" << foreign22 + QLatin1Char('5')
            << QStringList{notANumber(foreign22), notANumber(foreign22 + QLatin1Char('5'))}
            << localAll(grade22);
        QTest::addRow("%c: -5 in the grade box", separator)
            << point << "cbb1" << "-5" << QStringList{notANumber("-"), notPositive("-5")}
            << localAll(grade30);
        QTest::addRow("%c: 0%c5 in the grade box", separator, separator)
            << point << "cbb1" << local("0.5")
            << QStringList{notPositive("0"), notPositive(local("0."))} << localAll(grade05);
        QTest::addRow("%c: 0%c5 in fc,k", separator, separator)
            << point << "edt3" << local("0.5") << QStringList{compression, compression}
            << localAll(strength05);
    }
}

// A refusal of what is being typed leaves the text and the caret where they were, so that the
// next keystroke goes on from there instead of replacing everything typed so far.
void TestGradeSelection::typingOnThroughRefusals()
{
    QFETCH(QChar, separator);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, warnings);
    QFETCH(QStringList, fields);
    form->SetDecimalSeparator(separator.toLatin1());
    PickItem(3);
    platform->Clear();
    QWidget* target = field == QLatin1String("cbb1") ? static_cast<QWidget*>(form->cbb1) : form->edt3;
    QLineEdit* edit = field == QLatin1String("cbb1") ? form->cbb1->lineEdit() : form->edt3;

    target->setFocus();
    edit->selectAll();
    QTest::keyClicks(target, typed);

    QCOMPARE(platform->Texts(), warnings);
    for (const FakePlatform::Message& message : platform->messages) {
        QCOMPARE(message.kind, Platform::MsgKind::Warning);
        QCOMPARE(message.caption, QStringLiteral("Warning"));
    }
    QCOMPARE(edit->text(), typed);
    QCOMPARE(GradeFields(*form), fields);
    QCOMPARE(form->focusWidget(), target);
    QVERIFY(!edit->hasSelectedText());
    QCOMPARE(edit->cursorPosition(), typed.size());
}

// A field that receives the focus from another control, here the button that validation runs
// from, shows its whole text selected, ready to be typed over.
void TestGradeSelection::refusalOnButtonSelectsWholeText()
{
    PickItem(3);
    form->edt5->setFocus();
    form->edt5->selectAll();
    QTest::keyClicks(form->edt5, QStringLiteral("0.00"));
    QTest::keyClick(form->edt5, Qt::Key_Left);
    QVERIFY(platform->messages.isEmpty());

    QTest::mouseClick(form->btn1, Qt::LeftButton);

    CheckWarning(QStringLiteral("Shape parameter must be postive."), form->edt5, Left::Selected);
    QCOMPARE(form->edt5->text(), QStringLiteral("0.00"));
    QVERIFY(form->concretes.empty());
}

QTEST_MAIN(TestGradeSelection)
#include "tst_gradeselection.moc"
