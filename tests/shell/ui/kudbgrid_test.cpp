#include "ScriptedMessageBox.h"
#include "shell/ui/DataSource.h"
#include "shell/ui/KuDBGrid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

using enum TDBGridOption;
using enum TDBGridOptionKu;

const QColor GridColor(255, 255, 224);
const QColor OwnColor(255, 204, 153);
const TKuColor StripeColor{255, 255, 160};
const TKuColor CrossesColor{166, 202, 240};

// The options every list window of the program uses.
const TDBGridOptions WindowOptions{
    dgEditing, dgTitles, dgColLines, dgRowLines, dgAlwaysShowSelection, dgCancelOnExit};

TKuColumn Column(const char* field, const char* caption, int width,
                 Qt::Alignment alignment = Qt::AlignLeft) {
    TKuColumn column;
    column.FieldName = QString::fromUtf8(field);
    column.Title.Caption = QString::fromUtf8(caption);
    column.Title.Alignment = alignment;
    column.Width = width;
    column.Alignment = alignment;
    return column;
}

QColor ToQColor(TKuColor c) {
    return QColor(c.r, c.g, c.b);
}

// A memo-like table of five rows and a grid on it: Name, Group (pick list), Level (own colour),
// Visible (check box), Locked (read-only check box).
struct TGridFixture {
    TGridFixture() {
        table.CreateDataSet({AutoIncFieldDef("ID"), StringFieldDef("Name", 40),
                             StringFieldDef("MemoGroup", 20), IntegerFieldDef("Level"),
                             BooleanFieldDef("CheckVisible"), BooleanFieldDef("SystemCheck")});
        const char* names[] = {"ダンバートン", "ティルコネイル", "バンホール", "イメンマハ",
                               "タルティーン"};
        for (int i = 0; i < 5; ++i) {
            table.Append();
            table.FieldByName("Name").SetAsString(names[i]);
            table.FieldByName("MemoGroup").SetAsString(i % 2 ? "町" : "村");
            table.FieldByName("Level").SetAsInteger(i * 10);
            table.FieldByName("CheckVisible").SetAsBoolean(i % 2 == 0);
            table.FieldByName("SystemCheck").SetAsBoolean(i == 0);
            table.Post();
        }
        table.First();
        source.SetDataSet(&table);

        grid = new TKuDBGrid(&form);
        grid->resize(520, 200);
        grid->SetMessageBox(&boxes);
        grid->SetColor(GridColor);
        grid->SetOptions(WindowOptions);
        grid->SetOptionsKu({dgxBoolCheckBox, dgxNotCtrlDelKey});
        grid->SetStripeRowColors({StripeColor, CrossesColor, {}, {}});
        TKuColumn name = Column("Name", "名前", 110);
        TKuColumn group = Column("MemoGroup", "グループ", 90);
        group.PickList = {QString::fromUtf8("村"), QString::fromUtf8("町"),
                          QString::fromUtf8("ダンジョン")};
        TKuColumn level = Column("Level", "レベル", 70, Qt::AlignRight);
        level.Color = OwnColor;
        TKuColumn visible = Column("CheckVisible", "表示", 50, Qt::AlignHCenter);
        TKuColumn locked = Column("SystemCheck", "固定", 50, Qt::AlignHCenter);
        locked.ReadOnly = true;
        grid->SetColumns({name, group, level, visible, locked});
        grid->SetDataSource(&source);
        form.resize(540, 220);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

    QPoint CellCentre(int row, int column) const {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
    void Click(int row, int column) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    bool Stored(int row, const char* field) {
        return std::get<bool>(table.ViewValue(row, table.FieldByName(field).Index()));
    }
    // The colour at a cell's left edge, where no text is drawn.
    QColor CellColour(int row, int column) const {
        const QImage image = grid->viewport()->grab().toImage();
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        return image.pixelColor(cell.left() + 1, cell.center().y());
    }

    QWidget form;
    TClientDataSet table;
    TDataSource source;
    TScriptedMessageBox boxes;
    TKuDBGrid* grid = nullptr;
};

} // namespace

class KuDBGridTest : public QObject {
    Q_OBJECT
  private slots:
    void clickingACheckBoxTogglesAndLeavingTheRowPosts();
    void readOnlyCheckBoxesDoNotToggle();
    void pickListEditIsPostedAndEscCancels();
    void badValueIsReportedAndTheRowKept();
    void downAtTheEndAppendsAndAnUntouchedNewRowIsDropped();
    void stripesFollowTheFilteredView();
    void titleHeightAndLayout();
    void groupTitleCentresOverTheVisibleColumnsOfItsRun();
    void ctrlDeleteIsSwallowedOrAsks();
    void wheelMovesOneRecord();
    void detachedWhileTheWindowWalksTheTable();
    void followsFilterAndOrderSetOnTheTable();
    void sourceNoLongerHearsATableItLeft();
    void aNewRowFilledOnTheTableIsNotDropped();
    void doubleClickEvents();
    void ctrlClicksSelectRowsAndAnEditIsCopiedToThem();
    void dragOnTheIndicatorSelectsTheRowsPassed();
    void screenshotOfTitlesStripesAndCheckBoxes();
};

void KuDBGridTest::clickingACheckBoxTogglesAndLeavingTheRowPosts() {
    TGridFixture f;
    QCOMPARE(f.table.RecNo(), 1);
    f.Click(1, 3); // row 2 was false
    QCOMPARE(f.table.RecNo(), 2);
    QCOMPARE(f.table.State(), TDataSetState::Edit);
    QVERIFY(f.table.FieldByName("CheckVisible").AsBoolean());
    QVERIFY(!f.Stored(1, "CheckVisible")); // not posted yet
    // Real in-place editing is off on the check box, but the wish reads back.
    QCOMPARE(f.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(f.grid->Options().Contains(dgEditing));

    f.Click(3, 0); // leaving the row posts
    QCOMPARE(f.table.State(), TDataSetState::Browse);
    QCOMPARE(f.table.RecNo(), 4);
    QVERIFY(f.Stored(1, "CheckVisible"));
    QVERIFY(f.grid->editTriggers() != QAbstractItemView::NoEditTriggers);

    f.Click(3, 3); // row 4 was false: toggles on, a second click toggles it back
    f.Click(3, 3);
    QVERIFY(!f.table.FieldByName("CheckVisible").AsBoolean());
    QVERIFY(f.boxes.shown.isEmpty());
}

void KuDBGridTest::readOnlyCheckBoxesDoNotToggle() {
    TGridFixture f;
    f.Click(0, 4); // read-only column
    QCOMPARE(f.table.State(), TDataSetState::Browse);
    QVERIFY(f.Stored(0, "SystemCheck"));

    f.grid->SetReadOnly(true);
    f.Click(2, 3);
    QCOMPARE(f.table.RecNo(), 3); // moving still works
    QCOMPARE(f.table.State(), TDataSetState::Browse);
    QVERIFY(f.Stored(2, "CheckVisible"));

    f.grid->SetReadOnly(false);
    f.grid->SetOptions(TDBGridOptions(WindowOptions).Exclude(dgEditing));
    f.Click(2, 3);
    QCOMPARE(f.table.State(), TDataSetState::Browse);

    f.grid->SetOptions(WindowOptions);
    f.grid->SetOptionsKu({dgxNotCtrlDelKey}); // booleans as text: no toggling
    f.Click(2, 3);
    QCOMPARE(f.table.State(), TDataSetState::Browse);
    QCOMPARE(f.grid->model()->index(2, 3).data().toString(), QStringLiteral("True"));
}

void KuDBGridTest::pickListEditIsPostedAndEscCancels() {
    TGridFixture f;
    int updates = 0;
    QObject::connect(&f.source, &TDataSource::UpdateData, [&] { ++updates; });
    f.Click(2, 1);
    f.grid->edit(f.grid->currentIndex());
    auto* combo = f.grid->findChild<QComboBox*>(QStringLiteral("KuDBGridPickList"));
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentText(), QString::fromUtf8("村"));
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QCOMPARE(f.table.State(), TDataSetState::Edit);
    QCOMPARE(f.table.FieldByName("MemoGroup").AsString(), std::string("ダンジョン"));
    QPointer<QComboBox> closing(combo);
    QTest::keyClick(combo, Qt::Key_Return);
    QTRY_VERIFY(!closing); // the editor closes on its own
    QCOMPARE(f.table.State(), TDataSetState::Edit);
    f.source.Post();
    QCOMPARE(updates, 1);
    QCOMPARE(std::get<std::string>(f.table.ViewValue(2, 2)), "ダンジョン");
    QCOMPARE(f.grid->model()->index(2, 1).data().toString(), QString::fromUtf8("ダンジョン"));

    // Typing into a plain cell, then Esc on the grid: the edit is dropped.
    f.Click(2, 0);
    f.grid->edit(f.grid->currentIndex());
    auto* line = f.grid->findChild<QLineEdit*>();
    QVERIFY(line);
    line->setText(QStringLiteral("x"));
    QTest::keyClick(line, Qt::Key_Return);
    QTRY_COMPARE(f.table.FieldByName("Name").AsString(), std::string("x")); // committed queued
    QTest::keyClick(f.grid, Qt::Key_Escape);
    QCOMPARE(f.table.State(), TDataSetState::Browse);
    QCOMPARE(f.table.FieldByName("Name").AsString(), std::string("バンホール"));
    QCOMPARE(f.grid->model()->index(2, 0).data().toString(), QString::fromUtf8("バンホール"));
}

void KuDBGridTest::downAtTheEndAppendsAndAnUntouchedNewRowIsDropped() {
    TGridFixture f;
    f.Click(4, 0);
    QTest::keyClick(f.grid, Qt::Key_Down);
    QCOMPARE(f.table.State(), TDataSetState::Insert);
    QCOMPARE(f.grid->model()->rowCount(), 6);
    QCOMPARE(f.grid->currentIndex().row(), 5);
    QCOMPARE(f.grid->model()->headerData(5, Qt::Vertical).toString(), QStringLiteral("*"));
    QTest::keyClick(f.grid, Qt::Key_Up); // untouched: dropped
    QCOMPARE(f.table.State(), TDataSetState::Browse);
    QCOMPARE(f.grid->model()->rowCount(), 5);
    QCOMPARE(f.grid->currentIndex().row(), 4);

    QTest::keyClick(f.grid, Qt::Key_Down);
    QVERIFY(f.grid->model()->setData(f.grid->currentIndex(), QString::fromUtf8("コール")));
    // A key handler can stop the grid's own handling: this Esc does not cancel.
    const auto connection =
        connect(f.grid, &TKuDBGrid::OnKeyDown, [](int& key, Qt::KeyboardModifiers) {
            if (key == Qt::Key_Escape)
                key = 0;
        });
    QTest::keyClick(f.grid, Qt::Key_Escape);
    QCOMPARE(f.table.State(), TDataSetState::Insert);
    disconnect(connection);
    f.Click(0, 0); // leaving the new row posts it
    QCOMPARE(f.table.State(), TDataSetState::Browse);
    QCOMPARE(f.table.RecordCount(), 6);
    QCOMPARE(f.table.RecNo(), 1);
    QCOMPARE(std::get<std::string>(f.table.ViewValue(5, 1)), std::string("コール"));
    QCOMPARE(std::get<std::int32_t>(f.table.ViewValue(5, 0)), 6);
    QCOMPARE(f.grid->model()->index(5, 0).data().toString(), QString::fromUtf8("コール"));
}

void KuDBGridTest::badValueIsReportedAndTheRowKept() {
    TGridFixture f;
    f.Click(1, 2);
    QVERIFY(!f.grid->model()->setData(f.grid->currentIndex(), QStringLiteral("abc")));
    QTRY_COMPARE(f.boxes.shown.size(), 1);
    QVERIFY(f.boxes.shown[0].contains(QStringLiteral("Level")));
    QCOMPARE(f.boxes.types[0], TMsgType::Error);
    QCOMPARE(std::get<std::int32_t>(f.table.ViewValue(1, 3)), 10);
}

void KuDBGridTest::stripesFollowTheFilteredView() {
    TGridFixture f;
    f.Click(4, 0); // keep the selection away from the rows looked at
    f.grid->clearFocus();
    QCOMPARE(f.CellColour(0, 0), GridColor); // the first row is never striped
    QCOMPARE(f.CellColour(1, 0), ToQColor(StripeColor));
    QCOMPARE(f.CellColour(1, 2), ToQColor(CrossesColor)); // a column with its own colour
    QCOMPARE(f.CellColour(2, 2), OwnColor);
    QCOMPARE(f.CellColour(1, 3), ToQColor(StripeColor)); // check-box cells are striped too

    // Only CrossesColor: the grid-coloured columns show no stripe.
    f.grid->SetStripeRowColors({{}, CrossesColor, {}, {}});
    QCOMPARE(f.CellColour(1, 0), GridColor);
    QCOMPARE(f.CellColour(1, 2), ToQColor(CrossesColor));
    f.grid->SetStripeRowColors({StripeColor, CrossesColor, {}, {}});

    // Filtering out the second row: the third becomes the second and takes the stripe.
    f.table.SetFilter("Level <> 10");
    f.table.SetFiltered(true);
    QCOMPARE(f.grid->model()->rowCount(), 4);
    QCOMPARE(f.grid->model()->index(1, 0).data().toString(), QString::fromUtf8("バンホール"));
    QCOMPARE(f.CellColour(1, 0), ToQColor(StripeColor));
    QCOMPARE(f.CellColour(2, 0), GridColor);
}

void KuDBGridTest::titleHeightAndLayout() {
    TGridFixture f;
    QCOMPARE(f.grid->TitleHeight(), -1);
    QCOMPARE(f.grid->horizontalHeader()->height(), f.grid->verticalHeader()->defaultSectionSize());
    f.grid->SetTitleHeight(32);
    QCOMPARE(f.grid->horizontalHeader()->height(), 32);
    f.grid->SetTitleHeight(-5);
    QCOMPARE(f.grid->TitleHeight(), -1);
    QCOMPARE(f.grid->horizontalHeader()->height(), f.grid->verticalHeader()->defaultSectionSize());

    const QStringList layout{QString::fromUtf8("0,2,場所"), QString::fromUtf8(" 3,2,チェック")};
    f.grid->SetTitleLayout(layout);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             f.grid->SetTitleLayout({QStringLiteral("0,two,x")}));
    QCOMPARE(f.grid->TitleLayout(), layout);
    QCOMPARE(f.grid->TitleGroups().size(), std::size_t(2));
}

