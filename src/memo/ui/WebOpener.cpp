#include "memo/ui/WebOpener.h"

#include "core/YorraClockIni.h"
#include "memo/WebAddress.h"
#include "platform/MessageBox.h"
#include "platform/UrlOpener.h"

#include <QPointer>
#include <QWidget>
#include <optional>

namespace {

// Disables the window for its lifetime and enables it again however the scope is left.
class TDisabledWhileOpening {
  public:
    explicit TDisabledWhileOpening(QWidget* window) : window_(window) {
        if (window_)
            window_->setEnabled(false);
    }
    ~TDisabledWhileOpening() {
        if (window_)
            window_->setEnabled(true);
    }
    TDisabledWhileOpening(const TDisabledWhileOpening&) = delete;
    TDisabledWhileOpening& operator=(const TDisabledWhileOpening&) = delete;

  private:
    QPointer<QWidget> window_;
};

const QString kInvalidTemplateWarning =
    QStringLiteral("httpの中の検索文字列指定が不正です\r\n"
                   "[検索文字列EUCJP]・[検索文字列SJIS]・[検索文字列UTF8]を指定してください");

} // namespace

TWebOpener::TWebOpener(IUrlOpener& urlOpener, IMessageBox& messageBox,
                       const TYorraClockIni& settings)
    : urlOpener_(urlOpener), messageBox_(messageBox), settings_(settings) {}

void TWebOpener::OpenUrl(QWidget* window, const QString& url, bool useAutomation) {
    QString address = QString::fromStdString(WebAddressToOpen(url.toStdString()));
    settings_.PlaySoundFile(settings_.ClickWavFileName());
    TDisabledWhileOpening disabled(window);
    if (useAutomation)
        OpenUrlWithAutomation(address);
    else
        urlOpener_.OpenAddress(address); // the default handler's failure is not reported
}

void TWebOpener::OpenUrlWithAutomation(const QString& url) {
    urlOpener_.OpenInNewBrowserWindow(url);
}

void TWebOpener::SearchWithTemplate(QWidget* window, const QString& httpUrl, const QString& word,
                                    bool useAutomation) {
    std::optional<std::string> filled =
        FillSearchTemplate(httpUrl.toStdString(), word.toStdString());
    if (!filled) {
        messageBox_.Show(window, kInvalidTemplateWarning, TMsgType::Warning, TMsgButtons::Ok);
        return;
    }
    OpenUrl(window, QString::fromStdString(*filled), useAutomation);
}

void TWebOpener::SearchWithinSite(QWidget* window, const QString& httpUrl, const QString& word,
                                  bool useAutomation) {
    OpenUrl(window,
            QString::fromStdString(SiteSearchRequest(httpUrl.toStdString(), word.toStdString())),
            useAutomation);
}
