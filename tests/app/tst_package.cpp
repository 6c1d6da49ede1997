// Packaging: what a distribution expects beside the program (AppStream data, manual pages,
// copyright and changelog), installed into a scratch prefix, and the Debian package CPack makes
// from this build tree, checked with the tools Debian itself checks packages with.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "support/BuildTree.h"

namespace {

const QString AppStreamId = QStringLiteral("org.example.tarvolin");
const QString Version = QStringLiteral(TARVOLIN_VERSION);

using buildtree::BuildDir;
using buildtree::CacheValue;

struct Run {
    bool started = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run RunTool(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
            int timeoutMs = 300000)
{
    Run run;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return run;
    run.started = process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray Describe(const Run& run)
{
    return "exit " + QByteArray::number(run.exitCode) + "\n" + run.out + run.err;
}

// The programs the build installs: the window, and the command line once the build has one.
QStringList Programs(const QString& prefix)
{
    return QDir(prefix + QStringLiteral("/bin")).entryList(QDir::Files, QDir::Name);
}

// Every file the package has to hold, relative to /usr.
QStringList PackagedFiles(const QString& prefix)
{
    QStringList files;
    for (const QString& program : Programs(prefix)) {
        files << QStringLiteral("bin/") + program;
        files << QStringLiteral("share/man/man1/%1.1.gz").arg(program);
    }
    files << QStringLiteral("share/applications/tarvolin.desktop")
          << QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppStreamId)
          << QStringLiteral("share/icons/hicolor/scalable/apps/tarvolin.svg")
          << QStringLiteral("share/doc/tarvolin/copyright")
          << QStringLiteral("share/doc/tarvolin/changelog.gz");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/tarvolin.png").arg(size);
    return files;
}

struct Release {
    QString version;
    QString date;
};

struct MetaInfo {
    QString id;
    QString launchable;
    QStringList binaries;
    QList<Release> releases;
    QString screenshotUrl;
    QSize screenshotSize;
};

MetaInfo ReadMetaInfo(const QString& path, QString* error)
{
    MetaInfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return info;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == QLatin1String("id")) {
            info.id = xml.readElementText();
        } else if (name == QLatin1String("launchable")) {
            info.launchable = xml.readElementText();
        } else if (name == QLatin1String("binary")) {
            info.binaries << xml.readElementText();
        } else if (name == QLatin1String("release")) {
            info.releases.append({attributes.value(QLatin1String("version")).toString(),
                                  attributes.value(QLatin1String("date")).toString()});
        } else if (name == QLatin1String("image")) {
            info.screenshotSize = QSize(attributes.value(QLatin1String("width")).toInt(),
                                        attributes.value(QLatin1String("height")).toInt());
            info.screenshotUrl = xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return info;
}

}  // namespace

class tst_Package : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void metaInfoIsValid();
    void metaInfoMatchesTheInstall();
    void releaseNotesNameThisVersion();
    void everyProgramHasItsManualPage();
    void installedCommandLineDraws();
    void manualPagesRenderCleanly_data();
    void manualPagesRenderCleanly();

    void packageHoldsEveryFile_data();
    void packageHoldsEveryFile();
    void packageControlFields();
    void lintianFindsNoError();

private:
    // Builds the .deb once, for the tests that need it; skips or fails them as it must.
    bool Package();

    QTemporaryDir prefix;
    QTemporaryDir packageDir;
    QString deb;
    QString packageProblem;
    bool packageTried = false;
    QStringList packageFiles;
};

void tst_Package::initTestCase()
{
    QVERIFY(prefix.isValid());
    const QString cmake = CacheValue(QStringLiteral("CMAKE_COMMAND"));
    QVERIFY2(!cmake.isEmpty(), qPrintable(QStringLiteral("no CMakeCache.txt in ") + BuildDir()));
    const Run install = RunTool(cmake, {QStringLiteral("--install"), BuildDir(),
                                        QStringLiteral("--prefix"), prefix.path()});
    QVERIFY2(install.started && install.exitCode == 0, Describe(install).constData());
}

