// Recovery of unsaved work: while the document has unsaved changes, a copy of it is
// written at a fixed interval to a recovery file in the program's data folder, as a
// document file written the way "Speichern" writes one (never half-written). The copy
// goes when the changes are saved or given up on purpose and when the program ends
// normally, so a copy found at the next start means the program did not end normally.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class CDravonDoc;

class DocumentRecovery : public QObject
{
    Q_OBJECT
public:
    // How often the unsaved changes are copied.
    static constexpr std::chrono::milliseconds kInterval = std::chrono::minutes(2);

    // Keeps `doc`'s changes in `folder` (created when needed). Nothing is written
    // before start().
    DocumentRecovery(CDravonDoc &doc, const QString &folder, QObject *parent = nullptr);

    // The program's data folder (QStandardPaths::AppDataLocation).
    static QString standardFolder();

    QString filePath() const;
    // A recovery file is there: before start(), one that a session left which did not
    // end normally.
    bool fileExists() const;

    // Takes the folder for this session: false while another running dravon has it
    // (its copy is its own; this session then keeps none). A session that crashed
    // leaves no claim behind.
    bool claim();

    // Another interval (tests); takes effect at once.
    void setInterval(std::chrono::milliseconds interval);
    // Starts copying at the interval.
    void start();
    // Copies the document now when it has unsaved changes, else removes the copy; false
    // when the copy could not be written.
    bool writeNow();
    // Removes the recovery file (the copy was offered, or nothing is left to recover).
    void remove();
    // The program ends normally: no more copies, and the file goes.
    void finish();

private:
    CDravonDoc &m_doc;
    QString m_folder;
    QLockFile m_lock;
    QTimer m_timer;
};
