#pragma once

#include "export/ExportStore.h"
#include "model/ClassListaCommesse.h"

#include <QString>

// The values the uploader receives, as the main window holds them (settings file and DMS
// document).
struct UploaderSettings {
    QString Enviroment;  // "production" or "goldmain"
    QString PIvaCarr;    // the dealer's VAT number
    QString ApiKey;
    QString UtenteDMS;
    QString PasswordDMS;
    QString MarcaAutorizzata;
    QString CodiceOfficina;
};

// The uploader's parameter string. The values go in as they are, without quotes or
// escaping: an empty value leaves its option followed by nothing, and a value with a blank
// reaches the uploader as two words. The export file's path closes the string, in double
// quotes and with the system's separators.
QString uploaderParameters(const UploaderSettings& settings, const QString& exportFile);

// Throws TavornoError, naming the setting to correct, when a value would not reach the
// uploader as the one word it must be: an empty value (the next option would take its
// place), or one with a blank or a double quote (the words would split or merge).
void requireDeliverableValues(const UploaderSettings& settings);

// Starts `program` with the parameter string and does not wait for it. On Windows the
// string is the program's command line; elsewhere the program receives the words a
// Windows program would make of it. Throws TavornoError when the program cannot be
// started.
void startUploader(const QString& program, const QString& parameters);

// The send step after a successful generation: asks "Vuoi spedire ora tutte le commesse
// generate?"; on Si checks the values (requireDeliverableValues), takes the database's
// write lock, starts the uploader on `exportFile`, then marks the job orders of the list as
// sent and commits. Nothing is started or marked when the user says No, a value would not
// reach the uploader, or the lock cannot be had (each of these but No throws a TavornoError
// that says so); nothing is marked when the uploader cannot be started. Job orders deleted
// since the export cannot be marked: a message names them and the others stay marked.
// Returns true when the uploader was started.
bool sendExport(const TListaCommesse& lista, ExportStore& store, const UploaderSettings& settings,
                const QString& exportFile, const QString& uploaderProgram);
