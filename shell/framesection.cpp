// The frame's commands for the vertical section, the view settings and the interpolation
// along the path.
#include "shell/commandids.h"
#include "shell/mainframe.h"
#include "shell/viewsettings.h"

#include "dialogs/pathinterpolationdlg.h"
#include "dialogs/viewsettingsdlg.h"
#include "document/dravondoc.h"
#include "graph/view/grafik.h"
#include "listing/listing.h"

void CMainFrame::OnViewSection()
{
    SwitchView(GraphViewId);
    if (m_graphView)
        m_graphView->setSectionView(true);
    updateCommandUi();
}

void CMainFrame::OnViewSettings()
{
    const WellSettings &stored = m_doc->settings();
    ViewSettingsDlg dialog(effectivePreferences(stored, loadViewPreferences()),
        documentSetsPreferences(stored), listing::defaultSectionAzimuth(m_doc->trajectory()), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
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
    const ViewPreferences p = effectivePreferences(m_doc->settings(), loadViewPreferences());
    PathInterpolationDlg dialog(m_doc->trajectory(), p.unit, p.sectionAzimuth, this);
    dialog.exec();
}
