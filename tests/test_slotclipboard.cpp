#include "SlotClipboard.h"

#include <QLocale>
#include <QTest>

#include <stdexcept>
#include <vector>

using namespace korvelt;

namespace {

// A grid of texts with a selection, standing in for the widget.
class FakeGrid : public GridOps {
public:
    FakeGrid(int cols, int rows) : cols_(cols), rows_(rows), cells_(static_cast<std::size_t>(cols * rows))
    {
        for (int r = 1; r < rows; ++r) {
            SetCell(1, r, QStringLiteral("%1:00:00").arg(r, 2, 10, QLatin1Char('0')));
            SetCell(2, r, QStringLiteral("%1:30:00").arg(r, 2, 10, QLatin1Char('0')));
            for (int c = 3; c < cols; ++c) {
                SetCell(c, r, (r + c) % 2 == 0 ? QStringLiteral("On") : QStringLiteral("Off"));
            }
        }
    }
    [[nodiscard]] QString Cell(int col, int row) const override { return cells_.at(Index(col, row)); }
    void SetCell(int col, int row, const QString &text) override
    {
        cells_.at(Index(col, row)) = text;
        ++writes;
    }
    [[nodiscard]] int GridRowCount() const override { return rows_; }
    [[nodiscard]] int GridColCount() const override { return cols_; }
    [[nodiscard]] GridRect Selection() const override { return selection; }

    GridRect selection{1, 1, 1, 1};
    int writes = 0;

private:
    [[nodiscard]] std::size_t Index(int col, int row) const
    {
        if (col < 0 || col >= cols_ || row < 0 || row >= rows_) {
            throw std::out_of_range("cell outside the grid");
        }
        return static_cast<std::size_t>(row * cols_ + col);
    }
    int cols_;
    int rows_;
    std::vector<QString> cells_;
};

QStringList Row(const GridOps &grid, int row)
{
    QStringList texts;
    for (int c = 1; c < grid.GridColCount(); ++c) {
        texts << grid.Cell(c, row);
    }
    return texts;
}

} // namespace

class TestSlotClipboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void PasteStopsAtTheLastRow_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("rowsWritten");
        QTest::newRow("four at 15") << 15 << 2;
        QTest::newRow("four at 16") << 16 << 1;
        QTest::newRow("four at 13") << 13 << 4;
    }
    void PasteStopsAtTheLastRow()
    {
        QFETCH(int, top);
        QFETCH(int, rowsWritten);
        FakeGrid source(10, 17);
        source.selection = GridRect{1, 1, 9, 4};
        SlotClipboard clipboard;
        clipboard.Copy(source, true);
        FakeGrid target(10, 17);
        target.selection = GridRect{1, top, 9, 16}; // the selection's size does not matter
        target.writes = 0;
        clipboard.Paste(target, true); // a write outside the grid would throw
        QCOMPARE(target.writes, rowsWritten * 9);
        for (int k = 0; k < rowsWritten; ++k) {
            QCOMPARE(Row(target, top + k), Row(source, 1 + k));
        }
    }

    void SlotsFromTheNormalGridPasteTimesOnlyIntoTheSpecialGrid()
    {
        FakeGrid normal(10, 17);
        normal.selection = GridRect{1, 9, 1, 10};
        SlotClipboard clipboard;
        clipboard.Copy(normal, true);
        FakeGrid special(3, 17); // a day write would fall outside its three columns and throw
        special.selection = GridRect{1, 1, 1, 1};
        clipboard.Paste(special, false);
        QCOMPARE(Row(special, 1), (QStringList{QStringLiteral("09:00:00"), QStringLiteral("09:30:00")}));
        QCOMPARE(Row(special, 2), (QStringList{QStringLiteral("10:00:00"), QStringLiteral("10:30:00")}));
    }

    void DayTextsOtherThanOnCopyAsOff()
    {
        FakeGrid grid(10, 17);
        grid.SetCell(3, 1, QString());
        grid.SetCell(4, 1, QStringLiteral("on"));
        grid.SetCell(5, 1, QStringLiteral("On"));
        grid.selection = GridRect{1, 1, 1, 1};
        SlotClipboard clipboard;
        clipboard.Copy(grid, true);
        grid.selection = GridRect{1, 2, 1, 2};
        clipboard.Paste(grid, true);
        QCOMPARE(grid.Cell(3, 2), QStringLiteral("Off"));
        QCOMPARE(grid.Cell(4, 2), QStringLiteral("Off"));
        QCOMPARE(grid.Cell(5, 2), QStringLiteral("On"));
    }

    void PastedTimesUseTheLongFormat()
    {
        FakeGrid grid(3, 17);
        grid.SetCell(1, 1, QStringLiteral("7:05"));
        grid.SetCell(2, 1, QStringLiteral("01/11/2009 18:00:00"));
        grid.selection = GridRect{1, 1, 2, 1};
        SlotClipboard clipboard;
        clipboard.Copy(grid, false);
        grid.selection = GridRect{1, 4, 1, 4};
        clipboard.Paste(grid, false);
        QCOMPARE(grid.Cell(1, 4), QStringLiteral("07:05:00"));
        QCOMPARE(grid.Cell(2, 4), QStringLiteral("01/11/2009 18:00:00"));
    }

    void TextThatIsNoTimeLeavesTheClipboardAsItWas()
    {
        FakeGrid grid(10, 17);
        SlotClipboard clipboard;
        grid.selection = GridRect{1, 1, 1, 2};
        clipboard.Copy(grid, true);
        grid.SetCell(2, 6, QStringLiteral("half past"));
        grid.selection = GridRect{1, 4, 1, 8};
        try {
            clipboard.Copy(grid, false);
            QFAIL("the copy went through");
        } catch (const std::runtime_error &error) {
            QVERIFY(QString::fromUtf8(error.what()).contains(QStringLiteral("half past")));
        }
        QCOMPARE(clipboard.Count(), 2);
        QVERIFY(clipboard.HasDays());
        // Not even the rows before the failing one were taken over.
        QCOMPARE(clipboard.Slots().at(1).Start, 2.0 / 24);
    }

    void Presets_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("days");
        QTest::newRow("All") << int(DayPreset::All) << "On On On On On On On";
        QTest::newRow("None") << int(DayPreset::None) << "Off Off Off Off Off Off Off";
        QTest::newRow("Weekdays") << int(DayPreset::Weekdays) << "Off On On On On On Off";
        QTest::newRow("Weekends") << int(DayPreset::Weekends) << "On Off Off Off Off Off On";
    }
    void Presets()
    {
        QFETCH(int, preset);
        QFETCH(QString, days);
        FakeGrid grid(10, 17);
        const FakeGrid untouched(10, 17);
        ApplyDayPreset(grid, 7, static_cast<DayPreset>(preset));
        QCOMPARE(Row(grid, 7).mid(2).join(QLatin1Char(' ')), days);
        QCOMPARE(Row(grid, 7).mid(0, 2), Row(untouched, 7).mid(0, 2));
        for (int r = 0; r < 17; ++r) {
            if (r != 7) {
                QCOMPARE(Row(grid, r), Row(untouched, r));
            }
        }
    }

    void PresetsOffTheSlotRowsChangeNothing_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("header") << 0;
        QTest::newRow("no cell") << -1;
    }
    void PresetsOffTheSlotRowsChangeNothing()
    {
        QFETCH(int, row);
        FakeGrid grid(10, 17);
        grid.writes = 0;
        ApplyDayPreset(grid, row, DayPreset::All);
        QCOMPARE(grid.writes, 0);
    }
};

QTEST_GUILESS_MAIN(TestSlotClipboard)
#include "test_slotclipboard.moc"
