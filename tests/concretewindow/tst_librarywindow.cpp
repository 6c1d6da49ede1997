// Library files through the real window: File ▸ Save Library As… and Open Library… answered by
// FakePlatform, the question about unsaved changes on closing and on opening, and library
// files dropped on the window.

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "chart/Chart.h"
#include "concretewindow/Unit1.h"
#include "formats/CsvExport.h"
#include "formats/LibraryFile.h"
#include "platform/CheckList.h"
#include "support/FakePlatform.h"
#include "support/ListRows.h"

namespace {

using Answer = Platform::SaveAnswer;

// Everything a user sees of a series: title, colour, shown, its points.
QStringList SeriesLooks(const TChart* chart)
{
    QStringList looks;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        const TLineSeries* series = chart->Series(i);
        QString look = QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(series->Title(), series->Color().name())
                           .arg(series->Active())
                           .arg(series->Count())
                           .arg(series->pen().widthF());
        for (auto point = series->data()->constBegin(); point != series->data()->constEnd();
             ++point)
            look += QStringLiteral(" %1:%2").arg(point->key, 0, 'g', 17).arg(point->value, 0, 'g', 17);
        looks.append(look);
    }
    return looks;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class TestLibraryWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTripGivesTheSameWindowAndCsv();
    void saveLibraryAsksForANameOnce();
    void refusedFileLeavesTheListAsItWas();
    void closingAsks_data();
    void closingAsks();
    void untitledSaveCancelledKeepsTheWindow();
    void openingAsks_data();
    void openingAsks();
    void noQuestionWithoutChanges();
    void droppedLibraryOpens();

private:
    std::unique_ptr<TForm1> NewWindow();
    void Create(TForm1& form, const QString& name, const QString& grade,
                const QString& ecmax = QStringLiteral("0.016"));
    void ClickCheckBox(TForm1& form, int row);
    // Three concretes, the middle one hidden, saved as a.json.
    void SaveThree();

    QTemporaryDir folder;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
    QString path;
};

void TestLibraryWindow::init()
{
    QVERIFY(folder.isValid());
    platform = std::make_unique<FakePlatform>();
    form = NewWindow();
    path = folder.filePath(QStringLiteral("a.json"));
    QFile::remove(path);
}

void TestLibraryWindow::cleanup()
{
    form.reset();
    platform.reset();
}

std::unique_ptr<TForm1> TestLibraryWindow::NewWindow()
{
    auto window = std::make_unique<TForm1>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window not active");
    return window;
}

void TestLibraryWindow::Create(TForm1& window, const QString& name, const QString& grade,
                               const QString& ecmax)
{
    for (auto [field, text] : {std::pair{window.cbb1->lineEdit(), grade}, {window.edt9, ecmax}}) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    // Typed keys are ASCII only; the name may hold any letter.
    window.edt1->setText(name);
    QTest::mouseClick(window.btn1, Qt::LeftButton);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
}

