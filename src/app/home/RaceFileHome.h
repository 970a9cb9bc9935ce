#pragma once
// Where the race desk keeps its settings file and race files (App.Path). A portable copy, the program
// carried on a USB stick with its settings file beside it, keeps them beside the program. Every other copy
// keeps them in the user's own folder "Brisrundan" among the documents: a rebuild or an update of the
// program never takes a club's race files with it, and an installed program never writes beside itself.
#include <QString>

namespace home {

// What the program finds on the machine when it starts.
struct Facts {
    QString programDir;            // the executable's folder
    bool portableSettings = false; // a writable Vindo.ini stands in programDir
    QString documentsDir;          // the user's documents folder; empty when the system knows none
};

struct Choice {
    QString appPath;
    bool prepare = false; // make the folder and copy the example race and the sound into it
};

Choice chooseHome(const Facts& facts);

// True when Vindo.ini stands in dir and the desk can write it: the file and the folder (the settings are
// replaced through a temporary file beside them) are writable and neither is marked read-only.
bool portableSettingsIn(const QString& dir);

// The folder with the shipped files: beside the program in a build tree, else the installed data folder.
// Empty when neither holds the example race.
QString dataDirFor(const QString& programDir);

// Makes the folder home unless it exists and copies into it whichever of the example race and the sound
// it lacks, from dataDir; the example race is copied read-only. False when the folder cannot be made.
bool prepareHome(const QString& home, const QString& dataDir);

// App.Path for this run, the chosen folder prepared. A per-user folder that cannot be made leaves the
// program's own folder.
QString raceFileHome(const QString& programDir, const QString& documentsDir);

} // namespace home
