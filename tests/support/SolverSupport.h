#pragma once

// Concretes and outside interpreters for the solver-input tests.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>
#include <string>

#include "model/CodeParameters.h"
#include "model/Concrete.h"

namespace solvertest {

// The default definition of a grade, as the window fills it in; end strains 0.016 and 700e-6.
inline std::unique_ptr<CConcrete> Grade(double fcu, double ecmax = 0.016, double etmax = 700e-6)
{
    const double fck = CalcFck(fcu);
    const double ftk = CalcFtk(fcu);
    // Appended rather than "C" + ...: GCC 12 warns falsely (-Wrestrict) about the latter.
    std::string name = "C";
    name += std::to_string(int(fcu));
    return std::make_unique<CConcrete>(std::move(name), CalcEc(fcu), fck, ftk,
                                       CalcAc(fck), CalcAt(ftk), CalcEck(fck), CalcEtk(ftk),
                                       ecmax, etmax);
}

// C30 of the worked example in the user guide.
inline std::unique_ptr<CConcrete> C30(std::string name = "C30")
{
    return std::make_unique<CConcrete>(std::move(name), 30000, 20.1, 2.01, 0.75, 1.26, 1471e-6,
                                       95e-6, 0.016, 700e-6);
}

// Runs an interpreter with `script` (given on the command line) and `input` on its standard
// input. Returns false, after QSKIP-able reason in `why`, when the program is missing.
struct Run {
    bool started = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline Run RunProgram(const QString& program, const QStringList& arguments,
                      const QByteArray& input, const QString& workingDirectory = {})
{
    Run run;
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return run;
    run.started = true;
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// A stand-in package openseespy in `folder` whose module opensees has `source` as its code, so
// that an OpenSeesPy script runs without OpenSees.
inline bool WriteOpenSeesPyStub(const QString& folder, const QByteArray& source)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("openseespy")))
        return false;
    QFile init(dir.filePath(QStringLiteral("openseespy/__init__.py")));
    QFile module(dir.filePath(QStringLiteral("openseespy/opensees.py")));
    return init.open(QIODevice::WriteOnly) && module.open(QIODevice::WriteOnly) &&
           module.write(source) == source.size();
}

#ifdef Q_OS_WIN
// Whatever Python the Windows machine has on its PATH; without one the cases skip.
inline const QString kPython = QStringLiteral("python");
#else
// Debian's interpreter; the first python3 on PATH may be another one.
inline const QString kPython = QStringLiteral("/usr/bin/python3");
#endif

}  // namespace solvertest
