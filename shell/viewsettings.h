// View settings of the desktop program that belong to the user, not to a document:
// whether the graph's side view is drawn to scale, whether the graph shows the
// uncertainty, the section azimuth, the unit of listings and the cylinder's outer ring. Kept with QSettings under
// the same organisation and application as the recent-file list, group "Grafik".
#pragma once

#include "document/viewpreferences.h"

bool loadTrueScale();
void saveTrueScale(bool on);
// Whether the graph draws the positional uncertainty of a well with an error model
// (on unless the user switched it off).
bool loadUncertaintyShown();
void saveUncertaintyShown(bool on);

// A stored value that cannot be read counts as not stored.
ViewPreferences loadViewPreferences();
void saveViewPreferences(const ViewPreferences &preferences);
