#include "platform/UrlOpener.h"

#include "memo/NewBrowserWindow.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>
#include <QUrl>

namespace {

// Memo addresses may hold blanks and Japanese text; a browser's command line wants them
// percent-encoded.
QString EncodedAddress(const QString& address) {
    if (address.isEmpty())
        return address;
    return QUrl(address, QUrl::TolerantMode).toString(QUrl::FullyEncoded);
}

// The Exec value of a desktop entry file, empty when there is none.
QString DesktopEntryExec(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inMainGroup = false;
    while (!in.atEnd()) {
        QString line = in.readLine().trimmed();
        if (line.startsWith(u'['))
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(QStringLiteral("Exec=")))
            return line.mid(5);
    }
    return {};
}

// The user's browser as a command template: the BROWSER variable's first entry, otherwise the
// desktop's default web browser entry.
QString BrowserCommandTemplate() {
    QString browser = qEnvironmentVariable("BROWSER").section(u':', 0, 0).trimmed();
    if (!browser.isEmpty())
        return browser;
#ifdef Q_OS_WIN
    return {};
#else
    QProcess query;
    query.start(QStringLiteral("xdg-settings"),
                {QStringLiteral("get"), QStringLiteral("default-web-browser")});
    if (!query.waitForFinished(2000) || query.exitCode() != 0)
        return {};
    QString entry = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    if (entry.isEmpty())
        return {};
    QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    return path.isEmpty() ? QString() : DesktopEntryExec(path);
#endif
}

bool StartNewBrowserWindow(const QString& address) {
    std::optional<TBrowserCommand> command =
        NewBrowserWindowCommand(BrowserCommandTemplate().toStdString(), address.toStdString());
    if (!command)
        return false;
    QStringList arguments;
    for (const std::string& argument : command->Arguments)
        arguments << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(command->Program), arguments);
}

} // namespace

bool TDesktopUrlOpener::OpenAddress(const QString& address) {
    if (address.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

bool TDesktopUrlOpener::OpenInNewBrowserWindow(const QString& address) {
    QString encoded = EncodedAddress(address);
    return StartNewBrowserWindow(encoded) || OpenAddress(encoded);
}
