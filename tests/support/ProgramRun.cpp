#include "support/ProgramRun.h"

#include <gtest/gtest.h>
#include <QProcess>

ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QString& workFolder, const QProcessEnvironment& environment) {
    QProcess process;
    process.setWorkingDirectory(workFolder);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(30000);
    EXPECT_TRUE(finished) << program.toStdString() << ' ' << arguments.join(' ').toStdString()
                          << ": " << process.errorString().toStdString();
    ProgramRun run;
    if (finished && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
