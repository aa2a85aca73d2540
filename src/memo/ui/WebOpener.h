#pragma once

#include <QString>

class IMessageBox;
class IUrlOpener;
class QWidget;
class TYorraClockIni;

// The web actions of the memo pad and of the main window's web menu: each opens an address
// with the click sound, the calling window being disabled while the browser is asked.
class TWebOpener {
  public:
    TWebOpener(IUrlOpener& urlOpener, IMessageBox& messageBox, const TYorraClockIni& settings);

    // Opens the address; useAutomation (the memo's "open in a new window" flag) asks for a new
    // browser window instead of the default handler.
    void OpenUrl(QWidget* window, const QString& url, bool useAutomation);

    // Opens the address in a new browser window (the home page when empty).
    void OpenUrlWithAutomation(const QString& url);

    // Fills the search-site template with the word and opens it; warns when the template has no
    // valid placeholder.
    void SearchWithTemplate(QWidget* window, const QString& httpUrl, const QString& word,
                            bool useAutomation);

    // Searches the word within the memo's site with the web search service.
    void SearchWithinSite(QWidget* window, const QString& httpUrl, const QString& word,
                          bool useAutomation);

  private:
    IUrlOpener& urlOpener_;
    IMessageBox& messageBox_;
    const TYorraClockIni& settings_;
};