void KuDBGridTest::groupTitleCentresOverTheVisibleColumnsOfItsRun() {
    TGridFixture f;
    f.grid->SetTitleHeight(32);
    f.grid->SetTitleLayout({QString::fromUtf8("0,3,場所")});
    f.grid->resize(260, 200);
    f.grid->horizontalScrollBar()->setValue(1); // the run's first column scrolls out of sight
    auto* header = f.grid->horizontalHeader();
    QCOMPARE(header->sectionViewportPosition(1), 0);
    const int runRight = header->sectionViewportPosition(2) + header->sectionSize(2) - 1;
    const QImage image = header->viewport()->grab().toImage();
    // The caption's ink, inside the group rectangle's border.
    int inkLeft = image.width(), inkRight = -1;
    for (int y = 2; y < 16 - 3; ++y)
        for (int x = 3; x < runRight - 3; ++x)
            if (image.pixelColor(x, y).lightness() < 100) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    QVERIFY(inkRight > inkLeft);
    QVERIFY2(qAbs((inkLeft + inkRight) / 2 - runRight / 2) <= 3,
             qPrintable(
                 QStringLiteral("ink %1..%2, run 0..%3").arg(inkLeft).arg(inkRight).arg(runRight)));
}

void KuDBGridTest::ctrlDeleteIsSwallowedOrAsks() {
    TGridFixture f;
    f.Click(1, 0);
    QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.table.RecordCount(), 5);
    QVERIFY(f.boxes.shown.isEmpty());

    f.grid->SetOptionsKu({dgxBoolCheckBox});
    f.grid->SetOptions(TDBGridOptions(WindowOptions).Include(dgConfirmDelete));
    f.boxes.setNextAnswer(TMsgAnswer::No);
    QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.table.RecordCount(), 5);
    QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.boxes.shown.size(), 2);
    QCOMPARE(f.table.RecordCount(), 4);
    QCOMPARE(f.grid->model()->rowCount(), 4);
    QCOMPARE(f.grid->model()->index(1, 0).data().toString(), QString::fromUtf8("バンホール"));
}

