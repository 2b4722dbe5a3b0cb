// Modal dialogs of the frame.
#include "shell/qtframeui.h"

#include "dialogs/imagesizedlg.h"
#include "shell/documentfilter.h"
#include "core/decimalsign.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

FrameUi::SaveAnswer QtFrameUi::askSaveChanges(const QString &title)
{
    // The standard buttons, so that the platform puts them in its order and gives them
    // its roles; their texts come from the program's catalogue, which has them in both
    // languages whether Qt's own catalogue is installed or not.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("dravon"),
        tr("Änderungen in %1 speichern?").arg(title),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    box.button(QMessageBox::Save)->setText(tr("&Speichern"));
    box.button(QMessageBox::Discard)->setText(tr("&Verwerfen"));
    box.button(QMessageBox::Cancel)->setText(tr("Abbrechen"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

bool QtFrameUi::askRestoreRecovered()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("dravon"),
        tr("dravon wurde beim letzten Mal nicht ordnungsgemäß beendet. Es gibt eine Kopie "
           "ungespeicherter Änderungen. Soll sie wiederhergestellt werden?"),
        QMessageBox::Ok | QMessageBox::Discard, m_parent);
    box.setInformativeText(tr("Die wiederhergestellte Bohrung ist unbenannt; speichern Sie sie "
                              "unter einem Namen Ihrer Wahl."));
    box.button(QMessageBox::Ok)->setText(tr("&Wiederherstellen"));
    box.button(QMessageBox::Discard)->setText(tr("&Verwerfen"));
    // No escape button: Esc or closing the box must not throw the copy away.
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

QString QtFrameUi::openFileName()
{
    QFileDialog dialog(m_parent, tr("Öffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({ documentFilter(), tr("Alle Dateien (*)") });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFrameUi::fieldAddress(const QString &last)
{
    bool ok = false;
    const QString address = QInputDialog::getText(m_parent, tr("Felddatenbank verbinden"),
        tr("Adresse der Datenbank auf dem PostgreSQL-Server\n"
           "(postgresql://NUTZER@RECHNER:PORT/DATENBANK; das Passwort aus PGPASSWORD oder "
           "~/.pgpass):"),
        QLineEdit::Normal, last.isEmpty() ? QStringLiteral("postgresql://") : last, &ok);
    return ok ? address.trimmed() : QString();
}

std::optional<double> QtFrameUi::scanRadius(const QString &field, double last)
{
    // The number with the interface's decimal sign, whatever the process locale says.
    QInputDialog dialog(m_parent);
    dialog.setLocale(decimalsign::interfaceSign() == decimalsign::Sign::Comma
            ? QLocale(QLocale::German, QLocale::Germany)
            : QLocale(QLocale::English, QLocale::UnitedStates));
    dialog.setInputMode(QInputDialog::DoubleInput);
    dialog.setWindowTitle(tr("Abstand zu allen"));
    dialog.setLabelText(tr("Die Bohrung wird mit allen Bohrpfaden des Felds %1 verglichen, die "
                           "ihr näher kommen als (m):")
                            .arg(field));
    dialog.setDoubleRange(1, 100000);
    dialog.setDoubleDecimals(1);
    dialog.setDoubleValue(last);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.doubleValue();
}

QString QtFrameUi::fieldFileName()
{
    // A name not there yet makes a new field file: the dialog asks for no existing file
    // and never asks about overwriting, which opening does not do.
    QFileDialog dialog(m_parent, tr("Feld öffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setLabelText(QFileDialog::Accept, tr("Öffnen"));
    dialog.setDefaultSuffix(QStringLiteral("sqlite"));
    dialog.setNameFilters({ tr("Felddateien (*.sqlite)"), tr("Alle Dateien (*)") });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFrameUi::saveFileName(const QString &suggested)
{
    QFileDialog dialog(m_parent, tr("Speichern unter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({ documentFilter(), tr("Alle Dateien (*)") });
    dialog.setDefaultSuffix(QStringLiteral("dvn"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFrameUi::exportFileName(const QString &suggested, const QStringList &filters, int &filter)
{
    return saveDialog(tr("Exportieren"), suggested, filters, filter);
}

QString QtFrameUi::imageFileName(const QString &suggested, const QStringList &filters, int &filter)
{
    return saveDialog(tr("Bild speichern"), suggested, filters, filter);
}

bool QtFrameUi::imageSize(QSize &size)
{
    ImageSizeDlg dialog(size, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    size = dialog.size();
    return true;
}

QString QtFrameUi::saveDialog(
    const QString &title, const QString &suggested, const QStringList &filters, int &filter)
{
    QFileDialog dialog(m_parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (filter >= 0 && filter < filters.size())
        dialog.selectNameFilter(filters.at(filter));
    dialog.selectFile(suggested);
    // Another type gives the name that type's extension ("(*.xlsx)" in the filter).
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &f) {
        const int star = f.lastIndexOf(QStringLiteral("(*."));
        const QStringList typed = dialog.selectedFiles();
        if (star < 0 || typed.isEmpty())
            return;
        const QString extension = f.mid(star + 2).chopped(1);
        const QFileInfo name(typed.constFirst());
        if (!name.fileName().isEmpty() && !name.isDir())
            dialog.selectFile(name.completeBaseName() + extension);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    filter = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

bool QtFrameUi::printDialog(QPrinter &printer, int maxPage)
{
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(tr("Drucken"));
    dialog.setMinMax(1, maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, maxPage > 1);
    return dialog.exec() == QDialog::Accepted;
}

void QtFrameUi::printSetup(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(tr("Druckereinrichtung"));
    dialog.exec();
}

bool QtFrameUi::openWithDesktop(const QString &path)
{
    // xdg-open starts happily and only then finds out that no viewer takes the file; its
    // exit status says so. A viewer that keeps xdg-open waiting has taken the file. The
    // process is left alone afterwards (no parent), so closing the program never kills
    // a viewer that is still open.
    constexpr int kAnswerMs = 3000;
    auto *opener = new QProcess;
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            opener->deleteLater();
    });
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    // A web address goes as it is, a file as its file URL.
    const QUrl given(path);
    const QUrl url = given.scheme().size() > 1 ? given : QUrl::fromLocalFile(path);
    opener->start(QStringLiteral("xdg-open"), { url.toString() });
    if (!opener->waitForStarted())
        return false;
    if (!opener->waitForFinished(kAnswerMs))
        return true;
    return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}
