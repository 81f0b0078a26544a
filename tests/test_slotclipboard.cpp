#include "editor/SlotClipboard.h"

#include <QLocale>
#include <QTest>

#include <vector>

using namespace korvelt;

namespace {

// A grid of texts with a selection, standing in for the widget: 17 rows, of which row r
// starts at r o'clock and ends half an hour later; its days alternate. A cell outside the
// grid throws.
class FakeGrid : public GridOps {
public:
    explicit FakeGrid(std::size_t cols) : cells_(17, std::vector<QString>(cols))
    {
        for (std::size_t r = 1; r < cells_.size(); ++r) {
            cells_[r][1] = QStringLiteral("%1:00:00").arg(r, 2, 10, QLatin1Char('0'));
            cells_[r][2] = QStringLiteral("%1:30:00").arg(r, 2, 10, QLatin1Char('0'));
            for (std::size_t c = 3; c < cols; ++c) {
                cells_[r][c] = (r + c) % 2 == 0 ? QStringLiteral("On") : QStringLiteral("Off");
            }
        }
    }
    // A negative index turns into a huge one and throws as well.
    [[nodiscard]] QString Cell(int col, int row) const override
    {
        return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col));
    }
    void SetCell(int col, int row, const QString &text) override
    {
        cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col)) = text;
        ++writes;
    }
    [[nodiscard]] int GridRowCount() const override { return static_cast<int>(cells_.size()); }
    [[nodiscard]] int GridColCount() const override { return static_cast<int>(cells_.front().size()); }
    [[nodiscard]] GridRect Selection() const override { return selection; }

    // The Start..Saturday texts of a row.
    [[nodiscard]] QStringList Row(int row) const
    {
        const std::vector<QString> &cells = cells_.at(static_cast<std::size_t>(row));
        return {cells.begin() + 1, cells.end()};
    }

    GridRect selection{1, 1, 1, 1};
    int writes = 0;

private:
    std::vector<std::vector<QString>> cells_;
};

} // namespace

class TestSlotClipboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // Slots are pasted from the one row selected down, as far as the grid reaches; the day
    // cells go only from the normal grid into the normal grid.
    void Paste_data()
    {
        QTest::addColumn<bool>("fromNormal");
        QTest::addColumn<bool>("intoNormal");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("rowsWritten");
        QTest::newRow("four at 13") << true << true << 13 << 4;
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
        FakeGrid source(fromNormal ? 10 : 3);
        source.selection = GridRect{2, 5, 2, 8}; // the columns selected do not matter
        SlotClipboard clipboard;
        clipboard.Copy(source, fromNormal);
        FakeGrid target(intoNormal ? 10 : 3);
        target.selection = GridRect{1, top, 9, top};
        QCOMPARE(clipboard.Paste(target, intoNormal).Written, rowsWritten);
        const int cellsPerRow = fromNormal && intoNormal ? 9 : 2;
        QCOMPARE(target.writes, rowsWritten * cellsPerRow);
        for (int k = 0; k < rowsWritten; ++k) {
            QCOMPARE(target.Row(top + k).mid(0, cellsPerRow), source.Row(5 + k).mid(0, cellsPerRow));
            QCOMPARE(target.Row(top + k).mid(cellsPerRow), FakeGrid(intoNormal ? 10 : 3).Row(top + k).mid(cellsPerRow));
        }
    }
};

QTEST_GUILESS_MAIN(TestSlotClipboard)
#include "test_slotclipboard.moc"