void tst_Package::metaInfoIsValid()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli is missing (Debian appstream; scripts/setup installs it)");
    const QString path =
        prefix.filePath(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppStreamId));
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    // Without --no-net it would fetch the screenshot from the website, which is not ours to
    // reach from a test; warnings fail the validation as errors do.
    const Run validate = RunTool(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             QStringLiteral("--pedantic"), path});
    QVERIFY2(validate.started && validate.exitCode == 0, Describe(validate).constData());
}

void tst_Package::metaInfoMatchesTheInstall()
{
    QString error;
    const MetaInfo info = ReadMetaInfo(
        prefix.filePath(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppStreamId)), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    // The software centre finds the file by its name and the menu entry by the launchable.
    QCOMPARE(info.id, AppStreamId);
    QVERIFY2(QFileInfo::exists(prefix.filePath(QStringLiteral("share/applications/") +
                                               info.launchable)),
             qPrintable(info.launchable));
    QVERIFY(!info.binaries.isEmpty());
    for (const QString& binary : info.binaries)
        QVERIFY2(QFileInfo(prefix.filePath(QStringLiteral("bin/") + binary)).isExecutable(),
                 qPrintable(binary));

    // The picture the software centre shows is the one in the repository, at its real size.
    QVERIFY(info.screenshotUrl.startsWith(QLatin1String("https://")));
    const QString screenshot = CacheValue(QStringLiteral("CMAKE_HOME_DIRECTORY")) +
                               QStringLiteral("/docs/") + QFileInfo(info.screenshotUrl).fileName();
    QImageReader reader(screenshot);
    QVERIFY2(reader.canRead(), qPrintable(screenshot));
    QCOMPARE(info.screenshotSize, reader.size());
}

void tst_Package::releaseNotesNameThisVersion()
{
    // A new project version needs its release entry on top of the software centre's list and
    // of the Debian changelog; dates newest first.
    QString error;
    const MetaInfo info = ReadMetaInfo(
        prefix.filePath(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppStreamId)), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!info.releases.isEmpty());
    QCOMPARE(info.releases.first().version, Version);
    for (qsizetype i = 1; i < info.releases.size(); ++i)
        QVERIFY2(info.releases[i - 1].date >= info.releases[i].date,
                 qPrintable(info.releases[i].version));

    const Run changelog = RunTool(QStringLiteral("gzip"),
                                  {QStringLiteral("-dc"),
                                   prefix.filePath(QStringLiteral("share/doc/tarvolin/changelog.gz"))});
    QVERIFY2(changelog.started && changelog.exitCode == 0, Describe(changelog).constData());
    const QString first = QString::fromUtf8(changelog.out).section(QLatin1Char('\n'), 0, 0);
    QVERIFY2(first.startsWith(QStringLiteral("tarvolin (%1) ").arg(Version)), qPrintable(first));
}

void tst_Package::everyProgramHasItsManualPage()
{
    const QStringList installed = Programs(prefix.path());
    QVERIFY(installed.contains(QStringLiteral("tarvolin")));
    for (const QString& program : installed) {
        const QString page = prefix.filePath(QStringLiteral("share/man/man1/%1.1.gz").arg(program));
        QVERIFY2(QFileInfo::exists(page), qPrintable(page));
        // The footer carries the version the build filled in.
        const Run text = RunTool(QStringLiteral("gzip"), {QStringLiteral("-dc"), page});
        QVERIFY2(text.started && text.exitCode == 0, Describe(text).constData());
        QVERIFY2(text.out.contains(".TH " + program.toUpper().toUtf8() + " 1 "), text.out.constData());
        QVERIFY2(text.out.contains("\"Tarvolin " + Version.toUtf8() + "\""),
                 qPrintable(program + QStringLiteral(": no version ") + Version));
    }
}

