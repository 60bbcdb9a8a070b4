// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function; it must be used outside any namespace.
static void RegisterMorvintResources() {
    Q_INIT_RESOURCE(morvint_res);
}

void InitResources() {
    static const bool registered = [] {
        RegisterMorvintResources();
        return true;
    }();
    (void)registered;
}
