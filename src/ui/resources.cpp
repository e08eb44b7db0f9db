#include "ui/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initVelmarotteResources()
{
    Q_INIT_RESOURCE(velmarotte);
}

namespace vm {

void initResources()
{
    static const bool done = [] {
        initVelmarotteResources();
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace vm
