#pragma once
// The program's folders, all fixed at start-up, under the per-user application data folder.

#include <QString>

namespace orv {

struct TProgramFolders {
    QString program;       // the application data folder: Versions/, the banner, Sessions/
    QString localData;     // LocalData/
    QString temporary;     // OrvaneTemp/: private to the user (mode 0700), emptied at shutdown
    QString personalities; // Personalities/ (not created)
    QString userImages;    // UserImages/: participant pictures

    // Works out the folders under `program` and creates the ones made at start-up.
    static TProgramFolders Prepare(const QString& program);
};

// "S_" + local time as ddMMyyhhmm + "_" + the tick count: the stem of the recorder's session names.
QString RecordingNameStem();

// Deletes the plain, writable files directly in the folder and, when all of them went, the folder itself.
// False when the folder does not exist or a file could not be deleted. Sub-folders and files that are not
// writable by their owner are left alone.
bool ClearFolder(const QString& folder);

} // namespace orv
