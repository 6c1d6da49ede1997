#pragma once

#include <QByteArray>
#include <QChar>
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// What a run of the command-line program gave; exitCode -1 when it crashed or hung.
struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs the command-line program under the given locale, with no display of its own: it must
// need none.
inline CliResult RunCli(const QStringList& arguments, const QByteArray& locale = "C.UTF-8",
                        const QString& program = QStringLiteral(TARVOLIN_CLI_PATH))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    CliResult result;
    // A run that never ends or crashes keeps exit code -1 and says which in err, so a failure
    // far away (under Wine, on a loaded machine) can be told from a wrong exit code.
    if (!process.waitForFinished(60000)) {
        result.err = QStringLiteral("did not end within 60 s (%1)").arg(process.errorString());
        return result;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        result.err = QStringLiteral("crashed: %1").arg(process.errorString());
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The decimal separator a run under `locale` must use. Linux takes it from the locale the run is
// given; Windows from its regional settings, which this test program and the program it runs
// share whatever LC_ALL says.
inline QChar SeparatorUnder(const QByteArray& locale)
{
#ifdef Q_OS_WIN
    Q_UNUSED(locale);
    return QLocale::system().decimalPoint().at(0);
#else
    return locale.startsWith("de_") ? QChar(u',') : QChar(u'.');
#endif
}

// A helper program of the test machine (pdfinfo, pdftotext). On Windows only a Windows program
// will do: under Wine the Linux programs on the PATH are found too, and cannot read Windows paths.
inline QString FindTool(const QString& name)
{
#ifdef Q_OS_WIN
    return QStandardPaths::findExecutable(name + QStringLiteral(".exe"));
#else
    return QStandardPaths::findExecutable(name);
#endif
}
