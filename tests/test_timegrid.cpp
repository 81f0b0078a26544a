// A time grid on its own, driven with the mouse and the keys: selecting slots on their
// numbers, Delete, and pasting into the slots chosen.
#include "GridDriver.h"
#include "editor/GridSlots.h"
#include "editor/SlotClipboard.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace korvelt;
using namespace korvelt::test;

namespace {

using Rows = std::vector<int>;

// "2 5 9" as rows.
Rows RowsOf(const QString &text)
{
    Rows rows;
    for (const QString &row : text.split(' ', Qt::SkipEmptyParts)) {
        rows.push_back(row.toInt());
    }
    return rows;
}

// A grid laid out as in the window, its slot r from r o'clock to half past, its days a
// pattern that differs from row to row.
std::unique_ptr<TimeGrid> MakeGrid(bool withDays)
{
    auto grid = std::make_unique<TimeGrid>(withDays ? 10 : 3, 17);
    for (int r = 1; r <= SlotCount; ++r) {
        grid->SetCell(0, r, QString::number(r));
        TimeSlot slot;
        slot.Start = r / 24.0;
        slot.End = (r + 0.5) / 24.0;
        for (int d = 0; d < DayCount; ++d) {
            slot.Days.at(static_cast<std::size_t>(d)) = (r + d) % 3 == 0 ? 1 : 0;
        }
        ShowSlot(*grid, r, slot, withDays);
    }
    grid->EditorTypeRequested = [](int col, int /*row*/) {
        return col == StartColumn || col == EndColumn ? EditorKind::Time : EditorKind::None;
    };
    grid->resize(withDays ? 705 : 205, 307);
    grid->show();
    grid->setFocus();
    return grid;
}

QStringList RowTexts(const TimeGrid &grid, int row)
{
    QStringList texts;
    for (int c = 1; c < grid.GridColCount(); ++c) {
        texts << grid.Cell(c, row);
    }
    return texts;
}

} // namespace

