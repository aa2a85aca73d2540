#pragma once

#include <QString>

// Opening web addresses in the user's browser.
class IUrlOpener {
  public:
    virtual ~IUrlOpener() = default;
    // Opens the address with the desktop's default handler; false when that failed.
    virtual bool OpenAddress(const QString& address) = 0;
    // Opens the address (the home page when empty) in a new browser window with its menu bar,
    // status bar and tool bar; false when that failed.
    virtual bool OpenInNewBrowserWindow(const QString& address) = 0;
};

// The desktop's services: the default handler through QDesktopServices, and a new window by
// starting the user's browser with its new-window option, or the default handler when the
// browser is not known to have one.
class TDesktopUrlOpener : public IUrlOpener {
  public:
    bool OpenAddress(const QString& address) override;
    bool OpenInNewBrowserWindow(const QString& address) override;
};
