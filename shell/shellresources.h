// The program's built-in resources (icons, MIME package, desktop entry) live in a
// static library; this makes sure they are linked in and registered.
#pragma once

void initShellResources();
