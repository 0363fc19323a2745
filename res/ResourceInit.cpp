#include "ResourceInit.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must stand outside any namespace.
static bool RegisterResources() {
    Q_INIT_RESOURCE(images);
    return true;
}

void EnsureResources() {
    static const bool registered = RegisterResources();
    Q_UNUSED(registered);
}
