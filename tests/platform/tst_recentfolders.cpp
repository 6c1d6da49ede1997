// Where the file dialogs open: library, solver-input and picture dialogs in the folder last used
// for their kind of file, across runs, else in Documents (else home); Save Data and Save
// Picture where they always did. The settings live in FakePlatform's own temporary folder.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "concretewindow/Unit1.h"
#include "dialogs/PictureExport.h"
#include "dialogs/PictureOptions.h"
#include "dialogs/SolverExportDialog.h"
#include "platform/RecentFolders.h"
#include "support/FakePlatform.h"

namespace {

QString DefaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

class TestRecentFolders : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachKindStartsWhereItWasLastUsed_data();
    void eachKindStartsWhereItWasLastUsed();
    void vanishedFolderFallsBack();
    void saveDataAndSavePictureKeepTheirFolder();

private:
    std::unique_ptr<TForm1> NewWindow();
    // Runs one use of a kind's dialog, answered with answer (empty: cancelled); returns the
    // folder the dialog opened at.
    QString Use(const QString& kind, const QString& answer);

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<TForm1> form;
    QTemporaryDir folder;
};

void TestRecentFolders::init()
{
    platform = std::make_unique<FakePlatform>();
    form = NewWindow();
    // Pictures are asked no options here: they would be written at once.
    InstallPictureOptionsHook([](QWidget*, PictureChoice&) { return false; });
}

void TestRecentFolders::cleanup()
{
    InstallPictureOptionsHook({});
    form.reset();
    platform.reset();
}

std::unique_ptr<TForm1> TestRecentFolders::NewWindow()
{
    auto window = std::make_unique<TForm1>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not shown");
    // One concrete, so that the export dialogs have something to write.
    window->cbb1->setEditText(QStringLiteral("30"));
    QTest::mouseClick(window->btn1, Qt::LeftButton);
    return window;
}

QString TestRecentFolders::Use(const QString& kind, const QString& answer)
{
    platform->Clear();
    if (kind == QLatin1String("open library")) {
        platform->openAnswers = {answer};
        // The list is no one's loss here.
        platform->saveChangesAnswers = {Platform::SaveAnswer::Discard};
        form->OpenLibrary1->trigger();
        return platform->openRequests.value(0).directory;
    }
    if (kind == QLatin1String("save library")) {
        platform->saveAnswers = {answer};
        form->SaveLibraryAs1->trigger();
        const QString directory = platform->saveRequests.value(0).directory;
        // Save As proposes the folder of the file the list is in; a new list starts afresh.
        form = NewWindow();
        return directory;
    }
    if (kind == QLatin1String("abaqus") || kind == QLatin1String("opensees")) {
        SolverExportDialog dialog(kind == QLatin1String("abaqus")
                                      ? SolverExportDialog::Solver::Abaqus
                                      : SolverExportDialog::Solver::OpenSees,
                                  {{&form->concretes.at(0), true}}, form.get());
        platform->saveAnswers = {answer};
        QTest::mouseClick(dialog.saveButton, Qt::LeftButton);
        return platform->saveRequests.value(0).directory;
    }
    if (kind == QLatin1String("chart image")) {
        platform->saveAnswers = {answer};
        SaveChartImageAs(form.get(), form->cht1, QStringLiteral("Compression"));
        return platform->saveRequests.value(0).directory;
    }
    // Both charts into a folder.
    platform->directoryAnswers = {answer.isEmpty() ? QString() : QFileInfo(answer).absolutePath()};
    form->SavePicturesAs1->trigger();
    return platform->directoryRequests.value(0).directory;
}

void TestRecentFolders::eachKindStartsWhereItWasLastUsed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("file");           // the name the dialog is answered with
    QTest::addColumn<QStringList>("sameFolder");  // kinds that share the folder
    QTest::newRow("open library") << "open library" << "lib.json"
                                  << QStringList{"open library", "save library"};
    QTest::newRow("save library") << "save library" << "lib.json"
                                  << QStringList{"open library", "save library"};
    QTest::newRow("abaqus") << "abaqus" << "c.inp" << QStringList{"abaqus"};
    QTest::newRow("opensees") << "opensees" << "c.tcl" << QStringList{"opensees"};
    QTest::newRow("chart image") << "chart image" << "c.png"
                                 << QStringList{"chart image", "pictures"};
    QTest::newRow("pictures") << "pictures" << "c.png" << QStringList{"chart image", "pictures"};
}

void TestRecentFolders::eachKindStartsWhereItWasLastUsed()
{
    QFETCH(QString, kind);
    QFETCH(QString, file);
    QFETCH(QStringList, sameFolder);
    const QStringList kinds = {"open library", "save library", "abaqus", "opensees",
                               "chart image", "pictures"};

    // The first time every dialog opens at Documents, never in the program's folder.
    QCOMPARE(QDir(Use(kind, {})), QDir(DefaultFolder()));
    QVERIFY(QDir(Use(kind, {})) != QDir(QCoreApplication::applicationDirPath()));

    // Used once in a folder of the user's choice.
    const QString used = folder.filePath(kind + QStringLiteral("/") + file);
    QVERIFY(QDir().mkpath(QFileInfo(used).absolutePath()));
    if (kind == QLatin1String("open library")) {
        // A library to open: saved there first by another window, whose folder is then
        // forgotten again.
        platform->saveAnswers = {used};
        form->SaveLibraryAs1->trigger();
        QVERIFY(QFileInfo::exists(used));
        RememberFolder(FolderKind::Library, DefaultFolder());
    }
    Use(kind, used);
    QVERIFY2(platform->messages.isEmpty(), qPrintable(platform->Texts().join('\n')));

    // The next use, in this run and the next, opens there; other kinds keep their own.
    for (int run = 0; run < 2; ++run) {
        for (const QString& other : kinds) {
            const QString expected = sameFolder.contains(other)
                                         ? QFileInfo(used).absolutePath()
                                         : DefaultFolder();
            QCOMPARE(QDir(Use(other, {})), QDir(expected));
        }
        form = NewWindow();
    }
}

void TestRecentFolders::vanishedFolderFallsBack()
{
    {
        QTemporaryDir gone;
        Use(QStringLiteral("abaqus"), gone.filePath(QStringLiteral("c.inp")));
        QCOMPARE(QDir(Use(QStringLiteral("abaqus"), {})), QDir(gone.path()));
    }
    QCOMPARE(QDir(Use(QStringLiteral("abaqus"), {})), QDir(DefaultFolder()));
}

void TestRecentFolders::saveDataAndSavePictureKeepTheirFolder()
{
    Use(QStringLiteral("chart image"), folder.filePath(QStringLiteral("c.png")));
    platform->Clear();
    QTest::mouseClick(form->btn5, Qt::LeftButton);  // Save Data, cancelled
    QTest::mouseClick(form->btn4, Qt::LeftButton);  // Save Picture, cancelled
    const QDir program(QCoreApplication::applicationDirPath());
    QCOMPARE(QDir(platform->saveRequests.value(0).directory), program);
    QCOMPARE(QDir(platform->directoryRequests.value(0).directory), program);
}

QTEST_MAIN(TestRecentFolders)
#include "tst_recentfolders.moc"
