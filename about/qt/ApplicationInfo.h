#pragma once

#include "frmAboutForm.h"

#include <QIcon>

#include <utility>

// What the program tells about itself: its title and version, and its icon.
struct ApplicationInfo {
    // Not an aggregate on purpose: GCC 12 at -O3 warns that the title of a braced temporary may
    // be used uninitialised (a false -Wmaybe-uninitialized in the aggregate's cleanup path), while
    // members built from finished arguments leave it no such path.
    ApplicationInfo(frmAboutForm::ApplicationIdentity identity, QIcon icon)
        : identity(std::move(identity))
        , icon(std::move(icon))
    {
    }

    frmAboutForm::ApplicationIdentity identity;
    QIcon icon;
};
