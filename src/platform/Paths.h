#pragma once

#include <QString>

// Where the program finds its files. The settings file and the uploader are relative to
// the working folder; the DMS folder is C:\IDAPI\STAMPA on Windows, ~/IDAPI/STAMPA
// elsewhere, or the folder the optional settings key CartellaDMS names (a relative path is
// taken from the working folder).
namespace Paths {

QString settingsFile();
QString dmsFolder();
QString dmsDocument();
QString exportDocument();
QString uploaderProgram();

}  // namespace Paths
