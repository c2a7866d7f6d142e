#pragma once
// Where the update looks and what it compares: the server base, the download
// category, the program's names and version, the local folder.

#include <QString>

namespace lumo {

struct UpdateSource {
    // The update server's base address, ending with '/'.
    QString serverBase;
    // The folder below "downloads/" on the server; the main window sets it.
    QString UpdateCategory;
    // ProgramBaseName(): the information file is its lower case + ".ini".
    QString baseName;
    // The program file's name with its extension: the setup's name.
    QString fileName;
    // ProgramVersion(), four numbers with dots.
    QString ownVersion;
    // TempFolderPath(), ending with '/'.
    QString tempFolder;

    // The running program's values, the category left empty. The server base
    // is LUMO_UPDATE_BASE from the build; for tests only, the environment
    // variable LUMO_TEST_UPDATE_BASE replaces it.
    static UpdateSource ForProgram();

    QString InformationUrl() const;
    QString SetupUrl() const;
};

} // namespace lumo
