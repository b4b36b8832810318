#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of a program of ours (the admin tool, the uploader stand-in) to its end.
struct ProgramRun {
    // The exit status; -1 when the program crashed or did not end within 30 s, so that a
    // crash never passes for a failure exit.
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(
    const QString& program, const QStringList& arguments, const QString& workFolder = QString(),
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