class TestTimeGrid : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // Clicks and drags over the slot numbers select whole slots, Shift extends from the last
    // slot clicked, Ctrl adds a slot or takes it away; a click on a cell starts afresh. The
    // selection's rectangle runs from the first selected slot to the last.
    void SelectingSlots_data() // clang-format off
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("wholeRows"); // false: cells are selected, not whole slots
        QTest::newRow("a click") << "click 5" << "5" << true;
        QTest::newRow("a drag down") << "drag 3 6" << "3 4 5 6" << true;
        QTest::newRow("a drag up") << "drag 9 7" << "7 8 9" << true;
        QTest::newRow("Shift extends") << "click 5; shift 8" << "5 6 7 8" << true;
        QTest::newRow("Shift extends upwards") << "click 5; shift 2" << "2 3 4 5" << true;
        QTest::newRow("Ctrl adds") << "click 2; ctrl 5; ctrl 16" << "2 5 16" << true;
        QTest::newRow("Ctrl takes away") << "drag 2 5; ctrl 3" << "2 4 5" << true;
        QTest::newRow("Ctrl and a drag add slots") << "click 1; ctrldrag 4 6" << "1 4 5 6" << true;
        QTest::newRow("a click replaces") << "drag 2 5; click 9" << "9" << true;
        QTest::newRow("a cell after slots") << "drag 2 5; cell 2 8" << "8" << false;
        QTest::newRow("Shift from a cell") << "cell 2 3; shift 6" << "3 4 5 6" << true;
        QTest::newRow("cells over rows") << "cells 2 4 2 6" << "4 5 6" << false;
    } // clang-format on
    void SelectingSlots()
    {
        QFETCH(QString, steps);
        QFETCH(QString, selected);
        QFETCH(bool, wholeRows);
        for (const bool withDays : {true, false}) {
            const auto grid = MakeGrid(withDays);
            QVERIFY(GridDriver(*grid).Do(steps));
            const Rows expected = RowsOf(selected);
            QCOMPARE(grid->SelectedSlots(), expected);
            QCOMPARE(GridDriver(*grid).SelectedRows(), wholeRows ? expected : Rows{});
            QCOMPARE(grid->Selection().Top, expected.front());
            QCOMPARE(grid->Selection().Bottom, expected.back());
        }
    }

    // Delete or Backspace clears exactly the selected slots to fresh ones and says so once;
    // inside an open editor the key edits the text and clears nothing.
    void Deleting_data() // clang-format off
    {
        QTest::addColumn<bool>("withDays");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("cleared");
        QTest::newRow("Delete, a drag") << true << "drag 3 5" << int(Qt::Key_Delete) << "3 4 5";
        QTest::newRow("Backspace, Ctrl") << true << "click 2; ctrl 7; ctrl 16" << int(Qt::Key_Backspace) << "2 7 16";
        QTest::newRow("a cell's slot") << true << "cell 6 9" << int(Qt::Key_Delete) << "9";
        QTest::newRow("special, a drag") << false << "drag 15 16" << int(Qt::Key_Delete) << "15 16";
        QTest::newRow("special, cells") << false << "cells 1 4 2 6" << int(Qt::Key_Delete) << "4 5 6";
        QTest::newRow("Ctrl+A, every slot") << false << "click 4; all" << int(Qt::Key_Delete)
                                            << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16";
        QTest::newRow("in an editor") << true << "click 4; edit 1 4" << int(Qt::Key_Delete) << "";
    } // clang-format on
    void Deleting()
    {
        QFETCH(bool, withDays);
        QFETCH(QString, steps);
        QFETCH(int, key);
        QFETCH(QString, cleared);
        const auto grid = MakeGrid(withDays);
        std::vector<QStringList> before;
        for (int r = 0; r <= SlotCount; ++r) {
            before.push_back(RowTexts(*grid, r));
        }
        QVERIFY(GridDriver(*grid).Do(steps));
        QSignalSpy spy(grid.get(), &TimeGrid::SlotsCleared);
        QWidget *editor = grid->OpenEditorWidget();
        QTest::keyClick(editor != nullptr ? QApplication::focusWidget() : grid.get(), Qt::Key(key));
        if (editor != nullptr) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
        const Rows rows = RowsOf(cleared);
        QStringList fresh{QStringLiteral("12:00:00"), QStringLiteral("12:00:00")};
        if (withDays) {
            fresh << QStringList(DayCount, QStringLiteral("Off"));
        }
        for (int r = 1; r <= SlotCount; ++r) {
            const bool clearedRow = std::find(rows.begin(), rows.end(), r) != rows.end();
            QCOMPARE(RowTexts(*grid, r), clearedRow ? fresh : before.at(static_cast<std::size_t>(r)));
        }
        QCOMPARE(spy.count(), rows.empty() ? 0 : 1);
        QVERIFY(rows.empty() || spy.front().front().toInt() == static_cast<int>(rows.size()));
    }

    // Paste writes into the slots chosen and nowhere else: into several selected slots one
    // to a slot (a single slot into each), from a single slot or cell down to the last slot;
    // it tells how many it wrote and how many found no place. Into the special grid, which
    // has no days, the times alone go.
    void PastingIntoTheSlotsChosen_data() // clang-format off
    {
        QTest::addColumn<bool>("intoSpecial");
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QString>("paste");
        QTest::addColumn<QString>("written"); // "target=source ..."
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<QString>("note");
        QTest::newRow("five into three selected")
            << false << "drag 2 6" << "drag 10 12" << "10=2 11=3 12=4" << 2
            << "The clipboard holds 5 slots; 3 were pasted into the selected slots.";
        // A slot number clicked and slots picked with Ctrl are pasted into in the window's test.
        QTest::newRow("one slot into each") << false << "click 7" << "drag 1 3" << "1=7 2=7 3=7" << 0 << "";
        QTest::newRow("two into four") << false << "drag 1 2" << "drag 9 12" << "9=1 10=2" << 0 << "";
        QTest::newRow("cells over two rows") << false << "cells 1 2 3 4" << "cells 2 10 5 11" << "10=2 11=3" << 1
                                            << "The clipboard holds 3 slots; 2 were pasted into the selected slots.";
        QTest::newRow("down to the last slot") << false << "drag 1 4" << "click 15" << "15=1 16=2" << 2
                                              << "The clipboard holds 4 slots; 2 were pasted, as slot 16 is the last.";
        QTest::newRow("a cell of the last slot") << false << "drag 1 3" << "cell 3 16" << "16=1" << 2
                                                << "The clipboard holds 3 slots; 1 was pasted, as slot 16 is the last.";
        QTest::newRow("a copy leaves gaps out") << false << "click 2; ctrl 5" << "click 9" << "9=2 10=5" << 0 << "";
        QTest::newRow("into the special grid, down to the last slot")
            << true << "drag 5 8" << "click 14" << "14=5 15=6 16=7" << 1 << "The clipboard holds 4 slots; 3 were pasted, as slot 16 is the last.";
    } // clang-format on
    void PastingIntoTheSlotsChosen()
    {
        QFETCH(bool, intoSpecial);
        QFETCH(QString, copy);
        QFETCH(QString, paste);
        QFETCH(QString, written);
        QFETCH(int, leftOut);
        QFETCH(QString, note);
        const auto grid = MakeGrid(true);
        const auto special = intoSpecial ? MakeGrid(false) : nullptr;
        TimeGrid &target = intoSpecial ? *special : *grid;
        std::vector<QStringList> before;
        std::vector<QStringList> targetBefore;
        for (int r = 0; r <= SlotCount; ++r) {
            before.push_back(RowTexts(*grid, r).mid(0, target.GridColCount() - 1));
            targetBefore.push_back(RowTexts(target, r));
        }
        SlotClipboard clipboard;
        QVERIFY(GridDriver(*grid).Do(copy));
        clipboard.Copy(*grid, true);
        QVERIFY(GridDriver(target).Do(paste));
        const PasteResult result = clipboard.Paste(target, !intoSpecial);
        std::vector<int> source(SlotCount + 1, 0); // 0: the row keeps its own
        const QStringList pairs = written.split(' ');
        for (const QString &pair : pairs) {
            source.at(pair.section('=', 0, 0).toUInt()) = pair.section('=', 1, 1).toInt();
        }
        for (int r = 1; r <= SlotCount; ++r) {
            const int from = source.at(static_cast<std::size_t>(r));
            QCOMPARE(RowTexts(target, r), from == 0 ? targetBefore.at(static_cast<std::size_t>(r))
                                                    : before.at(static_cast<std::size_t>(from)));
        }
        QCOMPARE(result.Written, static_cast<int>(pairs.size()));
        QCOMPARE(result.LeftOut, leftOut);
        QCOMPARE(PasteLeftOutText(result), note);
    }
};

QTEST_MAIN(TestTimeGrid)
#include "test_timegrid.moc"
