// The application object: settings location, numeric locale, file-type registration,
// the command line, the document with its frame and the about box.
#pragma once

#include <QApplication>

#include <memory>

class CDravonDoc;
class DocumentCommands;
class DocumentRecovery;
class CMainFrame;
class QtFrameUi;
class QtMeasurementDialog;
class QtPrompter;
class QTranslator;
class ScreenshotDriver;
struct CommandLine;

class CDravonApp : public QApplication
{
    Q_OBJECT
public:
    CDravonApp(int &argc, char **argv);
    ~CDravonApp() override;

    // Start-up. Returns -1 when the message loop is to run, otherwise the exit code of
    // a run that is already over (help, print modes, a file that could not be opened).
    int InitInstance();

    CMainFrame *mainFrame() const { return m_frame.get(); }
    CDravonDoc *document() const { return m_doc.get(); }

    // Organisation and application name of the settings, and the C numeric locale for
    // every number Qt reads or writes. Also used by tests.
    static void configure();

    // Installs Qt's German texts for its own dialogs and buttons ("Abbrechen", "Suchen
    // in:"); returns the installed translator, or null when they are not installed.
    static QTranslator *loadGermanQtTexts();

private:
    int printDocument(const CommandLine &line);

    std::unique_ptr<QtPrompter> m_prompter;
    std::unique_ptr<QtMeasurementDialog> m_dialog;
    std::unique_ptr<ScreenshotDriver> m_screenshots;
    std::unique_ptr<CDravonDoc> m_doc;
    std::unique_ptr<DocumentRecovery> m_recovery;
    std::unique_ptr<DocumentCommands> m_commands;
    std::unique_ptr<QtFrameUi> m_frameUi;
    std::unique_ptr<CMainFrame> m_frame;
};