void KuDBGridTest::wheelMovesOneRecord() {
    TGridFixture f;
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(20, 20), f.grid->viewport()->mapToGlobal(QPointF(20, 20)), {},
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f.grid->viewport(), &event);
        return event.isAccepted();
    };
    QVERIFY(wheel(-360)); // one step down, however far the wheel turned
    QCOMPARE(f.table.RecNo(), 2);
    QCOMPARE(f.grid->currentIndex().row(), 1);
    wheel(-120);
    wheel(120);
    QCOMPARE(f.table.RecNo(), 2);
    wheel(120);
    wheel(120); // at the first row already
    QCOMPARE(f.table.RecNo(), 1);

    f.table.Close();
    QCOMPARE(f.grid->model()->rowCount(), 0);
    QVERIFY(wheel(-120)); // nothing happens on a closed table
}

void KuDBGridTest::detachedWhileTheWindowWalksTheTable() {
    TGridFixture f;
    int changes = 0;
    QObject::connect(&f.source, &TDataSource::DataChange, [&] { ++changes; });
    f.table.DisableControls();
    for (f.table.First(); !f.table.Eof(); f.table.Next()) {
        f.table.Edit();
        f.table.FieldByName("Level").SetAsInteger(f.table.FieldByName("Level").AsInteger() + 1);
        f.table.Post();
        QCOMPARE(f.grid->currentIndex().row(), 0); // the grid does not follow the walk
    }
    f.source.Post(); // nothing pending, nothing heard
    QCOMPARE(changes, 0);
    f.table.EnableControls();
    QCOMPARE(changes, 1); // one refresh for the whole walk
    QCOMPARE(f.grid->model()->rowCount(), 5);
    QCOMPARE(f.grid->currentIndex().row(), 4); // where the walk ended
    QCOMPARE(f.grid->model()->index(4, 2).data().toString(), QStringLiteral("41"));
}