// Clicks the check box of a row, where the list's own style draws it.
void TestLibraryWindow::ClickCheckBox(TForm1& window, int row)
{
    struct Probe : QStyledItemDelegate {
        using QStyledItemDelegate::initStyleOption;
    } probe;
    TRzCheckList* list = window.lst1;
    const QModelIndex index = list->model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = list->visualRect(index);
    probe.initStyleOption(&option, index);
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

void TestLibraryWindow::SaveThree()
{
    Create(*form, QStringLiteral("C30"), QStringLiteral("30"));
    // An end strain the accumulation just misses, and a grade with digits beyond the fields.
    Create(*form, QStringLiteral("Küche 45"), QStringLiteral("45"), QStringLiteral("0.005"));
    Create(*form, QStringLiteral("c30"), QStringLiteral("22.5"));
    ClickCheckBox(*form, 1);
    QVERIFY(!form->lst1->ItemChecked(1));
    platform->saveAnswers = {path};
    form->SaveLibraryAs1->trigger();
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    QCOMPARE(form->LibraryPath(), path);
    QVERIFY(!form->LibraryModified());
}

void TestLibraryWindow::roundTripGivesTheSameWindowAndCsv()
{
    SaveThree();
    QCOMPARE(platform->saveRequests.size(), 1);
    QCOMPARE(platform->saveRequests[0].filter, QStringLiteral("Tarvolin library (*.json)"));
    QCOMPARE(platform->saveRequests[0].defaultSuffix, QStringLiteral("json"));
    const std::string csv = BuildConcreteCsv(form->concretes, '.');
    const std::string commaCsv = BuildConcreteCsv(form->concretes, ',');

    auto other = NewWindow();
    platform->openAnswers = {path};
    other->OpenLibrary1->trigger();
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    QCOMPARE(platform->openRequests.size(), 1);
    QCOMPARE(platform->openRequests[0].filter, QStringLiteral("Tarvolin library (*.json)"));

    QCOMPARE(BuildConcreteCsv(other->concretes, '.'), csv);
    QCOMPARE(BuildConcreteCsv(other->concretes, ','), commaCsv);
    QCOMPARE(RowTexts(other->lst1), RowTexts(form->lst1));
    QCOMPARE(SeriesLooks(other->cht1), SeriesLooks(form->cht1));
    QCOMPARE(SeriesLooks(other->cht2), SeriesLooks(form->cht2));
    QVERIFY(!other->concretes.Shown(1));
    QCOMPARE(other->LibraryPath(), path);
    QVERIFY(!other->LibraryModified());

    // The opened list works like a created one: showing the hidden concrete marks a change
    // and brings its curves back.
    ClickCheckBox(*other, 1);
    QVERIFY(other->cht1->Series(1)->Active() && other->cht2->Series(1)->Active());
    QVERIFY(other->concretes.Shown(1));
    QVERIFY(other->LibraryModified());

    // Saved again, the file is byte for byte what the first window would save.
    ClickCheckBox(*other, 1);
    const QByteArray first = ReadAll(path);
    other->SaveLibrary1->trigger();
    QCOMPARE(ReadAll(path), first);
}

void TestLibraryWindow::saveLibraryAsksForANameOnce()
{
    Create(*form, QStringLiteral("C30"), QStringLiteral("30"));
    platform->saveAnswers = {path};
    form->SaveLibrary1->trigger();
    QCOMPARE(platform->saveRequests.size(), 1);
    QCOMPARE(platform->saveRequests[0].fileName, QStringLiteral("Concrete_Library.json"));
    Create(*form, QStringLiteral("C50"), QStringLiteral("50"));
    QVERIFY(form->LibraryModified());
    form->SaveLibrary1->trigger();
    QCOMPARE(platform->saveRequests.size(), 1);
    QVERIFY(!form->LibraryModified());
    QCOMPARE(ParseLibrary(ReadAll(path), path).size(), std::size_t(2));
}

void TestLibraryWindow::refusedFileLeavesTheListAsItWas()
{
    SaveThree();
    Create(*form, QStringLiteral("C50"), QStringLiteral("50"));
    const QStringList rows = RowTexts(form->lst1);
    const QStringList curves = SeriesLooks(form->cht1) + SeriesLooks(form->cht2);
    const std::string csv = BuildConcreteCsv(form->concretes, '.');

    // The second concrete repeats the first one's name.
    const QString bad = folder.filePath(QStringLiteral("bad.json"));
    QByteArray text = ReadAll(path);
    text.replace("K\xC3\xBC" "che 45", "C30");
    WriteAll(bad, text);

    platform->saveChangesAnswers = {Answer::Discard};
    platform->openAnswers = {bad};
    form->OpenLibrary1->trigger();
    QCOMPARE(platform->messages.size(), 1);
    QCOMPARE(platform->messages[0].kind, Platform::MsgKind::Warning);
    const QString message = platform->messages[0].text;
    QVERIFY2(message.contains(QDir::toNativeSeparators(bad)) &&
                 message.contains("Concrete 2 \"C30\"") && message.contains("field \"name\""),
             qPrintable(message));
    QCOMPARE(RowTexts(form->lst1), rows);
    QCOMPARE(SeriesLooks(form->cht1) + SeriesLooks(form->cht2), curves);
    QCOMPARE(BuildConcreteCsv(form->concretes, '.'), csv);
    // Still the list of a.json, with its unsaved change.
    QCOMPARE(form->LibraryPath(), path);
    QVERIFY(form->LibraryModified());
}

void TestLibraryWindow::closingAsks_data()
{
    QTest::addColumn<bool>("everSaved");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("concretesInFile");  // -1: no file was written
    QTest::newRow("save") << true << QList<Answer>{Answer::Save} << true << 4;
    QTest::newRow("discard") << true << QList<Answer>{Answer::Discard} << true << 3;
    QTest::newRow("cancel") << true << QList<Answer>{Answer::Cancel} << false << 3;
    // A list that never was in a file is lost on closing unless the user says so.
    QTest::newRow("untitled, save") << false << QList<Answer>{Answer::Save} << true << 1;
    QTest::newRow("untitled, discard") << false << QList<Answer>{Answer::Discard} << true << -1;
    QTest::newRow("untitled, cancel") << false << QList<Answer>{Answer::Cancel} << false << -1;
}

void TestLibraryWindow::closingAsks()
{
    QFETCH(bool, everSaved);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, closed);
    QFETCH(int, concretesInFile);
    if (everSaved)
        SaveThree();
    Create(*form, QStringLiteral("C50"), QStringLiteral("50"));
    platform->saveChangesAnswers = answers;
    // Saving an untitled list asks for its name first.
    platform->saveAnswers = {path};
    QCOMPARE(form->close(), closed);
    QCOMPARE(platform->saveChangesQuestions,
             QStringList{everSaved ? "Save changes to a.json?" : "Save changes to Untitled?"});
    QCOMPARE(form->isVisible(), !closed);
    if (concretesInFile < 0)
        QVERIFY(!QFile::exists(path));
    else
        QCOMPARE(ParseLibrary(ReadAll(path), path).size(), std::size_t(concretesInFile));
    QCOMPARE(form->concretes.size(), std::size_t(everSaved ? 4 : 1));
}

