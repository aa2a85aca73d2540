#include "app/ui/YorraClockMainForm.h"
#include "app/ui/YoteiHyouListBox.h"
#include "schedule/ScheduleTable.h"
#include "shell/ui/ShineSpeedButton.h"
#include "storage/Cp932.h"
#include "storage/IniFile.h"

#include "AllocationCounter.h"
#include "FakeSoundDevice.h"
#include "ScriptedMessageBox.h"
#include "TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <optional>

namespace {

struct FakeClock : IClock {
    TLocalDateTime now = 0;
    TLocalDateTime Now() const override { return now; }
};

// Real time of game hh:mm on the base day.
TLocalDateTime GameTime(int hour, int minute) {
    return YorraBaseDate + (hour * 60 + minute) * RealMsPerYorraMinute;
}

const char Wav[] = "RIFF\x24\0\0\0WAVEfmt ";

struct ScheduleRow {
    int hour;
    const char* area;
    const char* place;
    const char* alarm;
};

// A program folder with two entries at game 06:00, rotations, weekdays and sounds.
struct Program {
    TempFolder dir;
    FakeSoundDevice sound;
    TScriptedMessageBox messages;
    FakeClock clock;
    TYorraClockEditedCheck editedCheck;
    TYorraClockFormVisible formVisible;
    TNoUserFolders folders;
    std::optional<TYorraClockIni> ini;
    std::optional<TYorraClockPathAndFile> paths;
    std::optional<TRotationList> moonGate, price;
    std::optional<TYorraClockMainForm> form;
    QStringList picturesRead;

    explicit Program(const std::string& settings = {}) {
        for (const char* name : {"UserAlarm", "ArbeitAlarm", "FurettaAlarm", "KnightAlarm"})
            dir.Write(std::string("DefaultAlarmSound/") + name + ".wav",
                      std::string(Wav, sizeof Wav));
        for (const char* name :
             {"YorraPDAOpenWindow", "YorraPDAOk", "YorraPDACancel", "YorraPDAClick"})
            dir.Write(std::string(name) + ".wav", std::string(Wav, sizeof Wav));
        dir.Write("PeriodicData/YorraPDAGate5.ini",
                  Utf8ToCp932("[MoonGate]\r\nGate1=ダンバートン\r\n"));
        dir.Write("PeriodicData/YorraPDAPrice.ini",
                  Utf8ToCp932("[Price]\r\nPosition1=バンホール\r\n"));
        dir.Write("YorraPDAWeek.ini", Utf8ToCp932("[Imbolic]\r\nName=日曜\r\n"));
        if (!settings.empty())
            dir.Write("YorraPDA.ini", settings);
        WriteSchedule(
            {{6, "Tir", "広場", "アルバイトアラーム"}, {6, "", "銀行[前]", "フレッタアラーム"}});
        ini.emplace(dir.Path(), sound);
        paths.emplace(dir.Path(), folders);
        moonGate.emplace(paths->GetMoonGateFileName(), MoonGateRotation);
        price.emplace(paths->GetPriceFileName(), PriceRotation);
        clock.now = GameTime(5, 0);
    }

    void WriteSchedule(const std::vector<ScheduleRow>& rows) {
        TClientDataSet table;
        table.CreateDataSet(ScheduleTableFields());
        for (const ScheduleRow& r : rows) {
            table.Append();
            table.FieldByName("Hour").SetAsInteger(r.hour);
            table.FieldByName("Minutes").SetAsInteger(0);
            table.FieldByName("Area").SetAsString(r.area);
            table.FieldByName("Place").SetAsString(r.place);
            table.FieldByName("AlarmName").SetAsString(r.alarm);
            table.FieldByName("CheckVisible").SetAsBoolean(true);
            table.FieldByName("SystemCheck").SetAsBoolean(true);
            table.Post();
        }
        table.SaveToFile(dir.Path() + "YorraPDA13.xml");
    }

    TYorraClockMainForm& Show() {
        auto load = [this](const QString& file) {
            picturesRead << QFileInfo(file).fileName();
            return QPixmap();
        };
        form.emplace(TMainFormServices{*ini, *paths, editedCheck, formVisible, clock, messages,
                                       *moonGate, *price, load});
        form->show();
        form->ViewTimer().stop(); // the test drives the ticks
        form->ViewTimerTimer();
        return *form;
    }