void KuDBGridTest::followsFilterAndOrderSetOnTheTable() {
    TGridFixture f;
    f.Click(3, 0);
    f.table.SetFilter("CheckVisible = True");
    f.table.SetFiltered(true);
    QCOMPARE(f.grid->model()->rowCount(), 3);
    QCOMPARE(f.grid->model()->index(1, 0).data().toString(), QString::fromUtf8("バンホール"));
    QCOMPARE(f.grid->model()->index(2, 0).data().toString(), QString::fromUtf8("タルティーン"));
    QCOMPARE(f.grid->currentIndex().row(), 0); // the filter made the first row current
    f.Click(2, 0);
    QCOMPARE(f.table.FieldByName("Name").AsString(), std::string("タルティーン"));

    // Ordered by name the current row comes first, and the grid's current row goes with it.
    f.table.SetIndexFieldNames("Name");
    QCOMPARE(f.grid->model()->index(0, 0).data().toString(), QString::fromUtf8("タルティーン"));
    QCOMPARE(f.grid->currentIndex().row(), 0);

    f.table.SetFiltered(false);
    QCOMPARE(f.grid->model()->rowCount(), 5);
    QVERIFY(f.boxes.shown.isEmpty());
}

void KuDBGridTest::sourceNoLongerHearsATableItLeft() {
    TGridFixture f;
    int changes = 0;
    QObject::connect(&f.source, &TDataSource::DataChange, [&] { ++changes; });
    TClientDataSet other;
    other.CreateDataSet({AutoIncFieldDef("ID"), StringFieldDef("Name", 40)});
    f.source.SetDataSet(&other);
    QCOMPARE(f.grid->model()->rowCount(), 0);
    changes = 0;
    f.table.Last();
    QCOMPARE(changes, 0);

    // A source that goes away leaves its table, which goes on without it.
    auto gone = std::make_unique<TDataSource>();
    gone->SetDataSet(&f.table);
    gone.reset();
    f.table.First();
    f.source.SetDataSet(&f.table);
    QCOMPARE(f.grid->model()->rowCount(), 5);
    QCOMPARE(f.grid->currentIndex().row(), 0);
}

