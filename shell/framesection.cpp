// The frame's commands for the vertical section, the ladder and the cylinder of the
// neighbouring wells, the view settings and the interpolation along the path.
#include "shell/commandids.h"
#include "shell/mainframe.h"
#include "shell/programsettings.h"
#include "shell/viewsettings.h"

#include "dialogs/languagesetting.h"
#include "dialogs/pathinterpolationdlg.h"
#include "dialogs/viewsettingsdlg.h"
#include "document/dravondoc.h"
#include "export/wellrows.h"
#include "graph/view/grafik.h"
#include "listing/listing.h"

void CMainFrame::OnViewSection()
{
    SwitchView(GraphViewId);
    if (m_graphView)
        m_graphView->setSectionView(true);
    updateCommandUi();
}

void CMainFrame::showOffsetView(GraphShown shown)
{
    SwitchView(GraphViewId);
    if (m_graphView)
        m_graphView->setShown(shown);
    updateCommandUi();
}

void CMainFrame::OnViewSettings()
{
    const WellSettings &stored = m_doc->settings();
    ViewSettingsDlg dialog(effectivePreferences(stored, loadViewPreferences()),
        documentSetsPreferences(stored), listing::defaultSectionAzimuth(m_doc->trajectory()), this);
    QSettings settings = programSettings();
    dialog.setLanguage(languagesetting::read(settings));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The language takes effect at the next start, which reads it before any window.
    languagesetting::write(settings, dialog.language());
    // The program remembers the choice in any case, so that it stays in effect when the
    // document stores an automatic azimuth (which the document keeps as unset).
    const ViewPreferences chosen = dialog.preferences();
    saveViewPreferences(chosen);
    if (m_graphView)
        m_graphView->setViewPreferences(chosen);
    m_doc->setWellSettings(
        dialog.storeInDocument() ? withPreferences(stored, chosen) : withoutPreferences(stored));
}

void CMainFrame::OnPathInterpolation()
{
    // A wellhead that cannot be placed leaves the absolute columns out; "Exportieren …"
    // says why.
    PathInterpolationDlg dialog(m_doc->trajectory(), rowSettings(), this);
    surveyexport::ExportInfo info;
    info.borehole = m_doc->name();
    info.document = m_doc->GetPathName().toStdString();
    info.north = m_doc->analysis().courseNorth();
    info.program = m_doc->settings().uncertainty.program;
    dialog.setExportInfo(info);
    dialog.exec();
}
