#include "SlotClipboard.h"

#include <QLocale>
#include <QTest>

#include <stdexcept>
#include <vector>

using namespace korvelt;

namespace {

// A grid of texts with a selection, standing in for the widget: row r starts at r o'clock
// and ends half an hour later; its days alternate. A cell outside the grid throws.
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
        writes = 0;
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

    // The Start..Saturday texts of a row.
    [[nodiscard]] QStringList Row(int row) const
    {
        QStringList texts;
        for (int c = 1; c < cols_; ++c) {
            texts << Cell(c, row);
        }
        return texts;
    }

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

} // namespace

class TestSlotClipboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // Slots are pasted from the top row of the selection down, as far as the grid reaches;
    // the day cells go only from the normal grid into the normal grid.
    void Paste_data()
    {
        QTest::addColumn<bool>("fromNormal");
        QTest::addColumn<bool>("intoNormal");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("rowsWritten");
        QTest::newRow("four at 13") << true << true << 13 << 4;
        QTest::newRow("four at 15") << true << true << 15 << 2;
        QTest::newRow("four at 16") << true << true << 16 << 1;
        QTest::newRow("normal into special") << true << false << 1 << 4;
        QTest::newRow("special into normal") << false << true << 3 << 4;
    }
    void Paste()
    {
        QFETCH(bool, fromNormal);
        QFETCH(bool, intoNormal);
        QFETCH(int, top);
        QFETCH(int, rowsWritten);
        FakeGrid source(fromNormal ? 10 : 3, 17);
        source.selection = GridRect{2, 5, 2, 8}; // the columns selected do not matter
        SlotClipboard clipboard;
        clipboard.Copy(source, fromNormal);
        QCOMPARE(clipboard.Count(), 4);
        FakeGrid target(intoNormal ? 10 : 3, 17);
        const FakeGrid before(intoNormal ? 10 : 3, 17);
        target.selection = GridRect{1, top, 9, 16}; // nor does its size
        clipboard.Paste(target, intoNormal);
        const int cellsPerRow = fromNormal && intoNormal ? 9 : 2;
        QCOMPARE(target.writes, rowsWritten * cellsPerRow);
        for (int k = 0; k < rowsWritten; ++k) {
            QCOMPARE(target.Row(top + k).mid(0, cellsPerRow), source.Row(5 + k).mid(0, cellsPerRow));
            QCOMPARE(target.Row(top + k).mid(cellsPerRow), before.Row(top + k).mid(cellsPerRow));
        }
    }

    // Times come back in the cell format; a day is copied as on only from a cell that says
    // exactly "On".
    void CopiedTexts()
    {
        FakeGrid grid(10, 17);
        const QStringList typed{"7:05", "01/11/2009 18:00:00", "", "on", "On", "On ", "Off", "ON", "On"};
        for (int c = 1; c <= 9; ++c) {
            grid.SetCell(c, 1, typed.at(c - 1));
        }
        SlotClipboard clipboard;
        clipboard.Copy(grid, true);
        grid.selection = GridRect{1, 4, 1, 4};
        clipboard.Paste(grid, true);
        QCOMPARE(grid.Row(4), (QStringList{"07:05:00", "01/11/2009 18:00:00", "Off", "Off", "On", "Off", "Off",
                                           "Off", "On"}));
    }
};

QTEST_GUILESS_MAIN(TestSlotClipboard)
#include "test_slotclipboard.moc"
