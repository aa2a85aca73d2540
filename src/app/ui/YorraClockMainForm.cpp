#include "app/ui/YorraClockMainForm.h"

#include "app/ui/YoteiHyouListBox.h"
#include "core/ShortCut.h"
#include "shell/ui/ProgramFonts.h"
#include "shell/ui/QtMonitorTargetForm.h"
#include "shell/ui/ShineSpeedButton.h"
#include "shell/ui/TrayIcon.h"
#include "shell/ui/WindowShape.h"
#include "storage/DataBaseConversion.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <cstring>

namespace {

const QString Title = QStringLiteral("よらぴぃーでーえー");

// The title strip's captions are letters of the symbol font: "5" and "6" are arrow heads.
QString SymbolGlyph(const std::string& caption) {
    if (caption == "5")
        return QStringLiteral("▲");
    if (caption == "6")
        return QStringLiteral("▼");
    return {};
}

QRect ToQRect(const TLayoutRect& r) {
    return {r.x, r.y, r.width, r.height};
}

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TYorraClockMainForm::TYorraClockMainForm(TMainFormServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), s_(std::move(services)),
      weeks_(s_.Paths.ProgramFolder() + "YorraPDAWeek.ini"),
      dueList_(std::make_unique<TDueListEngine>(s_.Paths.GetScheduleFileName(), s_.MoonGate,
                                                s_.Price, weeks_)),
      monitorTarget_(std::make_unique<TQtMonitorTargetForm>(this)),
      maxInfoCalc_(monitorTarget_.get()) {
    setObjectName(QStringLiteral("YorraClockMainForm"));
    setWindowTitle(Title);
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (!s_.LoadPicture)
        s_.LoadPicture = [](const QString& file) { return QPixmap(file); };
    // No alignment until the first docked layout sets one.
    maxInfoCalc_.SetMaxAlign(maNone);
    CreateControls();
    CreateMenus();
    viewTimer_.setObjectName(QStringLiteral("ViewTimer"));
    connect(&viewTimer_, &QTimer::timeout, this, &TYorraClockMainForm::ViewTimerTimer);
}

TYorraClockMainForm::~TYorraClockMainForm() = default;

TShineSpeedButton* TYorraClockMainForm::MakeButton(QWidget* parent, const char* name,
                                                   const QString& hint) {
    auto* button = new TShineSpeedButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->SetHint(hint);
    button->setFont(PGothicFont(12));
    return button;
}

void TYorraClockMainForm::CreateControls() {
    // The picture strip: day-phase picture, clock, search word and tool buttons.
    paramPanel_ = new QWidget(this);
    paramPanel_->setObjectName(QStringLiteral("ParamPanel"));
    paramPanel_->setFixedSize(ParamPanelWidth, ParamPanelHeight);
    backImage_ = new QLabel(paramPanel_);
    backImage_->setObjectName(QStringLiteral("BackImage"));
    backImage_->setGeometry(0, 0, ParamPanelWidth, ParamPanelHeight);
    backImage_->setScaledContents(false);

    timeSettingButton_ =
        MakeButton(paramPanel_, "TimeSettingShineSpeedButton", QStringLiteral("じかんあわせ"));
    timeSettingButton_->SetCaption(QStringLiteral("00:00"));
    timeSettingButton_->setFont(PGothicFont(21, true));
    timeSettingButton_->SetTransparent(true);
    timeSettingButton_->SetFontColor(Qt::white);
    timeSettingButton_->SetFontShadow(QColor(0, 0, 0));
    timeSettingButton_->setGeometry(2, 2, 76, 28);

    allFilterWordEdit_ = new QLineEdit(paramPanel_);
    allFilterWordEdit_->setObjectName(QStringLiteral("AllFilterWordEdit"));
    allFilterWordEdit_->setToolTip(QStringLiteral("しぼりこみ"));
    allFilterWordEdit_->setPlaceholderText(QStringLiteral("検索を行えます"));
    allFilterWordEdit_->setFont(PGothicFont(12));
    allFilterWordEdit_->setGeometry(82, 6, 112, 20);

    auto* shortCutButton = MakeButton(paramPanel_, "ShotCutKeyShineSpeedButton",
                                      QStringLiteral("キーボードで呼び出し"));
    shortCutButton->SetCaption(
        "[" + QString::fromStdString(ShortCutToText(s_.Ini.WindowActiveShotCut())) + "]");
    shortCutButton->setFont(PGothicFont(10));
    shortCutButton->SetTransparent(true);
    shortCutButton->SetFontColor(Qt::white);
    shortCutButton->setGeometry(196, 6, 59, 20);

    // The row of tool buttons.
    struct ToolButton {
        const char* name;
        QString caption;
        QString hint;
        int width;
    };
    const ToolButton tools[] = {
        {"MainMenuShineSpeedButton", QStringLiteral("&Menu"), QStringLiteral("メニュー"), 42},
        {"SoundOnShineSpeedButton", QStringLiteral("♪"), QStringLiteral("音が鳴ります"), 22},
        {"SSShineSpeedButton", QStringLiteral("写"), QStringLiteral("おもいであるばむ"), 22},
        {"YoteihyouShineSpeedButton", QStringLiteral("予"), QStringLiteral("よていひょう"), 22},
        {"TateyokoShineSpeedButton", QStringLiteral("⇔"), QStringLiteral("たてよこ"), 22},
        {"AddressShineSpeedButton", QStringLiteral("友"), QStringLiteral("おともだちの輪"), 22},
        {"MemoShineSpeedButton", QStringLiteral("メ"), QStringLiteral("めもちょう"), 22},
        {"MapShineSpeedButton", QStringLiteral("地"), QStringLiteral("地図みえみえ"), 22},
        {"httpShineSpeedButton", QStringLiteral("＠"), QStringLiteral("いんたーねっとサイト"), 22},
    };
    int x = 3;
    for (const ToolButton& t : tools) {
        TShineSpeedButton* b = MakeButton(paramPanel_, t.name, t.hint);
        b->SetCaption(t.caption);
        b->setGeometry(x, 33, t.width, 22);
        x += t.width + 3;
    }
    auto* menuButton = paramPanel_->findChild<TShineSpeedButton*>("MainMenuShineSpeedButton");
    menuButton->SetShowAccelChar(true);
    connect(menuButton, &TShineSpeedButton::OnClick, this,
            &TYorraClockMainForm::MainMenuShineSpeedButtonClick);
    soundOnButton_ = paramPanel_->findChild<TShineSpeedButton*>("SoundOnShineSpeedButton");
    connect(soundOnButton_, &TShineSpeedButton::OnClick, this,
            &TYorraClockMainForm::SoundOnShineSpeedButtonClick);
    // The sound-off button lies where the sound-on button is; one of the two shows.
    soundOffButton_ =
        MakeButton(paramPanel_, "SoundOffShineSpeedButton", QStringLiteral("音を出しません"));
    soundOffButton_->SetCaption(QStringLiteral("×"));
    soundOffButton_->setGeometry(soundOnButton_->geometry());
    connect(soundOffButton_, &TShineSpeedButton::OnClick, this,
            &TYorraClockMainForm::SoundOffShineSpeedButtonClick);
    connect(paramPanel_->findChild<TShineSpeedButton*>("TateyokoShineSpeedButton"),
            &TShineSpeedButton::OnClick, this, &TYorraClockMainForm::TateyokoShineSpeedButtonClick);
    // The windows these open come with later parts of the program.
    for (const char* name :
         {"SSShineSpeedButton", "YoteihyouShineSpeedButton", "AddressShineSpeedButton",
          "MemoShineSpeedButton", "MapShineSpeedButton", "httpShineSpeedButton"})
        paramPanel_->findChild<TShineSpeedButton*>(name)->setEnabled(false);

    // The title strip: task buttons at the left, caption, minimise and close at the right.
    kieruPanel_ = new QWidget(this);
    kieruPanel_->setObjectName(QStringLiteral("KieruPanel"));
    kieruPanel_->setAutoFillBackground(true);
    kieruPanel_->installEventFilter(this);
    auto* strip = new QHBoxLayout(kieruPanel_);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    taskLayout_ = new QHBoxLayout;
    taskLayout_->setSpacing(0);
    strip->addLayout(taskLayout_);
    const std::array<std::pair<const char*, QString>, 5> tasks = {{
        {"MemoTaskShineSpeedButton", QStringLiteral("めもちょうを元のサイズに戻す")},
        {"Address2TaskShineSpeedButton", QStringLiteral("おともだちの輪を元のサイズに戻す")},
        {"MapTaskShineSpeedButton", QStringLiteral("地図みえみえを元のサイズに戻す")},
        {"SSTaskShineSpeedButton", QStringLiteral("おもいであるばむを元のサイズに戻す")},
        {"YoteiHyouTaskShineSpeedButton", QStringLiteral("よていひょうを元のサイズに戻す")},
    }};
    const QString taskCaptions[] = {QStringLiteral("メ"), QStringLiteral("友"),
                                    QStringLiteral("地"), QStringLiteral("写"),
                                    QStringLiteral("予")};
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        TShineSpeedButton* b = MakeButton(kieruPanel_, tasks[i].first, tasks[i].second);
        b->SetCaption(taskCaptions[i]);
        b->setFixedWidth(30);
        b->setVisible(false);
        taskLayout_->addWidget(b);
        taskButtons_[i] = b;
    }
    strip->addStretch(1);
    kieruCaption_ = new QLabel(kieruPanel_);
    kieruCaption_->setObjectName(QStringLiteral("KieruCaption"));
    kieruCaption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    strip->addWidget(kieruCaption_);
    strip->addStretch(1);
    minimizeButton_ = MakeButton(kieruPanel_, "MinimizeShineSpeedButton", QString());
    minimizeButton_->SetCaption(QStringLiteral("＿"));
    minimizeButton_->SetFontColor(QColor(0, 0, 255));
    minimizeButton_->setFixedWidth(20);
    connect(minimizeButton_, &TShineSpeedButton::OnClick, this, [this] { showMinimized(); });
    strip->addWidget(minimizeButton_);
    closeButton_ = MakeButton(kieruPanel_, "CloseShineSpeedButton", QString());
    closeButton_->SetCaption(QStringLiteral("×"));
    closeButton_->SetFontColor(QColor(255, 0, 0));
    closeButton_->setFixedWidth(20);
    connect(closeButton_, &TShineSpeedButton::OnClick, this, &QWidget::close);
    strip->addWidget(closeButton_);