void KuDBGridTest::aNewRowFilledOnTheTableIsNotDropped() {
    TGridFixture f;
    f.Click(4, 0);
    f.table.Append();
    QCOMPARE(f.grid->model()->rowCount(), 6);
    QCOMPARE(f.grid->currentIndex().row(), 5);
    QVERIFY(!f.source.Modified());
    f.table.FieldByName("Name").SetAsString("コール");
    QVERIFY(f.source.Modified());
    QCOMPARE(f.grid->model()->index(5, 0).data().toString(), QString::fromUtf8("コール"));
    QTest::keyClick(f.grid, Qt::Key_Up); // leaving posts it: the row was filled
    QCOMPARE(f.table.RecordCount(), 6);
    QVERIFY(!f.source.Modified());
}

void KuDBGridTest::doubleClickEvents() {
    TGridFixture f;
    QSignalSpy cells(f.grid, &TKuDBGrid::OnCellDblClick);
    QSignalSpy titles(f.grid, &TKuDBGrid::OnTitleDblClick);
    QSignalSpy plain(f.grid, &TKuDBGrid::OnDblClick);
    f.grid->SetReadOnly(true);
    QTest::mouseDClick(f.grid->viewport(), Qt::LeftButton, {}, f.CellCentre(1, 2));
    QCOMPARE(cells.count(), 1);
    QCOMPARE(cells[0][0].toInt(), 2);
    auto* header = f.grid->horizontalHeader();
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {},
                       QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    QCOMPARE(titles.count(), 1);
    QCOMPARE(titles[0][0].toInt(), 1);
    QCOMPARE(plain.count(), 2);
}

