// Registration of the compiled-in resources.
#include "shell/shellresources.h"

#include <QtGlobal>

static void initDravonQrc()
{
    Q_INIT_RESOURCE(dravon);
}

void initShellResources()
{
    static const bool done = [] {
        initDravonQrc();
        return true;
    }();
    (void)done;
}