    yoteiHyouListBox_ = new TYoteiHyouListBox(this);
    yoteiHyouListBox_->setObjectName(QStringLiteral("YoteiHyouListBox"));
    yoteiHyouListBox_->SetLines(&dueList_->ShownLines());
    yoteiHyouListBox_->SetHintOf(
        [this](int index) { return QString::fromStdString(dueList_->LineHint(index)); });
    connect(yoteiHyouListBox_, &TYoteiHyouListBox::LineClicked, this,
            &TYorraClockMainForm::YoteiHyouListBoxClick);

    areaComboBox_ = new QComboBox(this);
    areaComboBox_->setObjectName(QStringLiteral("AreaComboBox"));
    areaComboBox_->setToolTip(QStringLiteral("いまいるところ"));
    areaComboBox_->setFont(PGothicFont(12));
    areaComboBox_->hide();
    connect(areaComboBox_, &QComboBox::activated, this, &TYorraClockMainForm::AreaComboBoxSelect);
    // Closing the drop-down without a choice hides the chooser too.
    areaComboBox_->view()->installEventFilter(this);
}

void TYorraClockMainForm::CreateMenus() {
    // The windows of the disabled items come with later parts of the program.
    auto later = [](QAction* action) { action->setEnabled(false); };
    mainPopupMenu_ = new QMenu(this);
    mainPopupMenu_->setObjectName(QStringLiteral("MainPopupMenu"));
    later(mainPopupMenu_->addAction(QStringLiteral("おともだちの輪(&O)")));
    later(mainPopupMenu_->addAction(QStringLiteral("めもちょう(&M)")));
    later(mainPopupMenu_->addAction(QStringLiteral("地図みえみえ(&A)")));
    later(mainPopupMenu_->addAction(QStringLiteral("いんたーねっとサイト(&I)")));
    later(mainPopupMenu_->addAction(QStringLiteral("キーボードで呼び出し(&K)")));
    later(mainPopupMenu_->addAction(QStringLiteral("おもいであるばむ(&S)")));
    later(mainPopupMenu_->addAction(QStringLiteral("よていひょう(&Y)")));
    QMenu* layouts = mainPopupMenu_->addMenu(QStringLiteral("たてよこ(&E)"));
    tateyokoPopupMenu_ = new QMenu(this);
    tateyokoPopupMenu_->setObjectName(QStringLiteral("TateyokoPopupMenu"));
    struct LayoutItem {
        const char* menuName;
        const char* popupName;
        QString caption;
        int mode;
    };
    const LayoutItem items[] = {
        {"MainWindowTopMenuItem", "NMainWindowTop", QStringLiteral("上へはりつく(&U)"), wmDockTop},
        {"MainWindowHeightMenuItem", "NMainWindowHeight", QStringLiteral("たてながになる(&T)"),
         wmTall},
        {"PMMainWindowWidthMenuItem", "NMainWindowWidth", QStringLiteral("よこながになる(&Y)"),
         wmWide},
        {"MainWindowBottomMenuItem", "NMainWindowBottom", QStringLiteral("下へはりつく(&D)"),
         wmDockBottom},
    };
    for (const LayoutItem& item : items) {
        QAction* inMain = layouts->addAction(item.caption);
        inMain->setObjectName(QString::fromLatin1(item.menuName));
        connect(inMain, &QAction::triggered, this,
                [this, mode = item.mode] { LayoutMenuItemClick(mode); });
        QAction* inPopup = tateyokoPopupMenu_->addAction(item.caption);
        inPopup->setObjectName(QString::fromLatin1(item.popupName));
        connect(inPopup, &QAction::triggered, this,
                [this, mode = item.mode] { LayoutMenuItemClick(mode); });
    }
    mainPopupMenu_->addSeparator();
    later(mainPopupMenu_->addAction(QStringLiteral("ムーンゲートの行き先(&G)")));
    later(mainPopupMenu_->addAction(QStringLiteral("プライスどこ～？(&P)")));
    later(mainPopupMenu_->addAction(QStringLiteral("じかんあわせ(&T)")));
    mainPopupMenu_->addSeparator();
    later(mainPopupMenu_->addAction(QStringLiteral("ばーじょん(&V)")));
    QAction* exit = mainPopupMenu_->addAction(QStringLiteral("しゅうりょー(&X)"));
    exit->setObjectName(QStringLiteral("ExitMenuItem"));
    connect(exit, &QAction::triggered, this, [this] {
        RestoreApplication();
        close();
    });
    mainPopupMenu_->addSeparator();
    mainPopupMenu_->addAction(QStringLiteral("キャンセル(&C)")); // closes the menu only
}