void KuDBGridTest::ctrlClicksSelectRowsAndAnEditIsCopiedToThem() {
    TGridFixture f;
    f.grid->SetOptions(TDBGridOptions(WindowOptions).Include(dgMultiSelect));
    f.grid->SetOptionsKu({dgxBoolCheckBox, dgxEditMultiSelect});
    f.table.SetFilter("Level <> 10");
    f.table.SetFiltered(true);

    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, Qt::ControlModifier, f.CellCentre(2, 0));
    f.Click(3, 0); // a plain click clears the selection
    QVERIFY(f.grid->SelectedRows().empty());
    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, Qt::ControlModifier, f.CellCentre(0, 0));
    // Ticking off row 2's box while it joins the selection.
    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, Qt::ControlModifier, f.CellCentre(1, 3));
    QCOMPARE(f.grid->SelectedRows(), (std::set<int>{0, 1}));
    QCOMPARE(f.table.State(), TDataSetState::Edit);
    QCOMPARE(f.grid->CellLook(0, 0).SelectedLook, true); // multi-selected rows show selected

    QSignalSpy start(f.grid, &TKuDBGrid::OnStartEditMultiSelect);
    QSignalSpy copied(f.grid, &TKuDBGrid::OnDataChangeEditMultiSelect);
    QSignalSpy end(f.grid, &TKuDBGrid::OnEndEditMultiSelect);
    QObject::connect(f.grid, &TKuDBGrid::OnDataChangeEditMultiSelect,
                     [&] { QVERIFY(!f.table.Filtered()); });
    f.source.Post();
    QCOMPARE(start.count(), 1);
    QCOMPARE(end.count(), 1);
    QCOMPARE(copied.count(), 2);
    QCOMPARE(copied[1][1].toInt(), 2); // running row number
    QCOMPARE(copied[1][2].toInt(), 2); // selected rows
    QVERIFY(f.table.Filtered());
    QCOMPARE(f.table.RecordCount(), 4);
    QVERIFY(!f.Stored(0, "CheckVisible")); // copied from row 2
    QVERIFY(!f.Stored(1, "CheckVisible"));
    QVERIFY(f.Stored(3, "CheckVisible")); // not selected
    QCOMPARE(f.table.RecNo(), 2);         // back on the edited row
    QCOMPARE(f.grid->currentIndex().row(), 1);
    QCOMPARE(f.grid->SelectedRows(), (std::set<int>{0, 1}));
    QVERIFY(f.boxes.shown.isEmpty());
}