    QStringList Lines() const {
        QStringList lines;
        for (const TListLine& l : form->DueList().ShownLines())
            lines << QString::fromStdString(l.Text);
        return lines;
    }

    QStringList AlarmsPlayed() const {
        QStringList alarms;
        for (const std::string& f : sound.played)
            if (f.find("DefaultAlarmSound") != std::string::npos)
                alarms << QFileInfo(QString::fromStdString(f)).fileName();
        return alarms;
    }

    TShineSpeedButton* Button(const char* name) const {
        return form->findChild<TShineSpeedButton*>(QString::fromLatin1(name));
    }
};

// True when the text drawn in the rectangle has the colour: its most covered pixel (the darkest
// one, text being smoothed against a white ground) is that colour, give or take smoothing.
bool HasColour(const QImage& image, const QRect& rect, const QColor& colour) {
    QColor darkest(255, 255, 255);
    for (int y = rect.top(); y <= rect.bottom() && y < image.height(); ++y)
        for (int x = rect.left(); x <= rect.right() && x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < darkest.red() + darkest.green() + darkest.blue())
                darkest = c;
        }
    return std::abs(darkest.red() - colour.red()) <= 24 &&
           std::abs(darkest.green() - colour.green()) <= 24 &&
           std::abs(darkest.blue() - colour.blue()) <= 24;
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
  private slots:
    void ListAtAGameMinuteWithItsLinesAndColours() {
        Program p;
        p.Show();
        QCOMPARE(p.Lines(),
                 (QStringList{"■Tir■", "●ムーンゲート● ダンバートン", "●プライス● バンホール",
                              "06:00 - 09:00銀行[前]", "06:00 - 09:00広場", "○日曜○"}));
        QCOMPARE(p.Button("TimeSettingShineSpeedButton")->Caption(), QStringLiteral("05:00"));
        auto* list = p.form->findChild<TYoteiHyouListBox*>("YoteiHyouListBox");
        QVERIFY(list);
        QCOMPARE(list->Count(), 6);
        const QImage image = list->viewport()->grab().toImage();
        const QColor colours[] = {{255, 128, 128}, {242, 146, 48},  {96, 204, 96},
                                  {128, 128, 255}, {128, 128, 128}, {204, 153, 255}};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(HasColour(image, list->ItemRect(i), colours[i]),
                     qPrintable(QString::number(i)));
    }

    void OneAlarmForTwoEntriesDueTogether() {
        Program p;
        p.clock.now = GameTime(4, 59);
        p.Show();
        QVERIFY(p.AlarmsPlayed().isEmpty());
        p.clock.now = GameTime(5, 0);
        p.form->ViewTimerTimer();
        QCOMPARE(p.AlarmsPlayed(), QStringList{"FurettaAlarm.wav"});
        p.clock.now = GameTime(5, 0) + 700; // same game minute: nothing new
        p.form->ViewTimerTimer();
        QCOMPARE(p.AlarmsPlayed().size(), 1);
    }

    void PictureChangesOnceAndIsNotReadBetweenChanges() {
        Program p;
        p.clock.now = GameTime(2, 58);
        p.Show();
        QCOMPARE(p.picturesRead, QStringList{"夜.bmp"});
        for (int i = 0; i < 40; ++i) {
            p.clock.now += 50;
            p.form->ViewTimerTimer();
        }
        QCOMPARE(p.picturesRead, QStringList{"夜.bmp"});
        p.clock.now = GameTime(3, 0);
        for (int i = 0; i < 10; ++i) {
            p.form->ViewTimerTimer();
            p.clock.now += 50;
        }
        QCOMPARE(p.picturesRead, (QStringList{"夜.bmp", "朝.bmp"}));
        QCOMPARE(p.form->CurrentPicture(), QStringLiteral("朝.bmp"));
    }

    void TicksWithinAGameMinuteAllocateNothing() {
        Program p;
        p.Show();
        p.form->ViewTimerTimer();
        const std::size_t before = AllocationCount();
        for (int i = 0; i < 20; ++i) {
            p.clock.now += 50;
            p.form->ViewTimerTimer();
        }
        QCOMPARE(AllocationCount(), before);
    }