void TYorraClockMainForm::PlaySound(const std::string& file) {
    s_.Ini.PlaySoundFile(file);
}

void TYorraClockMainForm::RestoreApplication() {
    if (isMinimized())
        showNormal();
}

void TYorraClockMainForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!firstShowDone_) {
        firstShowDone_ = true;
        FormShow();
    }
}

void TYorraClockMainForm::FormShow() {
    UpdateSoundButtons();
    move(s_.Ini.WindowLeft(), s_.Ini.WindowTop());
    try {
        maxInfoCalc_.FitToWorkArea();
    } catch (const std::exception&) {
        // No monitor to ask: the stored position stands.
    }
    viewTimer_.setInterval(50);
    ConvertOlderFiles();
    RebuildList();
    HideWindowShape(this);
    openAnimationPending_ = true;
    ApplyLayout(IsValidWindowMode(s_.Ini.WindowMode()) ? s_.Ini.WindowMode() : wmDockBottom);
    for (QWidget* w : findChildren<QWidget*>())
        w->setToolTipDuration(5000);
    viewTimer_.start();
}

void TYorraClockMainForm::ConvertOlderFiles() {
    TDataBaseConversion conversion(s_.Paths);
    const std::function<void()> steps[] = {[&] { conversion.ConvertMemoTable(); },
                                           [&] { conversion.ConvertScheduleTable(); },
                                           [&] { conversion.ConvertAddressTable(); }};
    for (const auto& step : steps) {
        try {
            step();
        } catch (const std::exception& e) {
            s_.Messages.Show(this, QString::fromStdString(e.what()), TMsgType::Error,
                             TMsgButtons::Ok);
        }
    }
}

