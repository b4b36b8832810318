#pragma once

#include <QString>
#include <QStringList>

// One sub-command of tavorno-admin: its name, a line of help, and what it runs with the
// arguments that follow its name. Returns the exit status.
struct AdminCommand {
    QString name;
    QString usage;
    QString help;
    int (*run)(const QStringList& arguments);
};

// Output helpers: text to standard output or standard error, UTF-8, one line each; the
// program's line breaks (CR LF) become the terminal's.
void printOut(const QString& text);
void printErr(const QString& text);

int runInitDb(const QStringList& arguments);
int runCheckDb(const QStringList& arguments);
int runBackup(const QStringList& arguments);
int runDmsShow(const QStringList& arguments);
int runExport(const QStringList& arguments);
