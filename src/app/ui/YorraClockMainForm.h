#pragma once

#include "app/DueList.h"
#include "app/MainLayout.h"
#include "core/Clock.h"
#include "core/SharedFlags.h"
#include "core/YorraClockIni.h"
#include "core/YorraTime.h"
#include "core/YorraWeeksList.h"
#include "platform/MessageBox.h"
#include "schedule/RotationList.h"
#include "shell/MultiMonitorParam.h"
#include "storage/YorraClockPathAndFile.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class TShineSpeedButton;
class TTrayIcon;
class TYoteiHyouListBox;

// What the main window uses of the rest of the program; set up by main() (and by tests).
struct TMainFormServices {
    TYorraClockIni& Ini;
    const TYorraClockPathAndFile& Paths;
    TYorraClockEditedCheck& EditedCheck;
    TYorraClockFormVisible& FormVisible;
    const IClock& Clock;
    IMessageBox& Messages;
    TRotationList& MoonGate;
    TRotationList& Price;
    // Reads a day-phase picture; a null pixmap when it cannot.
    std::function<QPixmap(const QString& file)> LoadPicture;
};

// The program's main window: a borderless strip with the day-phase picture, the game clock and
// the tool buttons, a title strip of its own, and the list of what is due now. It owns the
// 50 ms heartbeat and launches every other window.
class TYorraClockMainForm : public QWidget {
    Q_OBJECT
  public:
    explicit TYorraClockMainForm(TMainFormServices services, QWidget* parent = nullptr);
    ~TYorraClockMainForm() override;

    // Layouts (also the four menu items): 0 tall, 1 docked top, 2 docked bottom, 3 wide.
    void ApplyLayout(int mode);
    int WindowMode() const { return windowMode_; }
    bool Collapsed() const { return collapsed_; }
    // The title strip's double-click: collapse or expand a docked band.
    void KieruPanelDblClick();

    // One beat of the heartbeat; public so that tests can drive time.
    void ViewTimerTimer();
    QTimer& ViewTimer() { return viewTimer_; }

    const TDueListEngine& DueList() const { return *dueList_; }
    const QString& CurrentPicture() const { return currentPicture_; }

  signals:
    // The layout changed; the tray icon was created anew.
    void LayoutApplied(int mode);

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void CreateControls();
    void CreateMenus();
    TShineSpeedButton* MakeButton(QWidget* parent, const char* name, const QString& hint);
    void FormShow();
    void RestoreApplication();
    void PlaySound(const std::string& file);
    void UpdateSoundButtons();
    void PlaceAreaComboBox();
    void ShowBackPicture(std::string_view name);
    void UpdateTaskButtons();
    void UpdateKieruPanelColour();
    void RefreshList(const TYorraTimeInfo& t);
    void RebuildList();
    void ConvertOlderFiles();
    void RecreateTrayIcon();

    // Commands and events.
    void MainMenuShineSpeedButtonClick();
    void TateyokoShineSpeedButtonClick();
    void SoundOnShineSpeedButtonClick();
    void SoundOffShineSpeedButtonClick();
    void LayoutMenuItemClick(int mode);
    void YoteiHyouListBoxClick(int index);
    void AreaComboBoxSelect(int index);

    TMainFormServices s_;
    TYorraWeeksList weeks_;
    std::unique_ptr<TDueListEngine> dueList_;
    std::unique_ptr<IMonitorTargetForm> monitorTarget_;
    TMultiMonitorMaxInfoCalc maxInfoCalc_;
    std::unique_ptr<TTrayIcon> trayIcon_;

    QTimer viewTimer_;
    QString currentPicture_;
    std::string_view shownPictureName_; // one of the clock's own picture names

    std::array<char, 6> shownClock_{};
    int windowMode_ = wmTall;
    bool collapsed_ = false;
    bool openAnimationPending_ = false;
    bool firstShowDone_ = false;
    bool closing_ = false;
    bool kieruActive_ = false;
    bool kieruColoured_ = false;
    QPoint dragOffset_;
    bool dragging_ = false;

    QWidget* paramPanel_ = nullptr;
    QLabel* backImage_ = nullptr;
    QWidget* kieruPanel_ = nullptr;
    QLabel* kieruCaption_ = nullptr;
    QHBoxLayout* taskLayout_ = nullptr;
    TYoteiHyouListBox* yoteiHyouListBox_ = nullptr;
    QComboBox* areaComboBox_ = nullptr;
    QLineEdit* allFilterWordEdit_ = nullptr;
    TShineSpeedButton* timeSettingButton_ = nullptr;
    TShineSpeedButton* soundOnButton_ = nullptr;
    TShineSpeedButton* soundOffButton_ = nullptr;
    TShineSpeedButton* closeButton_ = nullptr;
    TShineSpeedButton* minimizeButton_ = nullptr;
    // Task buttons in the order the tick checks them: memo, friends, map, album, schedule.
    std::array<TShineSpeedButton*, 5> taskButtons_{};
    QMenu* mainPopupMenu_ = nullptr;
    QMenu* tateyokoPopupMenu_ = nullptr;
};