// The installed tarvolin-cli finds the program it draws with in the install's own tree, not
// beside itself as in the build tree.
void tst_Package::installedCommandLineDraws()
{
    const QString cli = prefix.filePath(QStringLiteral("bin/tarvolin-cli"));
    if (!QFileInfo(cli).isExecutable())
        QSKIP("this build has no tarvolin-cli");
    QVERIFY(!QFileInfo::exists(prefix.filePath(QStringLiteral("bin/tarvolin-cli-draw"))));
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    const Run run = RunTool(cli, {QStringLiteral("pictures"), QStringLiteral("--grade"),
                                  QStringLiteral("30"), QStringLiteral("--format"),
                                  QStringLiteral("png"), QStringLiteral("-o"), out.path()},
                            environment);
    QVERIFY2(run.started && run.exitCode == 0, run.err.constData());
    QCOMPARE(QDir(out.path()).entryList(QDir::Files),
             QStringList({QStringLiteral("Compression.png"), QStringLiteral("Tension.png")}));
}

void tst_Package::manualPagesRenderCleanly_data()
{
    // Every page we write, packaged by this build or not yet.
    QTest::addColumn<QString>("page");
    const QDir pages(CacheValue(QStringLiteral("CMAKE_HOME_DIRECTORY")) +
                     QStringLiteral("/resources/man"));
    const QStringList names = pages.entryList({QStringLiteral("*.1")}, QDir::Files);
    QVERIFY(names.contains(QStringLiteral("tarvolin.1")));
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << pages.filePath(name);
}

void tst_Package::manualPagesRenderCleanly()
{
    QFETCH(QString, page);
    const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
    if (man.isEmpty())
        QSKIP("man is missing (Debian man-db; scripts/setup installs it)");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    environment.remove(QStringLiteral("MANPAGER"));
    environment.remove(QStringLiteral("PAGER"));
    // --warnings passes groff's own warnings on (bad requests, lines that overflow, unknown
    // escapes); a clean page prints none.
    const Run render = RunTool(man, {QStringLiteral("--warnings"), QStringLiteral("-E"),
                                     QStringLiteral("UTF-8"), QStringLiteral("-l"), page},
                               environment);
    QVERIFY2(render.started && render.exitCode == 0, Describe(render).constData());
    QVERIFY2(render.err.isEmpty(), render.err.constData());

    // whatis and apropos read the NAME line: "program - what it does".
    const QString text = QString::fromUtf8(render.out);
    const QString program = QFileInfo(page).completeBaseName();
    const QRegularExpression nameLine(QStringLiteral("NAME\\n\\s+%1 +- \\S").arg(
        QRegularExpression::escape(program)));
    QVERIFY2(nameLine.match(text).hasMatch(), qPrintable(text.left(400)));
}

bool tst_Package::Package()
{
    if (packageTried)
        return !deb.isEmpty();
    packageTried = true;

    // The sanitized build is not what gets shipped, and the Release run of the suite packages
    // the same sources: building the .deb twice per CI run buys nothing.
    if (CacheValue(QStringLiteral("TARVOLIN_SANITIZE")).toUpper() == QLatin1String("ON")) {
        packageProblem = QStringLiteral("skip:the sanitized build is not packaged; "
                                        "the Release suite checks the package");
        return false;
    }
    for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps", "file"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            packageProblem = QStringLiteral("skip:%1 is missing (Debian dpkg-dev and file; "
                                            "scripts/setup installs them)").arg(QLatin1String(tool));
            return false;
        }
    }
    const QString cpack = CacheValue(QStringLiteral("CMAKE_CPACK_COMMAND"));
    if (!packageDir.isValid() || !QFileInfo(cpack).isExecutable()) {
        packageProblem = QStringLiteral("no cpack in the build's cache, or no scratch folder: ") + cpack;
        return false;
    }
    // Packed from this build tree into a scratch folder, so the build tree stays as it was.
    const Run pack = RunTool(cpack, {QStringLiteral("-G"), QStringLiteral("DEB"),
                                     QStringLiteral("--config"),
                                     BuildDir() + QStringLiteral("/CPackConfig.cmake"),
                                     QStringLiteral("-B"), packageDir.path()});
    const QStringList debs =
        QDir(packageDir.path()).entryList({QStringLiteral("tarvolin_*.deb")}, QDir::Files);
    if (!pack.started || pack.exitCode != 0 || debs.size() != 1) {
        packageProblem = QStringLiteral("cpack failed: ") + QString::fromUtf8(Describe(pack));
        return false;
    }
    deb = packageDir.filePath(debs.first());

    const Run contents = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
    if (!contents.started || contents.exitCode != 0) {
        packageProblem = QString::fromUtf8(Describe(contents));
        deb.clear();
        return false;
    }
    // "-rwxr-xr-x root/root 123 2026-01-01 00:00 ./usr/bin/tarvolin"
    for (const QString& line : QString::fromUtf8(contents.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        packageFiles << line.section(QLatin1Char(' '), -1).mid(1);
    return true;
}

#define REQUIRE_PACKAGE()                                                                          \
    do {                                                                                           \
        if (!Package()) {                                                                          \
            if (packageProblem.startsWith(QLatin1String("skip:")))                                 \
                QSKIP(qPrintable(packageProblem.mid(5)));                                          \
            QFAIL(qPrintable(packageProblem));                                                     \
        }                                                                                          \
    } while (false)

void tst_Package::packageHoldsEveryFile_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : PackagedFiles(prefix.path()))
        QTest::newRow(qPrintable(file)) << QStringLiteral("/usr/") + file;
}

