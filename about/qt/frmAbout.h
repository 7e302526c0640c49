#pragma once

#include "AboutServices.h"
#include "ApplicationInfo.h"
#include "LinkLauncher.h"
#include "SysInfoLauncher.h"

#include <QDialog>
#include <QRect>

#include <array>
#include <cstdint>
#include <vector>

class LinkLabel;
class QLabel;
class QPushButton;

// The About window: the program's icon, title and version, a description, a disclaimer, a
// copyright line, two links and the button that starts the system information program. It is a
// modeless tool window without an owner; closing it destroys it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Short enough for their labels in the dialog font: the window's layout is fixed.
    static constexpr const char *HomePageAddress = "pictavo.example";
    static constexpr const char *EmailAddress = "mail@pictavo.example";
    static constexpr const char *CopyrightLine = "\u00A9 2026 Pictavo authors";

    explicit frmAbout(const AboutServices &services, const ApplicationInfo &application, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Escape, and the close box through QDialog's close handling, unload the window like OK.
    void reject() override;

private:
    struct Fill {
        QRect area;
        QColor colour;
    };

    void buildFrame();
    void buildLabels();
    void buildLinks();
    void buildButtons();
    void drawLine(QPointF from, QPointF to, const QColor &colour, int width = 1);

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblLinks_Click(std::int16_t Index);

    ApplicationInfo application_;
    LinkLauncher links_;
    SysInfoLauncher sysInfo_;
    // Everything drawn on the window; painted again on every repaint so it stays on screen.
    std::vector<Fill> drawing_;
    QLabel *picIcon_ = nullptr;
    QLabel *lblTitle_ = nullptr;
    QLabel *lblVersion_ = nullptr;
    std::array<LinkLabel *, 2> lblLinks_{};
    QPushButton *cmdOK_ = nullptr;
    QPushButton *cmdSysInfo_ = nullptr;
};