void TestLibraryWindow::untitledSaveCancelledKeepsTheWindow()
{
    Create(*form, QStringLiteral("C50"), QStringLiteral("50"));
    platform->saveChangesAnswers = {Answer::Save};
    // The Save As dialog cancelled: nothing is saved, so nothing may be lost.
    QVERIFY(!form->close());
    QCOMPARE(platform->saveRequests.size(), 1);
    QVERIFY(form->isVisible());
    QCOMPARE(form->concretes.size(), std::size_t(1));
}

void TestLibraryWindow::openingAsks_data()
{
    QTest::addColumn<bool>("everSaved");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("question");
    const QString saved = QStringLiteral("Save changes to a.json?");
    QTest::newRow("save") << true << Answer::Save << true << saved;
    QTest::newRow("discard") << true << Answer::Discard << true << saved;
    QTest::newRow("cancel") << true << Answer::Cancel << false << saved;
    // A list that never was in a file would be lost without a word.
    const QString untitled = QStringLiteral("Save changes to Untitled?");
    QTest::newRow("untitled, save") << false << Answer::Save << true << untitled;
    QTest::newRow("untitled, cancel") << false << Answer::Cancel << false << untitled;
}

void TestLibraryWindow::openingAsks()
{
    QFETCH(bool, everSaved);
    QFETCH(Answer, answer);
    QFETCH(bool, opened);
    QFETCH(QString, question);

    // The library to open: one concrete.
    const QString other = folder.filePath(QStringLiteral("other.json"));
    {
        ConcreteRegistry one;
        one.Add(std::make_unique<CConcrete>("Lib", 30000, 20.1, 2.01, 0.748, 1.26, 0.00147,
                                            9.5e-05, 0.016, 0.0007));
        WriteLibrary(other, one);
    }
    if (everSaved)
        SaveThree();
    Create(*form, QStringLiteral("C50"), QStringLiteral("50"));
    const QString untitledPath = folder.filePath(QStringLiteral("untitled.json"));
    QFile::remove(untitledPath);
    platform->saveAnswers = {untitledPath};
    platform->saveChangesAnswers = {answer};
    platform->openAnswers = {other};
    form->OpenLibrary1->trigger();

    QCOMPARE(platform->saveChangesQuestions, QStringList{question});
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));
    // Cancel stops before the file dialog.
    QCOMPARE(platform->openRequests.size(), opened ? 1 : 0);
    const QStringList kept = everSaved
                                 ? QStringList{"C30[x]", "Küche 45[ ]", "c30[x]", "C50[x]"}
                                 : QStringList{"C50[x]"};
    QCOMPARE(RowTexts(form->lst1), opened ? QStringList{"Lib[x]"} : kept);
    if (answer == Answer::Save) {
        const QString savedTo = everSaved ? path : untitledPath;
        QCOMPARE(ParseLibrary(ReadAll(savedTo), savedTo).back()->ConcreteName,
                 std::string("C50"));
    }
    if (opened)
        QCOMPARE(form->LibraryPath(), other);
}

void TestLibraryWindow::noQuestionWithoutChanges()
{
    // An empty list closes at once, also after its concretes were deleted.
    QVERIFY(form->close());
    form = NewWindow();
    Create(*form, QStringLiteral("C30"), QStringLiteral("30"));
    QTest::mouseClick(form->btn3, Qt::LeftButton);
    QVERIFY(form->close());
    // Saved and untouched since: closes at once too.
    form = NewWindow();
    SaveThree();
    QVERIFY(form->close());
    QVERIFY(platform->saveChangesQuestions.isEmpty());
}

void TestLibraryWindow::droppedLibraryOpens()
{
    SaveThree();
    auto other = NewWindow();
    Create(*other, QStringLiteral("C50"), QStringLiteral("50"));

    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint at = other->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(other.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(other.get(), &dropped);
        return dropped.isAccepted();
    };

    // Not a library file: the window does not take it.
    QVERIFY(!drop({QUrl::fromLocalFile(folder.filePath("data.csv"))}));
    QVERIFY(!drop({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)}));
    QVERIFY(!drop({QUrl(QStringLiteral("https://example.com/a.json"))}));

    // The unsaved list is asked about first; Cancel keeps it.
    QVERIFY(drop({QUrl::fromLocalFile(path)}));
    QTRY_COMPARE(platform->saveChangesQuestions.size(), 1);
    QCOMPARE(RowTexts(other->lst1), QStringList{"C50[x]"});

    platform->saveChangesAnswers = {Answer::Discard};
    QVERIFY(drop({QUrl::fromLocalFile(path)}));
    QTRY_COMPARE(other->lst1->Count(), 3);
    QCOMPARE(RowTexts(other->lst1), RowTexts(form->lst1));
    QCOMPARE(other->LibraryPath(), path);
}

QTEST_MAIN(TestLibraryWindow)
#include "tst_librarywindow.moc"
