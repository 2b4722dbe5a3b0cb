// Registers the document type ".dvn" for the current user: the MIME package
// (application/x-dravon-document, *.dvn) and the program's desktop entry, each copied
// from the program's resources when missing, followed by a run of the desktop's cache
// tools if they are installed. Every failure is ignored: the program works without.
#pragma once

#include <QString>

// `dataHome` is the user's data folder (~/.local/share); `executable` the program file
// written into the desktop entry. Does nothing when DRAVON_NO_REGISTER is set. Returns
// the number of files written (for tests).
int registerDesktopFiles(const QString &dataHome, const QString &executable);

// The same with the user's data folder and the running program.
void registerDesktopFilesForUser();
