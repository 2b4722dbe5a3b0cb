// Where the program's German help page lies: installed below the program's prefix
// (share/dravon/help/dravon-hilfe.html next to bin/) or, when run from the build tree,
// in the build folder's share/ copy.
#pragma once

#include <QString>

// The path of the help page, or an empty string when no copy exists.
QString findHelpPage();