void tst_Package::packageHoldsEveryFile()
{
    QFETCH(QString, file);
    REQUIRE_PACKAGE();
    QVERIFY2(packageFiles.contains(file), qPrintable(packageFiles.join(QLatin1Char('\n'))));
}

void tst_Package::packageControlFields()
{
    REQUIRE_PACKAGE();
    QMap<QString, QString> fields;
    for (const char* field : {"Package", "Version", "Section", "Depends", "Maintainer", "Homepage"}) {
        const Run read = RunTool(QStringLiteral("dpkg-deb"),
                                 {QStringLiteral("--field"), deb, QLatin1String(field)});
        QVERIFY2(read.started && read.exitCode == 0, Describe(read).constData());
        fields.insert(QLatin1String(field), QString::fromUtf8(read.out).trimmed());
    }
    QCOMPARE(fields[QStringLiteral("Package")], QStringLiteral("tarvolin"));
    QCOMPARE(fields[QStringLiteral("Version")], Version);
    QCOMPARE(fields[QStringLiteral("Section")], QStringLiteral("science"));
    QVERIFY(fields[QStringLiteral("Maintainer")].contains(QLatin1Char('@')));
    QVERIFY(fields[QStringLiteral("Homepage")].startsWith(QLatin1String("https://")));

    // The fonts the window is laid out for, and libraries found by dpkg-shlibdeps in the
    // program itself: a package that left them out would install and then not start.
    QStringList depends;
    for (const QString& entry : fields[QStringLiteral("Depends")].split(QLatin1Char(',')))
        for (const QString& alternative : entry.split(QLatin1Char('|')))
            depends << alternative.trimmed().section(QLatin1Char(' '), 0, 0);
    for (const char* package : {"fonts-liberation2", "fonts-wqy-microhei", "fonts-noto-cjk",
                                "libqt6widgets6", "libqcustomplot2.1-qt6", "libc6"})
        QVERIFY2(depends.contains(QLatin1String(package)),
                 qPrintable(QLatin1String(package) + QStringLiteral(" not in ") +
                            fields[QStringLiteral("Depends")]));
}

void tst_Package::lintianFindsNoError()
{
    REQUIRE_PACKAGE();
    const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
    if (lintian.isEmpty())
        QSKIP("lintian is missing (Debian lintian; scripts/setup installs it)");
    const Run check = RunTool(lintian, {QStringLiteral("--tag-display-limit"), QStringLiteral("0"), deb});
    QVERIFY(check.started);
    QStringList errors;
    for (const QString& line : QString::fromUtf8(check.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("E: ")))
            errors << line;
        else
            qInfo("%s", qPrintable(line));
    }
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    // Lintian exits non-zero only for errors, or when it could not check at all.
    QVERIFY2(check.exitCode == 0, Describe(check).constData());
}

QTEST_MAIN(tst_Package)
#include "tst_package.moc"
