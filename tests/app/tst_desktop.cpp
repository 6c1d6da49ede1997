// Desktop integration: installs the build into a scratch prefix the way a packager would and
// checks that the menu entry is valid and points at the installed program and icons.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "support/BuildTree.h"

namespace {

using buildtree::BuildDir;
using buildtree::CacheValue;

// The keys of the [Desktop Entry] group.
QMap<QString, QString> DesktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.section(QLatin1Char('='), 0, 0).trimmed(),
                        line.section(QLatin1Char('='), 1).trimmed());
    }
    return keys;
}

}  // namespace

class tst_Desktop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void entryIsValid();
    void entryStartsTheInstalledProgram();
    void iconsInstalledInEverySize_data();
    void iconsInstalledInEverySize();

private:
    QTemporaryDir prefix;
    QString entry;
};

void tst_Desktop::initTestCase()
{
    QVERIFY(prefix.isValid());
    const QString cmake = CacheValue(QStringLiteral("CMAKE_COMMAND"));
    QVERIFY2(!cmake.isEmpty(), qPrintable(QStringLiteral("no CMakeCache.txt in ") + BuildDir()));

    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(cmake, {QStringLiteral("--install"), BuildDir(), QStringLiteral("--prefix"),
                          prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());

    entry = prefix.filePath(QStringLiteral("share/applications/tarvolin.desktop"));
    QVERIFY2(QFileInfo::exists(entry), qPrintable(entry));
}

void tst_Desktop::entryIsValid()
{
    const QMap<QString, QString> keys = DesktopEntry(entry);
    QCOMPARE(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(keys.value(QStringLiteral("Name")), QStringLiteral("Tarvolin"));
    QVERIFY(!keys.value(QStringLiteral("Comment")).isEmpty());
    const QStringList categories =
        keys.value(QStringLiteral("Categories")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QVERIFY(categories.contains(QStringLiteral("Science")));
    QVERIFY(categories.contains(QStringLiteral("Engineering")));

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is missing (Debian desktop-file-utils; scripts/setup installs it)");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {entry});
    QVERIFY(validate.waitForFinished(30000));
    const QByteArray output = validate.readAll();
    QVERIFY2(validate.exitCode() == 0, output.constData());
    // It passes with hints too; an entry we ship should draw none.
    QVERIFY2(output.trimmed().isEmpty(), output.constData());
}

void tst_Desktop::entryStartsTheInstalledProgram()
{
    const QMap<QString, QString> keys = DesktopEntry(entry);
    const QString program = keys.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    QCOMPARE(program, QStringLiteral("tarvolin"));
    const QFileInfo installed(prefix.filePath(QStringLiteral("bin/") + program));
    QVERIFY2(installed.isFile() && installed.isExecutable(), qPrintable(installed.filePath()));
    QCOMPARE(keys.value(QStringLiteral("Icon")), QStringLiteral("tarvolin"));

    QFile scalable(prefix.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/tarvolin.svg")));
    QVERIFY(scalable.open(QIODevice::ReadOnly));
    QVERIFY(scalable.readAll().contains("<svg"));
}

void tst_Desktop::iconsInstalledInEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void tst_Desktop::iconsInstalledInEverySize()
{
    QFETCH(int, size);
    const QString path = prefix.filePath(
        QStringLiteral("share/icons/hicolor/%1x%1/apps/tarvolin.png").arg(size));
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