void TYorraClockMainForm::RebuildList() {
    try {
        RebuildDueList(*dueList_, s_.Ini);
    } catch (const std::exception& e) {
        s_.Messages.Show(this, QString::fromStdString(e.what()), TMsgType::Error, TMsgButtons::Ok);
    }
    areaComboBox_->clear();
    for (const std::string& area : dueList_->AreaNames())
        areaComboBox_->addItem(QString::fromStdString(area));
    areaComboBox_->setCurrentIndex(
        areaComboBox_->findText(QString::fromStdString(dueList_->CurrentArea())));
}

void TYorraClockMainForm::UpdateSoundButtons() {
    soundOnButton_->setVisible(s_.Ini.SoundOnOff());
    soundOffButton_->setVisible(!s_.Ini.SoundOnOff());
}

void TYorraClockMainForm::SoundOnShineSpeedButtonClick() {
    s_.Ini.SetSoundOnOff(false);
    UpdateSoundButtons();
}

void TYorraClockMainForm::SoundOffShineSpeedButtonClick() {
    s_.Ini.SetSoundOnOff(true);
    UpdateSoundButtons();
    PlaySound(s_.Ini.OpenWindowWavFileName());
}

void TYorraClockMainForm::MainMenuShineSpeedButtonClick() {
    PlaySound(s_.Ini.OpenWindowWavFileName());
    auto* button = static_cast<QWidget*>(sender());
    mainPopupMenu_->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TYorraClockMainForm::TateyokoShineSpeedButtonClick() {
    PlaySound(s_.Ini.OpenWindowWavFileName());
    auto* button = static_cast<QWidget*>(sender());
    tateyokoPopupMenu_->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TYorraClockMainForm::LayoutMenuItemClick(int mode) {
    RestoreApplication();
    PlaySound(s_.Ini.ClickWavFileName());
    ApplyLayout(mode);
}

void TYorraClockMainForm::ApplyLayout(int mode) {
    trayIcon_.reset();
    const int previous = windowMode_;
    collapsed_ = false;
    paramPanel_->show();
    yoteiHyouListBox_->show();
    setMinimumHeight(0);

    int bandWidth = width();
    if (IsDocked(mode)) {
        if (!IsDocked(previous)) {
            s_.Ini.SetWindowLeft(x());
            s_.Ini.SetWindowTop(y());
        }
        maxInfoCalc_.SetMaxSizeY(DockedBandHeight);
        maxInfoCalc_.SetMaxAlign(mode == wmDockTop ? maTop : maBottom);
        try {
            maxInfoCalc_.Maximise();
            bandWidth = maxInfoCalc_.GetMonitorRects().Work.Width();
        } catch (const std::exception&) {
            bandWidth = std::max(width(), ParamPanelWidth);
        }
    } else {
        if (monitorTarget_->WindowState() == TFormWindowState::wsMaximized)
            monitorTarget_->Restore();
        const TMainLayout l = ComputeMainLayout(mode, 0);
        resize(l.clientWidth, l.clientHeight);
        if (IsDocked(previous)) {
            move(s_.Ini.WindowLeft(), s_.Ini.WindowTop());
            try {
                maxInfoCalc_.FitToWorkArea();
            } catch (const std::exception&) {
            }
        }
    }

    const TMainLayout l = ComputeMainLayout(mode, bandWidth);
    paramPanel_->setGeometry(ToQRect(l.paramPanel));
    kieruPanel_->setGeometry(ToQRect(l.kieruPanel));
    yoteiHyouListBox_->setGeometry(ToQRect(l.list));
    yoteiHyouListBox_->SetColumns(l.columns);
    kieruCaption_->setText(SymbolGlyph(l.kieruCaption));
    kieruPanel_->setToolTip(QString::fromStdString(l.kieruHint));
    windowMode_ = mode;
    PlaceAreaComboBox();
    RecreateTrayIcon();
    emit LayoutApplied(mode);
}

void TYorraClockMainForm::KieruPanelDblClick() {
    if (!IsDocked(windowMode_))
        return;
    PlaySound(s_.Ini.ClickWavFileName());
    if (collapsed_) {
        ApplyLayout(windowMode_);
        return;
    }
    collapsed_ = true;
    yoteiHyouListBox_->hide();
    paramPanel_->hide();
    const TMainLayout l = ComputeMainLayout(windowMode_, width(), true);
    kieruPanel_->setGeometry(ToQRect(l.kieruPanel));
    maxInfoCalc_.SetMaxSizeY(KieruPanelCollapsedHeight);
    try {
        maxInfoCalc_.Remaximise();
    } catch (const std::exception&) {
    }
}

void TYorraClockMainForm::RecreateTrayIcon() {
    try {
        trayIcon_ = std::make_unique<TTrayIcon>(this);
    } catch (const std::exception&) {
        return; // too many icons: the program goes on without one
    }
    trayIcon_->SetTipHelp(Title);
    trayIcon_->SetRBPopupMenu(mainPopupMenu_);
    trayIcon_->SetOnMouseUp([this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
        if (button != Qt::LeftButton)
            return;
        RestoreApplication();
        if (!isActiveWindow()) {
            raise();
            activateWindow();
        }
    });
    trayIcon_->SetVisible(true);
}

void TYorraClockMainForm::PlaceAreaComboBox() {
    areaComboBox_->setGeometry(yoteiHyouListBox_->x(), yoteiHyouListBox_->y(),
                               std::min(ParamPanelWidth, std::max(120, yoteiHyouListBox_->width())),
                               20);
}

void TYorraClockMainForm::YoteiHyouListBoxClick(int index) {
    yoteiHyouListBox_->viewport()->update();
    switch (dueList_->Click(index)) {
    case TDueListClick::ShowAreaChooser:
        PlaySound(s_.Ini.OpenWindowWavFileName());
        PlaceAreaComboBox();
        areaComboBox_->show();
        areaComboBox_->raise();
        if (areaComboBox_->count() > 0) {
            areaComboBox_->setFocus();
            areaComboBox_->showPopup();
        }
        break;
    case TDueListClick::OpenMoonGate:
    case TDueListClick::OpenPrice:
        // The rotation windows these lines open come with the rotation editors.
    case TDueListClick::None:
        break;
    }
}

void TYorraClockMainForm::AreaComboBoxSelect(int index) {
    PlaySound(s_.Ini.ClickWavFileName());
    const std::string area = areaComboBox_->itemText(index).toStdString();
    try {
        s_.Ini.SetAreaName(area);
    } catch (const std::exception& e) {
        s_.Messages.Show(this, QString::fromStdString(e.what()), TMsgType::Error, TMsgButtons::Ok);
    }
    dueList_->SelectArea(area);
    yoteiHyouListBox_->LinesChanged();
    areaComboBox_->hide();
}

void TYorraClockMainForm::ShowBackPicture(std::string_view name) {
    shownPictureName_ = name;
    currentPicture_ = FromStd(name);
    // A missing picture keeps the one shown; the name counts as shown all the same.
    const QPixmap picture =
        s_.LoadPicture(QString::fromStdString(s_.Paths.ProgramFolder()) + currentPicture_);
    if (!picture.isNull())
        backImage_->setPixmap(picture);
}

void TYorraClockMainForm::RefreshList(const TYorraTimeInfo& t) {
    if (RefreshDueListAndRing(*dueList_, s_.Ini, t.MinuteOfDay, t.CorrectedTime))
        yoteiHyouListBox_->LinesChanged();
}

void TYorraClockMainForm::UpdateTaskButtons() {
    const std::array<bool, 5> flags = {s_.FormVisible.Memo, s_.FormVisible.Address,
                                       s_.FormVisible.Map, s_.FormVisible.ScreenShot,
                                       s_.FormVisible.Schedule};
    for (std::size_t i = 0; i < taskButtons_.size(); ++i) {
        TShineSpeedButton* b = taskButtons_[i];
        if (b->isHidden() && flags[i]) {
            // A newly opened window's button joins at the right of those already shown.
            taskLayout_->removeWidget(b);
            taskLayout_->addWidget(b);
        }
        if (b->isHidden() == flags[i])
            b->setVisible(flags[i]);
    }
}

void TYorraClockMainForm::UpdateKieruPanelColour() {
    const bool active = isActiveWindow();
    if (kieruColoured_ && active == kieruActive_)
        return;
    kieruActive_ = active;
    kieruColoured_ = true;
    QPalette p = kieruPanel_->palette();
    const QPalette& app = QApplication::palette();
    p.setColor(QPalette::Window,
               app.color(active ? QPalette::Active : QPalette::Inactive, QPalette::Highlight));
    p.setColor(QPalette::WindowText, app.color(active ? QPalette::Active : QPalette::Inactive,
                                               QPalette::HighlightedText));
    kieruPanel_->setPalette(p);
}

void TYorraClockMainForm::ViewTimerTimer() {
    const TYorraTimeInfo t = ComputeYorraTime(s_.Clock.Now(), s_.Ini.PlusYooraMin());
    s_.MoonGate.SetIndex(t.MoonGateIndex);
    s_.Price.SetIndex(t.PriceIndex);
    if (shownPictureName_ != t.BackPictureName)
        ShowBackPicture(t.BackPictureName);
    if (s_.EditedCheck.Edited) {
        s_.EditedCheck.Edited = false;
        RebuildList();
    }
    if (std::memcmp(shownClock_.data(), t.ClockTextBuffer.data(), shownClock_.size()) != 0) {
        shownClock_ = t.ClockTextBuffer;
        timeSettingButton_->SetCaption(QString::fromLatin1(t.ClockTextBuffer.data(), 5));
        RefreshList(t);
    }
    UpdateTaskButtons();
    UpdateKieruPanelColour();
    if (openAnimationPending_) {
        openAnimationPending_ = false;
        ZoomInWindow(this);
    }
}

bool TYorraClockMainForm::eventFilter(QObject* watched, QEvent* e) {
    if (areaComboBox_ && watched == areaComboBox_->view() && e->type() == QEvent::Hide) {
        areaComboBox_->hide();
        return false;
    }
    if (watched != kieruPanel_)
        return QWidget::eventFilter(watched, e);
    switch (e->type()) {
    case QEvent::MouseButtonDblClick:
        KieruPanelDblClick();
        return true;
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        // Only the free-floating layouts move by their title strip.
        dragging_ = m->button() == Qt::LeftButton && !IsDocked(windowMode_);
        dragOffset_ = m->globalPosition().toPoint() - pos();
        return dragging_;
    }
    case QEvent::MouseMove: {
        if (!dragging_)
            return false;
        const QPoint target =
            static_cast<QMouseEvent*>(e)->globalPosition().toPoint() - dragOffset_;
        QPoint snapped = target;
        try {
            const TMonitorRect work = maxInfoCalc_.GetMonitorRects().Work;
            const TSnapPoint p = SnapToEdges(target.x(), target.y(), width(), height(), work.left,
                                             work.top, work.right, work.bottom);
            snapped = {p.x, p.y};
        } catch (const std::exception&) {
        }
        move(snapped);
        return true;
    }
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        return false;
    default:
        return false;
    }
}

void TYorraClockMainForm::closeEvent(QCloseEvent* e) {
    if (closing_) {
        e->accept();
        return;
    }
    closing_ = true;
    viewTimer_.stop();
    try {
        if (!IsDocked(windowMode_)) {
            s_.Ini.SetWindowLeft(x());
            s_.Ini.SetWindowTop(y());
        }
        s_.Ini.SetWindowMode(windowMode_);
    } catch (const std::exception& err) {
        s_.Messages.Show(this, QString::fromStdString(err.what()), TMsgType::Error,
                         TMsgButtons::Ok);
    }
    trayIcon_.reset();
    PlaySound(s_.Ini.OkWavFileName());
    ZoomOutWindow(this);
    e->accept();
}