void KuDBGridTest::dragOnTheIndicatorSelectsTheRowsPassed() {
    TGridFixture f;
    f.grid->SetOptions(TDBGridOptions(WindowOptions).Include(dgIndicator));
    f.grid->SetOptionsKu({dgxBoolCheckBox, dgxDragMultiSelect});
    QVERIFY(f.grid->Options().Contains(dgMultiSelect));
    QWidget* indicator = f.grid->verticalHeader()->viewport();
    auto send = [&](QEvent::Type type, int row) {
        const QPoint at(4, f.CellCentre(row, 0).y());
        QMouseEvent event(type, at, indicator->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(indicator, &event);
    };
    send(QEvent::MouseButtonPress, 1);
    QCOMPARE(f.grid->editTriggers(), QAbstractItemView::NoEditTriggers); // while dragging
    send(QEvent::MouseMove, 3);
    send(QEvent::MouseButtonRelease, 3);
    QCOMPARE(f.grid->SelectedRows(), (std::set<int>{1, 2, 3}));
    QCOMPARE(f.table.RecNo(), 4);
    QCOMPARE(f.grid->model()->headerData(3, Qt::Vertical).toString(), QString::fromUtf8("▶"));
    QCOMPARE(f.grid->model()->headerData(2, Qt::Vertical).toString(), QString());
    QVERIFY(f.grid->editTriggers() != QAbstractItemView::NoEditTriggers);
}

// With YORRA_SCREENSHOT set to a file name, saves a grid with group titles, stripes and check
// boxes, for looking at.
void KuDBGridTest::screenshotOfTitlesStripesAndCheckBoxes() {
    TGridFixture f;
    f.grid->SetTitleHeight(32);
    f.grid->SetTitleLayout({QString::fromUtf8("0,2,場所"), QString::fromUtf8("3,2,チェック")});
    f.Click(2, 1);
    const QImage shot = f.grid->grab().toImage();
    QCOMPARE(shot.pixelColor(f.grid->width() - 5, f.grid->height() - 5), GridColor);
    const QString path = qEnvironmentVariable("YORRA_SCREENSHOT");
    if (!path.isEmpty())
        QVERIFY(shot.save(path));
}

QTEST_MAIN(KuDBGridTest)
#include "kudbgrid_test.moc"
