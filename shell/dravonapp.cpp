// Start-up of the desktop program.
#include "shell/dravonapp.h"

#include "dialogs/documentcommands.h"
#include "dialogs/qtmeasurementdialog.h"
#include "dialogs/qtprompter.h"
#include "document/dravondoc.h"
#include "i18n/qt/catalogue.h"
#include "shell/batchui.h"
#include "shell/commandline.h"
#include "shell/desktopregistration.h"
#include "shell/mainframe.h"
#include "shell/pagemargins.h"
#include "shell/programsettings.h"
#include "shell/recovery.h"
#include "shell/qtframeui.h"
#include "shell/screenshotdriver.h"
#include "shell/shellresources.h"
#include "textview/dravonview.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTranslator>
#include <QWindow>

#include <clocale>
#include <cstdio>

namespace {

// Until the window system has put `window` on the screen, and at most two seconds.
void waitUntilExposed(QWidget &window)
{
    QElapsedTimer clock;
    clock.start();
    while (window.windowHandle() && !window.windowHandle()->isExposed() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

} // namespace

CDravonApp::CDravonApp(int &argc, char **argv)
    : QApplication(argc, argv)
{
    configure();
}

CDravonApp::~CDravonApp()
{
    // The frame goes before the document it shows.
    m_frame.reset();
}

void CDravonApp::configure()
{
    initShellResources();
    QCoreApplication::setOrganizationName(programsettings::organisation());
    QCoreApplication::setApplicationName(programsettings::application());
    // Before anything reads a setting (the language, just below): what the first
    // versions stored under their organisation comes along.
    programsettings::adoptEarlierSettings();
    // No display name: the window system would append it to every window title
    // ("Dialogfeld — dravon"); the captions are exactly the program's own.
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/dravon/dravon.svg")));
    // Numbers keep the point whatever the user's locale: Qt's conversions through the
    // C locale, and the C library's too (Qt set it from the environment).
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    i18nqt::install(desktopLanguage(args));
}

QTranslator *CDravonApp::loadGermanQtTexts()
{
    // The program speaks German whatever the user's language, and so do the file, print
    // and message dialogs that Qt supplies.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(
            QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

int CDravonApp::InitInstance()
{
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const CommandLine line = parseCommandLine(args);
    switch (line.mode) {
    case CommandLine::Mode::Help:
        std::fputs(commandLineHelp().toUtf8().constData(), stdout);
        return 0;
    case CommandLine::Mode::Error:
        std::fprintf(stderr, "dravon: %s\n%s", qPrintable(line.error),
            commandLineHelp().toUtf8().constData());
        return 2;
    case CommandLine::Mode::Print:
    case CommandLine::Mode::PrintToPdf:
        return printDocument(line);
    case CommandLine::Mode::Window:
        break;
    }

    registerDesktopFilesForUser();

    m_prompter = std::make_unique<QtPrompter>();
    m_dialog = std::make_unique<QtMeasurementDialog>(*m_prompter);
    MeasurementDialog *dialog = m_dialog.get();
    const QString shots = ScreenshotDriver::folderFromEnvironment();
    if (!shots.isEmpty()) {
        m_screenshots = std::make_unique<ScreenshotDriver>(shots, *m_dialog);
        dialog = m_screenshots.get();
    }
    m_doc = std::make_unique<CDravonDoc>();
    m_doc->reset();
    m_commands = std::make_unique<DocumentCommands>(*m_doc, *m_prompter, *dialog);
    m_frameUi = std::make_unique<QtFrameUi>();
    m_frame = std::make_unique<CMainFrame>(*m_commands, *m_frameUi);
    m_frameUi->setParent(m_frame.get());
    m_prompter->setParent(m_frame.get());
    m_dialog->setParent(m_frame.get());
    m_dialog->setWellCommand([this](QWidget *parent) { m_frame->editWellSettings(parent); });
    if (m_screenshots) {
        m_frame->resize(1000, 720);
        m_screenshots->setFrame(*m_frame);
    }

    // The window is shown first, and is on the screen, so that the measurement dialog of
    // a document opened from the command line centres over it.
    m_frame->show();
    m_frame->reopenField();
    waitUntilExposed(*m_frame);
    // Unsaved changes of a session that did not end normally are offered back before
    // anything else is opened; from here on the changes are kept as they are made.
    m_recovery = std::make_unique<DocumentRecovery>(*m_doc, DocumentRecovery::standardFolder());
    m_frame->startRecovery(*m_recovery);
    if (!line.file.isEmpty() && !m_frame->openDocumentFile(line.file))
        return 1;
    if (m_screenshots)
        m_screenshots->start(*m_frame);
    return -1;
}

int CDravonApp::printDocument(const CommandLine &line)
{
    StderrPrompter prompter;
    ConfirmingDialog dialog;
    CDravonDoc doc;
    DocumentCommands commands(doc, prompter, dialog);
    doc.reset();
    if (!QFileInfo(line.file).isFile()) {
        std::fprintf(
            stderr, "dravon: %s\n", qPrintable(tr("Die Datei %1 gibt es nicht.").arg(line.file)));
        return 1;
    }
    if (!commands.OnOpenDocument(line.file))
        return 1;

    QPrinter printer(QPrinter::HighResolution);
    if (line.mode == CommandLine::Mode::PrintToPdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(line.output);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
            tableMargins(), QPageLayout::Millimeter));
    } else {
        const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
        if (standard.isNull()) {
            std::fprintf(stderr, "dravon: %s\n",
                qPrintable(tr("Es ist kein Standarddrucker eingerichtet.")));
            return 1;
        }
        printer.setPrinterName(standard.printerName());
    }
    printer.setDocName(doc.GetTitle());
    CDravonView view(doc);
    if (view.print(printer) == 0) {
        std::fprintf(
            stderr, "dravon: %s\n", qPrintable(tr("Der Druck konnte nicht begonnen werden.")));
        return 1;
    }
    return 0;
}
