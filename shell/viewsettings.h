// View settings of the desktop program that belong to the user, not to a document:
// whether the graph's side view is drawn to scale. Kept with QSettings under the same
// organisation and application as the recent-file list, group "Grafik".
#pragma once

bool loadTrueScale();
void saveTrueScale(bool on);
