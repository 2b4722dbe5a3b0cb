// Writes the graph page of a survey (and the pictures of its neighbouring wells) to a file, chosen
// by the file's extension:
//   .png  the plain screen's layout, 10 pixels per mm, cropped to the part of the page
//         the graph uses;
//   .svg  the same area as a vector drawing;
//   .pdf  one A4 portrait page laid out as a printed sheet.
// Each file gets a page composed for its own target (pagetarget.h) from the data, exactly
// as the view and the printout compose theirs.
//
// The caller must have created a QGuiApplication (fonts need it); without a display,
// run it on the offscreen platform (QT_QPA_PLATFORM=offscreen or "-platform offscreen").
#pragma once

#include "graph/cylinder.h"
#include "graph/ladder.h"
#include "graph/plotdata.h"

#include <functional>
#include <string>

class QSaveFile;

// `docTitle` is the document's title for the "Dokument" line; `path` is a file name.
// Returns false with a message in the program's language in `error` for an unknown
// extension, a missing QGuiApplication or a file that
// cannot be written; an existing file is then left as it was. `trueScale` draws the side view in
// equal scales (the top view always is).
bool exportGraphPage(const PlotData &data, const std::string &docTitle, const std::string &path,
    std::string &error, bool trueScale = false);

// The ladder of the neighbouring wells (ladder.h) into a file in the same manner: the
// screen layout for PNG and SVG, an A4 sheet for PDF.
bool exportLadderPage(const LadderData &data, const std::string &docTitle, const std::string &path,
    std::string &error);

// The travelling cylinder (cylinder.h) likewise.
bool exportCylinderPage(const CylinderData &data, const std::string &docTitle,
    const std::string &path, std::string &error);

// Writes the picture that `write` draws into the open `file` to `path` all or nothing:
// the page and image exports' way to a file. False with the message naming the file and
// the reason in `error`; an existing file is then left as it was.
bool writePictureFile(
    const std::string &path, const std::function<bool(QSaveFile &file)> &write, std::string &error);
