#pragma once

#include "AboutServices.h"
#include "ApplicationInfo.h"
#include "LinkLauncher.h"
#include "SysInfoLauncher.h"

#include <QDialog>

#include <cstdint>

class PersistentCanvas;
class QLabel;

// The About window: the program's icon, title and version, a description, a disclaimer, a
// copyright line, two links and the button that starts the system information program. It is a
// modeless window without an owner; closing it destroys it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(const AboutServices &services, const ApplicationInfo &application, QWidget *parent = nullptr);

protected:
    // Escape, and the close box through QDialog's close handling, unload the window like OK.
    void reject() override;

private:
    void buildFrame();
    void buildControls();
    template <typename Control> Control *control(const QString &name) const;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblLinks_Click(std::int16_t Index);

    ApplicationInfo application_;
    LinkLauncher links_;
    SysInfoLauncher sysInfo_;
    PersistentCanvas *client_ = nullptr;
};
