// Creating, showing, hiding and deleting concretes through the real window, as a user would:
// typing the definition, clicking the buttons and menu items and the list's check boxes, with
// the boxes answered by FakePlatform.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QtTest>
#include <bit>
#include <memory>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "platform/CheckList.h"
#include "support/FakePlatform.h"

namespace {

quint64 Bits(double value)
{
    return std::bit_cast<quint64>(value);
}

QStringList RowTexts(const TRzCheckList* list)
{
    QStringList texts;
    for (int i = 0; i < list->Count(); ++i)
        texts.append(list->ItemText(i));
    return texts;
}

QStringList SeriesTitles(const TChart* chart)
{
    QStringList titles;
    for (int i = 0; i < chart->SeriesCount(); ++i)
        titles.append(chart->Series(i)->Title());
    return titles;
}

QStringList LegendTexts(const TChart* chart)
{
    QStringList texts;
    if (!chart->legend->visible())
        return texts;
    for (int i = 0; i < chart->legend->itemCount(); ++i)
        if (auto* entry = qobject_cast<QCPPlottableLegendItem*>(chart->legend->item(i)))
            texts.append(entry->plottable()->name());
    return texts;
}

QStringList RegistryNames(const TForm1& form)
{
    QStringList names;
    for (const auto& concrete : form.concretes)
        names.append(QString::fromStdString(concrete->ConcreteName));
    return names;
}

struct Point {
    double x;
    double y;
};

QList<Point> Points(const TLineSeries* series)
{
    QList<Point> points;
    for (auto it = series->data()->constBegin(); it != series->data()->constEnd(); ++it)
        points.append({it->key, it->value});
    return points;
}

// The palette position of a colour, or -1.
int PalettePosition(const QColor& color)
{
    for (int position = 0; position < TChart::PaletteSize; ++position)
        if (TChart::PaletteColor(position) == color)
            return position;
    return -1;
}

}  // namespace

class TestLibrary : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithEmptyChartsAndList();
    void defaultDefinitionSamplesBothCurves();
    void curveLength_data();
    void curveLength();
    void duplicateNameIsRefused();
    void creationStartsNewUndoHistory();
    void namesAreCaseSensitive();
    void firstFourteenTakePaletteInOrderThenWrap();
    void freedColourGoesToNextConcrete();
    void deleteAllFreesEveryColour();
    void deleteMovesSelection_data();
    void deleteMovesSelection();
    void repeatedDeleteEmptiesFromTop();
    void deleteWithoutSelectionDoesNothing();
    void checkBoxHidesAndShowsBothCurves();
    void refusedDefinitions_data();
    void refusedDefinitions();
    void strainAxisLabels();
    void closingWindowDeletesEveryConcrete();

private:
    void Define(const QString& name, const QString& grade = QStringLiteral("20"),
                const QString& ecmax = QStringLiteral("0.016"),
                const QString& etmax = QStringLiteral("700"));
    void Create(const QString& name, const QString& grade = QStringLiteral("20"));
    void TypeInto(QLineEdit* field, const QString& text);
    void ClickCheckBox(int row);
    void CheckOneOfEach(const QStringList& names);

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
};

void TestLibrary::init()
{
    platform = std::make_unique<FakePlatform>();
    form = std::make_unique<TForm1>();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestLibrary::cleanup()
{
    form.reset();
    platform.reset();
}

void TestLibrary::TypeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
    QCOMPARE(field->text(), text);
}

// Fills the definition group: the grade fills the parameters, then the name and end strains.
void TestLibrary::Define(const QString& name, const QString& grade, const QString& ecmax,
                         const QString& etmax)
{
    TypeInto(form->cbb1->lineEdit(), grade);
    TypeInto(form->edt1, name);
    TypeInto(form->edt9, ecmax);
    TypeInto(form->edt10, etmax);
}

void TestLibrary::Create(const QString& name, const QString& grade)
{
    Define(name, grade);
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
}

