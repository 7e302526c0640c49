#pragma once

#include "frmAboutForm.h"

#include <QIcon>

// What the program tells about itself: its title and version, and its icon.
struct ApplicationInfo {
    frmAboutForm::ApplicationIdentity identity;
    QIcon icon;
};
