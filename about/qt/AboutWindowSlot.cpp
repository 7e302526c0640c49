#include "AboutWindowSlot.h"

#include "frmAbout.h"

AboutWindowSlot::AboutWindowSlot(const AboutServices &services, ApplicationInfo application, QObject *parent)
    : QObject(parent), services_(services), application_(std::move(application))
{
}

AboutWindowSlot::~AboutWindowSlot() = default;

void AboutWindowSlot::show()
{
    if (!window_) {
        // No owner window: the About window and the main window stand side by side.
        window_ = std::make_unique<frmAbout>(services_, application_);
        connect(window_.get(), &QDialog::finished, this, &AboutWindowSlot::unload);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void AboutWindowSlot::unload()
{
    // The window is still inside its own closing when it says it is finished; it goes once
    // control is back in the event loop.
    window_.release()->deleteLater();
}