// Clicks the check box of a row, where the list's own style draws it.
void TestLibrary::ClickCheckBox(int row)
{
    struct Probe : QStyledItemDelegate {
        using QStyledItemDelegate::initStyleOption;
    } probe;
    TRzCheckList* list = form->lst1;
    const QModelIndex index = list->model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = list->visualRect(index);
    probe.initStyleOption(&option, index);
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QVERIFY(!box.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

// Registry, list and both charts hold exactly these names, in this order.
void TestLibrary::CheckOneOfEach(const QStringList& names)
{
    QCOMPARE(RegistryNames(*form), names);
    QCOMPARE(RowTexts(form->lst1), names);
    QCOMPARE(SeriesTitles(form->cht1), names);
    QCOMPARE(SeriesTitles(form->cht2), names);
}

void TestLibrary::startsWithEmptyChartsAndList()
{
    for (TChart* chart : {form->cht1, form->cht2}) {
        QCOMPARE(chart->SeriesCount(), 0);
        QVERIFY(!chart->legend->visible());
        QCOMPARE(chart->xAxis->label(), QStringLiteral("strain[m/m]"));
        QCOMPARE(chart->yAxis->label(), QStringLiteral("f [N/mm2]"));
    }
    QCOMPARE(form->lst1->Count(), 0);
    QCOMPARE(form->lst1->ItemIndex(), -1);
}

void TestLibrary::defaultDefinitionSamplesBothCurves()
{
    QSignalSpy changes(form->lst1, &TRzCheckList::Change);
    Create(QStringLiteral("Con_20"));
    CheckOneOfEach({QStringLiteral("Con_20")});
    QVERIFY(form->lst1->ItemChecked(0));
    QCOMPARE(changes.count(), 0);

    const CConcrete& concrete = *form->concretes.front();
    struct Curve {
        TChart* chart;
        double step;
        double end;
        int count;
        double (CConcrete::*stress)(double) const;
    };
    const Curve curves[] = {
        {form->cht1, 0.0002, 0.016, 81, &CConcrete::CompressionStress},
        {form->cht2, 0.000002, 0.0007, 351, &CConcrete::TensionStress},
    };
    for (const Curve& curve : curves) {
        const TLineSeries* series = curve.chart->Series(0);
        QCOMPARE(series->Title(), QStringLiteral("Con_20"));
        QVERIFY(series->Active());
        QCOMPARE(series->pen().widthF(), 2.0);
        QVERIFY(!series->PointerVisible());
        QCOMPARE(series->lineStyle(), QCPGraph::lsLine);

        const QList<Point> points = Points(series);
        QCOMPARE(points.size(), curve.count);
        // Strains accumulate by repeated addition and carry its rounding; the last is the end
        // strain itself.
        double e = 0.0;
        for (int k = 0; k + 1 < points.size(); ++k) {
            QCOMPARE(Bits(points[k].x), Bits(e));
            QCOMPARE(Bits(points[k].y), Bits((concrete.*curve.stress)(e)));
            e = e + curve.step;
        }
        QCOMPARE(Bits(points.last().x), Bits(curve.end));
        QCOMPARE(Bits(points.last().y), Bits((concrete.*curve.stress)(curve.end)));
        QCOMPARE(points.first().y, 0.0);
    }
    // The accumulated strains differ from multiples of the step somewhere, as they must.
    const QList<Point> compression = Points(form->cht1->Series(0));
    bool differs = false;
    for (int k = 0; k + 1 < compression.size(); ++k)
        differs = differs || compression[k].x != k * 0.0002;
    QVERIFY(differs);
}

void TestLibrary::curveLength_data()
{
    QTest::addColumn<QString>("ecmax");
    QTest::addColumn<QString>("etmax");
    QTest::addColumn<int>("compressionPoints");
    QTest::addColumn<int>("tensionPoints");

    // 0.005: the 26th accumulated strain is 0.004999999999999999, plotted beside the end.
    QTest::newRow("ecmax 0.005") << "0.005" << "700" << 27 << 351;
    QTest::newRow("end below the step") << "0.0001" << "1" << 2 << 2;
    QTest::newRow("ecmax 1.0") << "1.0" << "700" << 5002 << 351;
}

void TestLibrary::curveLength()
{
    QFETCH(QString, ecmax);
    QFETCH(QString, etmax);
    QFETCH(int, compressionPoints);
    QFETCH(int, tensionPoints);

    Define(QStringLiteral("C"), QStringLiteral("20"), ecmax, etmax);
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    QCOMPARE(platform->messages.size(), 0);

    const QList<Point> compression = Points(form->cht1->Series(0));
    const QList<Point> tension = Points(form->cht2->Series(0));
    QCOMPARE(compression.size(), compressionPoints);
    QCOMPARE(tension.size(), tensionPoints);
    QCOMPARE(compression.first().x, 0.0);
    QCOMPARE(compression.last().x, form->concretes.front()->GetEcmax());
    QCOMPARE(tension.last().x, form->concretes.front()->GetEtmax());
    if (ecmax == QLatin1String("0.005"))
        QCOMPARE(Bits(compression[25].x), Bits(0.004999999999999999));
}

void TestLibrary::duplicateNameIsRefused()
{
    Create(QStringLiteral("Con_20"));
    Define(QStringLiteral("Con_20"), QStringLiteral("30"));
    QTest::mouseClick(form->btn1, Qt::LeftButton);

    QCOMPARE(platform->Texts(),
             QStringList{QStringLiteral(
                 "Concrete with name: \"Con_20\" already exists! Please Input another Name.")});
    QCOMPARE(platform->messages.constFirst().kind, Platform::MsgKind::Warning);
    QCOMPARE(form->focusWidget(), form->edt1);
    CheckOneOfEach({QStringLiteral("Con_20")});
    // The first concrete is untouched: still grade 20's curve.
    QCOMPARE(form->concretes.front()->fck, 13.4);
}

// A line edit keeps its edits for undo as long as it lives; over a session of names typed one
// after another that piled up without end (tests/hardening/tst_soak). A created concrete has used
// its definition up, so its fields start new histories, their texts and carets left alone.
void TestLibrary::creationStartsNewUndoHistory()
{
    Define(QStringLiteral("Typed"));
    QTest::keyClick(form->edt1, Qt::Key_Home);
    QVERIFY(form->edt1->isUndoAvailable());
    QVERIFY(form->edt10->isUndoAvailable());

    QTest::mouseClick(form->btn1, Qt::LeftButton);

    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    CheckOneOfEach({QStringLiteral("Typed")});
    QCOMPARE(form->edt1->text(), QStringLiteral("Typed"));
    QCOMPARE(form->edt1->cursorPosition(), 0);
    for (QLineEdit* field : form->grp1->findChildren<QLineEdit*>())
        QVERIFY2(!field->isUndoAvailable(), qPrintable(field->objectName()));

    // A refused creation leaves the history alone: the typing can still be taken back.
    TypeInto(form->edt1, QStringLiteral("Typed"));
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    QCOMPARE(platform->messages.size(), 1);
    QVERIFY(form->edt1->isUndoAvailable());
}

void TestLibrary::namesAreCaseSensitive()
{
    Create(QStringLiteral("C30"), QStringLiteral("30"));
    Create(QStringLiteral("c30"), QStringLiteral("30"));
    CheckOneOfEach({QStringLiteral("C30"), QStringLiteral("c30")});
    const QColor lower = form->cht1->Series(1)->Color();

    form->lst1->SetItemIndex(0);
    form->Delete1->trigger();
    CheckOneOfEach({QStringLiteral("c30")});
    QCOMPARE(form->cht1->Series(0)->Color(), lower);
}

void TestLibrary::firstFourteenTakePaletteInOrderThenWrap()
{
    for (int i = 0; i < 16; ++i)
        Create(QStringLiteral("N%1").arg(i));
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(PalettePosition(form->cht1->Series(i)->Color()), i % 14);
        QCOMPARE(form->cht2->Series(i)->Color(), form->cht1->Series(i)->Color());
    }
}

void TestLibrary::freedColourGoesToNextConcrete()
{
    Create(QStringLiteral("A"));
    Create(QStringLiteral("B"));
    Create(QStringLiteral("C"));
    form->lst1->SetItemIndex(1);
    QTest::mouseClick(form->btn2, Qt::LeftButton);
    Create(QStringLiteral("D"));

    const QStringList names{"A", "C", "D"};
    CheckOneOfEach(names);
    for (TChart* chart : {form->cht1, form->cht2}) {
        QList<int> positions;
        for (int i = 0; i < chart->SeriesCount(); ++i)
            positions.append(PalettePosition(chart->Series(i)->Color()));
        QCOMPARE(positions, (QList<int>{0, 2, 1}));
        chart->Refresh();
        QCOMPARE(LegendTexts(chart), names);
    }
}

void TestLibrary::deleteAllFreesEveryColour()
{
    Create(QStringLiteral("A"));
    Create(QStringLiteral("B"));
    form->DeleteAll1->trigger();
    CheckOneOfEach({});
    QCOMPARE(form->lst1->ItemIndex(), -1);
    for (TChart* chart : {form->cht1, form->cht2})
        QVERIFY(LegendTexts(chart).isEmpty());

    Create(QStringLiteral("B"));
    QCOMPARE(PalettePosition(form->cht1->Series(0)->Color()), 0);
    QCOMPARE(PalettePosition(form->cht2->Series(0)->Color()), 0);

    // And with the button, on an empty registry too.
    QTest::mouseClick(form->btn3, Qt::LeftButton);
    QTest::mouseClick(form->btn3, Qt::LeftButton);
    CheckOneOfEach({});
    QVERIFY(platform->messages.isEmpty());
}

void TestLibrary::deleteMovesSelection_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selectedAfter");

    QTest::newRow("middle row: next row takes its place") << 1 << QStringList{"A", "C"} << 1;
    QTest::newRow("last row: new last row") << 2 << QStringList{"A", "B"} << 1;
    QTest::newRow("first row") << 0 << QStringList{"B", "C"} << 0;
}

