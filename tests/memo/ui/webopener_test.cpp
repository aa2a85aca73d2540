#include "core/YorraClockIni.h"
#include "memo/ui/WebOpener.h"
#include "platform/UrlOpener.h"

#include "ScriptedMessageBox.h"
#include "TempFolder.h"

#include <QWidget>
#include <QtTest>
#include <stdexcept>

namespace {

// Records every request, whether the calling window was disabled at that moment, and what
// happened before it.
class TFakeUrlOpener : public IUrlOpener {
  public:
    bool OpenAddress(const QString& address) override { return Record("default", address); }
    bool OpenInNewBrowserWindow(const QString& address) override {
        return Record("new window", address);
    }

    bool Record(const QString& how, const QString& address) {
        events << how + " " + address;
        windowEnabled.push_back(window && window->isEnabled());
        if (fail)
            throw std::runtime_error("browser failed");
        return true;
    }

    QWidget* window = nullptr;
    bool fail = false;
    QStringList events;
    QList<bool> windowEnabled;
};

// Puts the sounds among the opener's events, so that their order shows.
class TEventSoundDevice : public ISoundDevice {
  public:
    explicit TEventSoundDevice(TFakeUrlOpener& opener) : opener_(opener) {}
    bool Play(const std::string& wavFile) override {
        return opener_.Record("sound", QString::fromStdString(wavFile).section(u'/', -1));
    }
    void Stop() override {}

  private:
    TFakeUrlOpener& opener_;
};

// A program folder with the click sound in place.
TempFolder& ProgramFolder() {
    static TempFolder folder;
    folder.Write("YorraPDAClick.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    return folder;
}

} // namespace

class TWebOpenerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        opener.events.clear();
        opener.windowEnabled.clear();
        opener.window = &window;
        opener.fail = false;
        box.shown.clear();
    }

    void openUrl_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("automation");
        QTest::addColumn<QString>("event");
        QTest::newRow("no scheme")
            << "www.example.jp/a" << false << "default http://www.example.jp/a";
        QTest::newRow("leading text") << "公式 HTTP://a.jp/" << false << "default HTTP://a.jp/";
        QTest::newRow("new window") << "http://a.jp/" << true << "new window http://a.jp/";
    }

    // The click sound comes first, then the request with the window disabled; afterwards the
    // window is usable again.
    void openUrl() {
        QFETCH(QString, url);
        QFETCH(bool, automation);
        QFETCH(QString, event);
        web.OpenUrl(&window, url, automation);
        QCOMPARE(opener.events, QStringList({"sound YorraPDAClick.wav", event}));
        QCOMPARE(opener.windowEnabled, QList<bool>({true, false}));
        QVERIFY(window.isEnabled());
    }

    void windowIsEnabledAgainWhenOpeningFails() {
        opener.fail = true;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, web.OpenUrl(&window, "a.jp", true));
        QVERIFY(window.isEnabled());
    }

    void searchWithTemplateFillsTheWord() {
        web.SearchWithTemplate(&window, "http://s.jp/?q=[検索文字列SJIS]&x=[検索文字列UTF8]", "あ",
                               false);
        QCOMPARE(opener.events, QStringList({"sound YorraPDAClick.wav",
                                             "default http://s.jp/?q=%82%A0&x=[検索文字列UTF8]"}));
        QVERIFY(box.shown.isEmpty());
    }

    void searchWithTemplateWarnsWithoutPlaceholder() {
        web.SearchWithTemplate(&window, "http://s.jp/?q=[検索文字列JIS]", "あ", true);
        QCOMPARE(box.shown,
                 QStringList({"httpの中の検索文字列指定が不正です\r\n[検索文字列EUCJP]・[検索文字列"
                              "SJIS]・[検索文字列UTF8]を指定してください"}));
        QCOMPARE(box.types.back(), TMsgType::Warning);
        QVERIFY(opener.events.isEmpty());
        QVERIFY(window.isEnabled());
    }

    void searchWithinSiteOpensTheRequest() {
        web.SearchWithinSite(&window, "http://a.jp/wiki/", "b c", true);
        QCOMPARE(opener.events,
                 QStringList({"sound YorraPDAClick.wav",
                              "new window http://www.google.co.jp/search?hl=ja&q=b+c "
                              "inurl:a.jp/wiki/&btnG=Google+%E6%A4%9C%E7%B4%A2&lr=lang_ja"}));
    }

  private:
    QWidget window;
    TFakeUrlOpener opener;
    TScriptedMessageBox box;
    TEventSoundDevice sound{opener};
    TYorraClockIni settings{ProgramFolder().Path(), sound};
    TWebOpener web{opener, box, settings};
};

QTEST_MAIN(TWebOpenerTest)
#include "webopener_test.moc"