    void TaskButtonsJoinInOpeningOrder() {
        for (bool memoFirst : {true, false}) {
            Program p;
            p.Show();
            auto* memo = p.Button("MemoTaskShineSpeedButton");
            auto* map = p.Button("MapTaskShineSpeedButton");
            QVERIFY(memo->isHidden() && map->isHidden());
            (memoFirst ? p.formVisible.Memo : p.formVisible.Map) = true;
            p.form->ViewTimerTimer();
            (memoFirst ? p.formVisible.Map : p.formVisible.Memo) = true;
            p.form->ViewTimerTimer();
            QVERIFY(memo->isVisible() && map->isVisible());
            QCOMPARE(memo->x() < map->x(), memoFirst);
            p.formVisible.Memo = false;
            p.form->ViewTimerTimer();
            QVERIFY(memo->isHidden());
        }
    }

    void FirstStartComesUpDockedAtTheBottomWithSoundOn() {
        Program p; // no settings file before the start
        p.Show();
        QCOMPARE(p.form->WindowMode(), 2);
        QVERIFY(p.Button("SoundOnShineSpeedButton")->isVisible());
        QVERIFY(p.Button("SoundOffShineSpeedButton")->isHidden());
        // The work area of the test screen is 1280 × 984.
        QCOMPARE(p.form->geometry(), QRect(0, 909, 1280, 75));
        auto* list = p.form->findChild<TYoteiHyouListBox*>("YoteiHyouListBox");
        QCOMPARE(list->width(), 1023);
        QCOMPARE(list->Columns(), 4);
        p.form->ApplyLayout(0);
        QCOMPARE(p.form->pos(), QPoint(32, 32));
        QCOMPARE(p.form->size(), QSize(257, 200));
        p.form->ApplyLayout(3);
        QCOMPARE(p.form->size(), QSize(514, 75));
    }

    void ClosingWhileDockedKeepsTheStoredPosition() {
        Program p("[SystemData]\r\nWindowLeft=100\r\nWindowTop=120\r\nWindowMode=1\r\n");
        p.Show();
        QCOMPARE(p.form->geometry(), QRect(0, 0, 1280, 75));
        p.form->close();
        TIniFile file(p.ini->FileName());
        QCOMPARE(file.ReadInteger("SystemData", "WindowLeft"), 100);
        QCOMPARE(file.ReadInteger("SystemData", "WindowTop"), 120);
        QCOMPARE(file.ReadInteger("SystemData", "WindowMode"), 1);
        QVERIFY(p.sound.played.back().find("YorraPDAOk.wav") != std::string::npos);
    }

    void ClosingWhileFloatingStoresPositionAndLayout() {
        Program p("[SystemData]\r\nWindowLeft=100\r\nWindowTop=120\r\nWindowMode=3\r\n");
        p.Show();
        QCOMPARE(p.form->pos(), QPoint(100, 120));
        p.form->move(300, 200);
        p.form->close();
        TIniFile file(p.ini->FileName());
        QCOMPARE(file.ReadInteger("SystemData", "WindowLeft"), 300);
        QCOMPARE(file.ReadInteger("SystemData", "WindowTop"), 200);
        QCOMPARE(file.ReadInteger("SystemData", "WindowMode"), 3);
    }

    void DoubleClickCollapsesADockedBandAndRestoresIt() {
        Program p("[SystemData]\r\nWindowMode=1\r\n");
        p.Show();
        QWidget* strip = p.form->findChild<QWidget*>("KieruPanel");
        QTest::mouseDClick(strip, Qt::LeftButton);
        QVERIFY(p.form->Collapsed());
        QCOMPARE(p.form->geometry(), QRect(0, 0, 1280, 8));
        QTest::mouseDClick(strip, Qt::LeftButton);
        QVERIFY(!p.form->Collapsed());
        QCOMPARE(p.form->geometry(), QRect(0, 0, 1280, 75));
        p.form->ApplyLayout(0); // a double-click does nothing in a floating layout
        QTest::mouseDClick(strip, Qt::LeftButton);
        QVERIFY(!p.form->Collapsed());
    }