void TestLibrary::deleteMovesSelection()
{
    QFETCH(int, selected);
    QFETCH(QStringList, left);
    QFETCH(int, selectedAfter);

    Create(QStringLiteral("A"));
    Create(QStringLiteral("B"));
    Create(QStringLiteral("C"));
    QList<QColor> colours;
    for (int i = 0; i < 3; ++i)
        colours.append(form->cht1->Series(i)->Color());

    // The user clicks the row's text, which selects it.
    TRzCheckList* list = form->lst1;
    const QRect row = list->visualRect(list->model()->index(selected, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center() + QPoint(40, 0));
    QCOMPARE(list->ItemIndex(), selected);
    QTest::mouseClick(form->btn2, Qt::LeftButton);

    CheckOneOfEach(left);
    QCOMPARE(list->ItemIndex(), selectedAfter);
    for (int i = 0; i < left.size(); ++i) {
        const int was = QStringList{"A", "B", "C"}.indexOf(left[i]);
        QCOMPARE(form->cht1->Series(i)->Color(), colours[was]);
        QCOMPARE(form->cht2->Series(i)->Color(), colours[was]);
    }
    QVERIFY(platform->messages.isEmpty());
}

void TestLibrary::repeatedDeleteEmptiesFromTop()
{
    Create(QStringLiteral("A"));
    Create(QStringLiteral("B"));
    Create(QStringLiteral("C"));
    form->lst1->SetItemIndex(0);
    QTest::mouseClick(form->btn2, Qt::LeftButton);
    CheckOneOfEach({"B", "C"});
    QTest::mouseClick(form->btn2, Qt::LeftButton);
    CheckOneOfEach({"C"});
    QTest::mouseClick(form->btn2, Qt::LeftButton);
    CheckOneOfEach({});
    QCOMPARE(form->lst1->ItemIndex(), -1);
    QTest::mouseClick(form->btn2, Qt::LeftButton);
    CheckOneOfEach({});
    QVERIFY(platform->messages.isEmpty());
}

void TestLibrary::deleteWithoutSelectionDoesNothing()
{
    QTest::mouseClick(form->btn2, Qt::LeftButton);
    Create(QStringLiteral("A"));
    Create(QStringLiteral("B"));
    // Giving the list the focus puts a focus frame on a row but selects nothing.
    form->lst1->setFocus();
    QCOMPARE(form->lst1->ItemIndex(), -1);
    QTest::mouseClick(form->btn2, Qt::LeftButton);
    form->Delete1->trigger();
    CheckOneOfEach({"A", "B"});
    QVERIFY(platform->messages.isEmpty());
}

void TestLibrary::checkBoxHidesAndShowsBothCurves()
{
    Create(QStringLiteral("A"));
    Create(QStringLiteral("B"));
    Create(QStringLiteral("C"));
    const QList<Point> before = Points(form->cht1->Series(1));
    const QColor colour = form->cht1->Series(1)->Color();

    ClickCheckBox(1);
    QVERIFY(!form->lst1->ItemChecked(1));
    for (TChart* chart : {form->cht1, form->cht2}) {
        QCOMPARE(chart->SeriesCount(), 3);
        QVERIFY(chart->Series(0)->Active());
        QVERIFY(!chart->Series(1)->Active());
        QVERIFY(chart->Series(2)->Active());
        QCOMPARE(LegendTexts(chart), (QStringList{"A", "C"}));
    }
    ClickCheckBox(0);
    for (TChart* chart : {form->cht1, form->cht2})
        QCOMPARE(LegendTexts(chart), (QStringList{"C"}));

    // Space on the current row, the keyboard's way to tick a box.
    form->lst1->setFocus();
    form->lst1->setCurrentRow(1);
    QTest::keyClick(form->lst1, Qt::Key_Space);
    QVERIFY(form->lst1->ItemChecked(1));
    for (TChart* chart : {form->cht1, form->cht2}) {
        QVERIFY(chart->Series(1)->Active());
        // Creation order, not the order in which they were shown again.
        QCOMPARE(LegendTexts(chart), (QStringList{"B", "C"}));
    }
    const QList<Point> after = Points(form->cht1->Series(1));
    QCOMPARE(after.size(), before.size());
    for (int k = 0; k < after.size(); ++k)
        QVERIFY(after[k].x == before[k].x && after[k].y == before[k].y);
    QCOMPARE(form->cht1->Series(1)->Color(), colour);
    QCOMPARE(form->cht2->Series(1)->Color(), colour);
    QVERIFY(platform->messages.isEmpty());
}

void TestLibrary::refusedDefinitions_data()
{
    QTest::addColumn<QString>("ec");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const QString lawMessage = QStringLiteral(
        "Ec multiplied by the Peak Compression Strain must be greater than the Axial "
        "Compression Strength.");
    const QString compMessage = QStringLiteral(
        "Ultimate strain for Comp. is too large: the curve would have more than 1000000 points.");
    const QString tensionMessage = QStringLiteral(
        "Ultimate strain for Tension is too large: the curve would have more than 1000000 "
        "points.");
    // Grade 20: fc,k 13.4, εc,k about 1330 × 10⁻⁶.
    QTest::newRow("Ec x eck below fck") << "9000" << "edt2" << "9000" << lawMessage << "edt4";
    QTest::newRow("Ec x eck equal to fck") << "10000" << "edt4" << "1340" << lawMessage << "edt4";
    QTest::newRow("ecmax typed as 1e9") << "" << "edt9" << "1e9" << compMessage << "edt9";
    QTest::newRow("ecmax just too large") << "" << "edt9" << "200" << compMessage << "edt9";
    QTest::newRow("etmax typed as 1e9") << "" << "edt10" << "1e9" << tensionMessage << "edt10";
    QTest::newRow("etmax just too large") << "" << "edt10" << "2000000" << tensionMessage
                                          << "edt10";
}

// Each is refused before the name is looked at: the same name as a registered concrete shows
// only this message, and nothing is created.
void TestLibrary::refusedDefinitions()
{
    QFETCH(QString, ec);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    Create(QStringLiteral("Con_20"));
    Define(QStringLiteral("Con_20"));
    if (!ec.isEmpty())
        TypeInto(form->edt2, ec);
    auto* edit = form->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    TypeInto(edit, text);
    QTest::mouseClick(form->btn1, Qt::LeftButton);

    QCOMPARE(platform->Texts(), QStringList{message});
    QCOMPARE(platform->messages.constFirst().kind, Platform::MsgKind::Warning);
    QCOMPARE(form->focusWidget(), form->findChild<QWidget*>(focus));
    CheckOneOfEach({QStringLiteral("Con_20")});
}

void TestLibrary::strainAxisLabels()
{
    Define(QStringLiteral("A"), QStringLiteral("20"), QStringLiteral("0.001"));
    QTest::mouseClick(form->btn1, Qt::LeftButton);
    form->cht1->Refresh();
    QCOMPARE(form->cht1->xAxis->tickVectorLabels(),
             (QVector<QString>{"00e0", "20e-5", "40e-5", "60e-5", "80e-5", "10e-4"}));

    // The default curve: labels still sit on multiples of 0.0002, as close as they fit.
    Create(QStringLiteral("B"));
    form->cht1->Refresh();
    const QVector<double> ticks = form->cht1->xAxis->tickVector();
    QVERIFY(ticks.size() >= 3);
    const double step = ticks[1] - ticks[0];
    const double multiple = step / 0.0002;
    QVERIFY2(std::abs(multiple - std::round(multiple)) < 1e-9, qPrintable(QString::number(step)));
    QVERIFY(step > 0.0002);
    const QFontMetrics metrics(form->cht1->xAxis->tickLabelFont());
    int widths = 0;
    for (const QString& label : form->cht1->xAxis->tickVectorLabels())
        widths += metrics.horizontalAdvance(label);
    QVERIFY(widths < form->cht1->axisRect()->width());

    for (TChart* chart : {form->cht1, form->cht2}) {
        chart->Refresh();
        const QRegularExpression oneDecimal(QStringLiteral("^-?\\d+\\.\\d$"));
        for (const QString& label : chart->yAxis->tickVectorLabels())
            QVERIFY2(oneDecimal.match(label).hasMatch(), qPrintable(label));
        const QRegularExpression twoDigitsExp(QStringLiteral("^(00e0|\\d\\de-?\\d+)$"));
        for (const QString& label : chart->xAxis->tickVectorLabels())
            QVERIFY2(twoDigitsExp.match(label).hasMatch(), qPrintable(label));
    }
}

void TestLibrary::closingWindowDeletesEveryConcrete()
{
    Create(QStringLiteral("A"));
    Create(QStringLiteral("B"));
    QPointer<TChart> chart = form->cht1;
    // The list was never saved: closing asks first, and Discard lets it go.
    platform->saveChangesAnswers = {Platform::SaveAnswer::Discard};
    QVERIFY(form->close());
    QVERIFY(platform->messages.isEmpty());
    // The sanitizer build reports any concrete, series or row left behind.
    form.reset();
    QVERIFY(chart.isNull());
}

QTEST_MAIN(TestLibrary)
#include "tst_library.moc"
