// The frame's questions as modal Qt dialogs, parented to the frame.
#pragma once

#include "shell/frameui.h"

#include <QCoreApplication>

class QtFrameUi : public FrameUi
{
    Q_DECLARE_TR_FUNCTIONS(QtFrameUi)

public:
    explicit QtFrameUi(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParent(QWidget *parent) { m_parent = parent; }

    SaveAnswer askSaveChanges(const QString &title) override;
    bool askRestoreRecovered() override;
    QString openFileName() override;
    QString fieldFileName() override;
    QString fieldAddress(const QString &last) override;
    std::optional<double> scanRadius(const QString &field, double last) override;
    QString saveFileName(const QString &suggested) override;
    QString exportFileName(
        const QString &suggested, const QStringList &filters, int &filter) override;
    QString imageFileName(
        const QString &suggested, const QStringList &filters, int &filter) override;
    bool imageSize(QSize &size) override;
    bool printDialog(QPrinter &printer, int maxPage) override;
    void printSetup(QPrinter &printer) override;
    bool openWithDesktop(const QString &path) override;

private:
    // A file dialog for saving, with a filter per type that gives the name its extension.
    QString saveDialog(
        const QString &title, const QString &suggested, const QStringList &filters, int &filter);

    QWidget *m_parent;
};