    void MenusHoldTheirItemsInOrder() {
        Program p;
        p.Show();
        auto texts = [](QMenu* menu) {
            QStringList items;
            for (QAction* a : menu->actions())
                items << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return items;
        };
        auto* main = p.form->findChild<QMenu*>("MainPopupMenu");
        QCOMPARE(
            texts(main),
            (QStringList{"おともだちの輪(&O)", "めもちょう(&M)", "地図みえみえ(&A)",
                         "いんたーねっとサイト(&I)", "キーボードで呼び出し(&K)",
                         "おもいであるばむ(&S)", "よていひょう(&Y)", "たてよこ(&E)", "-",
                         "ムーンゲートの行き先(&G)", "プライスどこ～？(&P)", "じかんあわせ(&T)",
                         "-", "ばーじょん(&V)", "しゅうりょー(&X)", "-", "キャンセル(&C)"}));
        const QStringList layouts{"上へはりつく(&U)", "たてながになる(&T)", "よこながになる(&Y)",
                                  "下へはりつく(&D)"};
        QCOMPARE(texts(main->actions().at(7)->menu()), layouts);
        QCOMPARE(texts(p.form->findChild<QMenu*>("TateyokoPopupMenu")), layouts);
        // A layout item plays the click sound and switches the layout.
        p.form->findChild<QMenu*>("TateyokoPopupMenu")->actions().at(2)->trigger();
        QCOMPARE(p.form->WindowMode(), 3);
        QVERIFY(p.sound.played.back().find("YorraPDAClick.wav") != std::string::npos);
    }

    void SoundButtonsSwitchTheSetting() {
        Program p;
        p.Show();
        p.Button("SoundOnShineSpeedButton")->Click();
        QVERIFY(!p.ini->SoundOnOff());
        QVERIFY(p.Button("SoundOffShineSpeedButton")->isVisible());
        const std::size_t played = p.sound.played.size();
        p.Button("SoundOffShineSpeedButton")->Click();
        QVERIFY(p.ini->SoundOnOff());
        QCOMPARE(p.sound.played.size(), played + 1); // the open sound, audible again
        QVERIFY(p.sound.played.back().find("YorraPDAOpenWindow.wav") != std::string::npos);
    }

    void ChoosingAnAreaCollapsesTheListUntilTheNextMinute() {
        Program p;
        p.WriteSchedule(
            {{6, "Tir", "広場", "アルバイトアラーム"}, {6, "Dunbarton", "門", "騎士アラーム"}});
        p.Show();
        auto* combo = p.form->findChild<QComboBox*>("AreaComboBox");
        QCOMPARE(combo->count(), 2);
        emit combo->activated(1);
        QCOMPARE(p.Lines(), QStringList{"■Dunbarton■"});
        QCOMPARE(p.ini->AreaName(), std::string("Dunbarton"));
        p.clock.now = GameTime(5, 1);
        p.form->ViewTimerTimer();
        QCOMPARE(p.Lines().at(3), QStringLiteral("06:00 - 09:00門"));
        QCOMPARE(p.AlarmsPlayed().last(), QStringLiteral("KnightAlarm.wav"));
    }

    void ScheduleEditedFlagRebuildsTheList() {
        Program p;
        p.Show();
        p.WriteSchedule({{6, "Tir", "新しい場所", "アルバイトアラーム"}});
        p.editedCheck.Edited = true;
        p.clock.now = GameTime(5, 1);
        p.form->ViewTimerTimer();
        QVERIFY(!p.editedCheck.Edited);
        QCOMPARE(p.Lines().at(3), QStringLiteral("06:00 - 09:00新しい場所"));
    }
};

// The tests run on an offscreen screen whose work area is 1280 × 984.
int main(int, char* argv[]) {
    const QString config = QDir::temp().filePath(QStringLiteral("yorra-mainform-screen.json"));
    QFile file(config);
    file.open(QIODevice::WriteOnly);
    file.write(R"({"screens":[{"name":"S","x":0,"y":0,"width":1280,"height":984,)"
               R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    file.close();
    QByteArray platform = "offscreen:configfile=" + config.toUtf8();
    std::vector<char*> args{argv[0], const_cast<char*>("-platform"), platform.data()};
    int count = static_cast<int>(args.size());
    QApplication app(count, args.data());
    MainFormTest test;
    return QTest::qExec(&test, 1, argv);
}

#include "mainform_test.moc"
