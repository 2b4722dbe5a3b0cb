// The modal questions and outside services of the main frame: the save question with
// three answers, the file dialogs, the print dialogs and the desktop's viewer for links
// that lead out of the help. The
// program shows real dialogs (qtframeui.h); tests answer from a script.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

class FrameUi
{
public:
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~FrameUi() = default;

    // "Änderungen in <title> speichern?" with Speichern, Verwerfen and Abbrechen.
    virtual SaveAnswer askSaveChanges(const QString &title) = 0;
    // At the start, after a session that did not end normally left unsaved changes:
    // true to restore them ("Wiederherstellen"), false to throw them away ("Verwerfen").
    virtual bool askRestoreRecovered() = 0;
    // A document file to open; empty when cancelled.
    virtual QString openFileName() = 0;
    // A field file to open or to make ("Feld öffnen …"); empty when cancelled.
    virtual QString fieldFileName() = 0;
    // The address of a field database on a server ("Felddatenbank verbinden …"), offered
    // starting from `last`; empty when cancelled.
    virtual QString fieldAddress(const QString &last) = 0;
    // "Abstand zu allen …": how far around the well (metres) the wellbores of the field
    // shown as `field` take part in its scan, starting from `last`; none when cancelled.
    virtual std::optional<double> scanRadius(const QString &field, double last) = 0;
    // A file name to save under, starting from `suggested`; empty when cancelled.
    virtual QString saveFileName(const QString &suggested) = 0;
    // A file to export the computed survey to, starting from `suggested`, with the file
    // dialog's `filters`; `filter` receives the index of the filter chosen. Empty when
    // cancelled.
    virtual QString exportFileName(
        const QString &suggested, const QStringList &filters, int &filter)
        = 0;
    // A file to save a picture to ("Bild speichern"), starting from `suggested`, with the
    // file dialog's `filters`; `filter` receives the index of the filter chosen. Empty
    // when cancelled.
    virtual QString imageFileName(const QString &suggested, const QStringList &filters, int &filter)
        = 0;
    // The width and height of an image in pixels, starting from `size`; false when
    // cancelled.
    virtual bool imageSize(QSize &size) = 0;
    // The print dialog on `printer` offering pages 1 to `maxPage`; false when cancelled.
    virtual bool printDialog(QPrinter &printer, int maxPage) = 0;
    // The printer set-up dialog on `printer`.
    virtual void printSetup(QPrinter &printer) = 0;
    // Opens a local file or a web address (from a link in the help) with the desktop's
    // viewer; false when that failed.
    virtual bool openWithDesktop(const QString &path) = 0;
};
