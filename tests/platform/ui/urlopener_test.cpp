#include "platform/UrlOpener.h"

#include "TempFolder.h"

#include <QFile>
#include <QtTest>

// Starts a stand-in browser named like a real one through the BROWSER variable and looks at the
// arguments it was given.
class TUrlOpenerTest : public QObject {
    Q_OBJECT

  private slots:
    void newWindowPassesTheAddressAsOneArgument() {
        TempFolder folder;
        const QString log = QString::fromStdString(folder.Path()) + "args.txt";
        std::string script =
            folder.Write("firefox", "#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done > \"" +
                                        log.toStdString() + ".tmp\"\nmv \"" + log.toStdString() +
                                        ".tmp\" \"" + log.toStdString() + "\"\n");
        QFile::setPermissions(QString::fromStdString(script),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("BROWSER", QByteArray::fromStdString(script + " %s"));

        TDesktopUrlOpener opener;
        QVERIFY(opener.OpenInNewBrowserWindow("http://a.jp/search?q=x inurl:b.jp/;rm -rf ~"));
        QTRY_VERIFY(QFile::exists(log));
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 QStringLiteral(
                     "[--new-window]\n[http://a.jp/search?q=x%20inurl:b.jp/;rm%20-rf%20~]\n"));
    }
};

QTEST_MAIN(TUrlOpenerTest)
#include "urlopener_test.moc"
