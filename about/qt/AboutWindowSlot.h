#pragma once

#include "AboutServices.h"
#include "ApplicationInfo.h"

#include <QObject>

#include <memory>

class frmAbout;

// Holds the program's one About window. Showing it loads a new window when there is none and
// otherwise only brings the open one to the front; a closed window is destroyed, so the next
// showing loads it afresh.
class AboutWindowSlot : public QObject {
    Q_OBJECT

public:
    AboutWindowSlot(const AboutServices &services, ApplicationInfo application, QObject *parent = nullptr);
    ~AboutWindowSlot() override;

    void show();
    // The open window, or nullptr when none is loaded.
    frmAbout *window() const { return window_.get(); }

private:
    void unload();

    AboutServices services_;
    ApplicationInfo application_;
    std::unique_ptr<frmAbout> window_;
};
