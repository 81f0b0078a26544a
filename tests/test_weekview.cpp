// The week page, driven as a user drives it: bars where the slots are, edits shown before
// they are stored, clicks that lead to the slot, the question before writing mistakes, and
// what a screen reader is told of each row.

#include "GridDriver.h"
#include "editor/GridSlots.h"
#include "MainFormFixture.h"
#include "simulator/SimulatedKorvelt.h"
#include "TestSchedules.h"
#include "app/WeekPage.h"

#include <QAccessible>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>
#include <map>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

using Edit = std::function<void(ScheduleModel &)>;
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(korvelt::WeekBar::Shape)

namespace {

TDateTime Hour(double hours)
{
    return hours / 24;
}

// A slot with its days given Sunday first ("0111111": Monday to Saturday).
void SetSlot(TimeSlot &slot, double startHour, double endHour, const char *days = "0000000")
{
    slot.Start = Hour(startHour);
    slot.End = Hour(endHour);
    for (std::size_t d = 0; d < slot.Days.size(); ++d) {
        slot.Days.at(d) = days[d] == '1' ? 1 : 0;
    }
}

// The week page of a window showing the model.
WeekView &ShowWeek(MainFormFixture &f, const ScheduleModel &model)
{
    f.form->ReplaceModel(model);
    f.ShowPage(QStringLiteral("WeekAdvTabSheet"));
    auto &picture = f.Find<WeekView>("WeekPicture");
    QCoreApplication::processEvents(); // the page redraws once the events at hand are done
    return picture;
}

std::vector<WeekBar> BarsOf(const WeekView &picture, int output, int slot)
{
    std::vector<WeekBar> bars = picture.Bars();
    std::erase_if(bars, [&](const WeekBar &bar) { return bar.Output != output || bar.Slot != slot; });
    return bars;
}

// The contrast of two colours as the accessibility guidelines define it: 1 (none) to 21.
double Contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// In a part of a picture: its background (the commonest colour) and the colour that stands
// out most from it, the text's.
std::pair<QColor, QColor> BackgroundAndInk(const QImage &image, const QRect &part)
{
    std::map<QRgb, int> counts;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const QColor background(std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
                                return a.second < b.second;
                            })->first);
    QColor ink = background;
    for (const auto &[rgb, count] : counts) {
        if (Contrast(QColor(rgb), background) > Contrast(ink, background)) {
            ink = QColor(rgb);
        }
    }
    return {background, ink};
}

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(54, 54, 54));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    return dark;
}

} // namespace

class TestWeekView : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // A slot is drawn on each of its days from start to end in the strip of its output; the
    // days stand in the locale's order.
    void BarsWhereTheSlotIs_data() // clang-format off
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<WeekBar::Shape>("shape");
        QTest::addColumn<double>("right"); // the hour the bar ends at
        using Shape = WeekBar::Shape;
        QTest::newRow("shop, Monday first") << "en_GB" << 7.5 << 20.0 << "0111111" << QList<int>{0, 1, 2, 3, 4, 5}
                                            << Shape::Normal << 20.0;
        QTest::newRow("Sunday first") << "en_US" << 9.0 << 12.0 << "1000001" << QList<int>{0, 6} << Shape::Normal << 12.0;
        QTest::newRow("overnight: to midnight") << "en_GB" << 22.0 << 6.0 << "0000011" << QList<int>{4, 5}
                                                << Shape::Overnight << 24.0;
        QTest::newRow("start equal to end: a mark") << "en_GB" << 8.0 << 8.0 << "0010000" << QList<int>{1} << Shape::Mark
                                                    << 8.0;
    } // clang-format on
    void BarsWhereTheSlotIs()
    {
        QFETCH(QString, locale);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(QString, days);
        QFETCH(QList<int>, columns);
        QFETCH(WeekBar::Shape, shape);
        QFETCH(double, right);
        QLocale::setDefault(QLocale(locale));
        MainFormFixture f;
        ScheduleModel model;
        SetSlot(model.NormalTimes[2][4], start, end, days.toLatin1().constData());
        SetSlot(model.NormalTimes[2][5], 1, 1); // unused: no bar
        const WeekView &picture = ShowWeek(f, model);
        const WeekLayout layout = picture.Layout();
        QCOMPARE(picture.Bars().size(), static_cast<std::size_t>(columns.size()));
        for (int c = 0; c < DayCount; ++c) {
            const QRectF strip = layout.Strip(2, c);
            QVERIFY(picture.rect().contains(strip.toAlignedRect()));
            QVERIFY(strip.top() >= layout.Strip(1, c).bottom());
            QVERIFY(c == 0 || strip.left() >= layout.Strip(2, c - 1).right());
        }
        for (const WeekBar &bar : BarsOf(picture, 2, 4)) {
            QVERIFY(columns.removeOne(bar.Column));
            QCOMPARE(bar.Kind, shape);
            const QRectF strip = layout.Strip(2, bar.Column);
            QVERIFY(strip.contains(bar.Rect.center()));
            QVERIFY(qAbs(bar.Rect.left() - (strip.left() + strip.width() * start / 24)) <= 1.5);
            QVERIFY(qAbs(bar.Rect.right() - (strip.left() + strip.width() * right / 24)) <= 1.5);
        }
        QVERIFY(columns.isEmpty());
    }

    // Light or dark, the output labels stand out from their rows (the even ones shaded) and
    // the mistakes from the findings list: contrast 4.5 or more, measured in the picture drawn.
    void ReadableInEveryTheme_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QPalette(QColor(239, 239, 239));
        QTest::newRow("dark") << DarkPalette();
    }
    void ReadableInEveryTheme()
    {
        QFETCH(QPalette, palette);
        MainFormFixture f;
        ScheduleModel model;
        SetSlot(model.NormalTimes[0][0], 8, 10); // times, no day: a mistake
        f.form->setPalette(palette);
        WeekView &picture = ShowWeek(f, model);
        const QImage image = picture.grab().toImage();
        const WeekLayout layout(QRectF(picture.rect()), WeekColumnCount({}), QFontMetricsF(picture.font()));
        for (int o = 0; o < 4; ++o) {
            const auto [background, ink] =
                BackgroundAndInk(image, layout.Label(o).toAlignedRect().adjusted(1, 1, -1, -1));
            QVERIFY2(Contrast(ink, background) >= 4.5,
                     qPrintable(QStringLiteral("Output %1: %2 on %3").arg(o + 1).arg(ink.name(), background.name())));
        }
        const auto &findings = f.Find<QListWidget>("FindingsListBox");
        QTRY_VERIFY(findings.count() > 0 && findings.item(0)->text().startsWith(QLatin1String("Mistake: ")));
        const QColor mistake = findings.item(0)->foreground().color();
        const QColor base = findings.palette().color(QPalette::Base);
        QVERIFY2(Contrast(mistake, base) >= 4.5, qPrintable(mistake.name() + QStringLiteral(" on ") + base.name()));
    }

    // The page alone: its picture is made when it is first shown, with what it was given
    // before; it takes the room the page has; the count goes out with each showing. (A click
    // on a finding is followed in the window's test below.)
    void PageAlone()
    {
        WeekPage page;
        page.SetSources({nullptr, [] { return QDate(2026, 12, 7); }, {}, {}});
        QSignalSpy counted(&page, &WeekPage::CheckCounted);
        ScheduleModel model;
        for (int k = 0; k < SpecialDateCount; ++k) {
            model.SpecialDates.at(static_cast<std::size_t>(k)) = DateOf(2027, 5, 1 + k);
        }
        SetSlot(model.NormalTimes[4][1], 9, 12, "0111110");
        SetSlot(model.NormalTimes[4][3], 10, 11, "0100000"); // overlaps slot 2
        page.Show(model);
        QCOMPARE(counted.size(), 1);
        QCOMPARE(counted.back().front().toString(), QStringLiteral("1 mistake, 0 notes"));
        QVERIFY(page.Picture() == nullptr);
        QVERIFY(page.findChild<WeekView *>() == nullptr);

        page.resize(812, 420);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        WeekView *picture = page.Picture();
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->objectName(), QStringLiteral("WeekPicture"));
        QCOMPARE(BarsOf(*picture, 4, 3).size(), std::size_t{1});
        const QSize small = picture->size();
        page.resize(1500, 900);
        QTRY_VERIFY(picture->width() > small.width() + 500 && picture->height() > small.height() + 300);
    }

    // An edit in a grid shows on the page and in the count at once.
    void EditShowsAtOnce()
    {
        MainFormFixture f;
        const WeekView &picture = ShowWeek(f, ScheduleModel{});
        const auto &count = f.Find<QLabel>("CheckLabel");
        QCOMPARE(count.text(), QStringLiteral("No mistakes, 16 notes"));
        f.ShowPage(QStringLiteral("TimesAdvTabSheet"));
        GridDriver grid(f.Find<TimeGrid>("TimesAdvStringGrid"));
        QVERIFY(grid.TypeTime(StartColumn, 2, QStringLiteral("0800")));
        QVERIFY(grid.TypeTime(EndColumn, 2, QStringLiteral("1000")));
        QTRY_COMPARE(count.text(), QStringLiteral("1 mistake, 16 notes")); // times, no day
        QVERIFY(grid.PickDay(FirstDayColumn + 1, 2, QStringLiteral("On")));
        QTRY_COMPARE(BarsOf(picture, 0, 1).size(), std::size_t{1});
        QCOMPARE(count.text(), QStringLiteral("No mistakes, 16 notes"));
    }

    // A click on a bar or on a finding opens the slot's page on its output with its row current.
    void ClickLeadsToTheSlot_data()
    {
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("onFinding");
        QTest::newRow("normal bar") << false << false;
        QTest::newRow("special bar") << true << false;
        QTest::newRow("normal finding") << false << true;
        QTest::newRow("special finding") << true << true;
    }
    void ClickLeadsToTheSlot()
    {
        QFETCH(bool, special);
        QFETCH(bool, onFinding);
        MainFormFixture f;
        ScheduleModel model;
        for (int k = 0; k < SpecialDateCount; ++k) {
            model.SpecialDates.at(static_cast<std::size_t>(k)) = DateOf(2027, 5, 1 + k);
        }
        SlotTable &table = special ? model.SpecialTimes : model.NormalTimes;
        SetSlot(table[8][2], 9, 12, "0111110");
        SetSlot(table[8][6], 11, 13, "0111110"); // overlaps slot 3: the one finding
        WeekView &picture = ShowWeek(f, model);
        // A row selected on the output shown does not stay selected on the output led to.
        auto &grid = f.Find<TimeGrid>(special ? "SpecialTimesAdvStringGrid" : "TimesAdvStringGrid");
        grid.setRangeSelected(QTableWidgetSelectionRange(2, 0, 2, grid.columnCount() - 1), true);
        if (onFinding) {
            auto &list = f.Find<QListWidget>("FindingsListBox");
            QTRY_COMPARE(list.count(), 1);
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
        } else {
            if (special) {
                f.Find<QComboBox>("WeekChoiceComboBox").setCurrentIndex(3);
            }
            QCOMPARE(picture.Choice().SpecialDate, special ? 2 : -1);
            QTest::mouseClick(&picture, Qt::LeftButton, {}, BarsOf(picture, 8, 6).front().Rect.center().toPoint());
        }
        const QString prefix = special ? QStringLiteral("Special") : QString();
        QCOMPARE(f.Find<QTabWidget>("AdvPageControl1").currentWidget(),
                 &f.Find<QWidget>(special ? "SpecialTimesAdvTabSheet1" : "TimesAdvTabSheet"));
        QCOMPARE(f.Find<QSpinBox>(prefix + "OutputCSpinEdit").value(), 9);
        QCOMPARE(grid.CurrentRow(), 7);
        // The slot's whole row is selected, and nothing else.
        const QList<QTableWidgetSelectionRange> selected = grid.selectedRanges();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(QRect(QPoint(selected.front().leftColumn(), selected.front().topRow()),
                       QPoint(selected.front().rightColumn(), selected.front().bottomRow())),
                 QRect(0, 6, grid.columnCount(), 1));
    }

    // Mistakes ask once before writing, and No writes nothing; notes never ask; a value the
    // KORVELT cannot hold refuses without asking.
    void WriteQuestion_data() // clang-format off
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("written");
        const Edit twoMistakes([](ScheduleModel &m) {
            SetSlot(m.NormalTimes[1][2], 22, 6, "0000011");
            SetSlot(m.NormalTimes[3][0], 8, 17);
        });
        const QString asked = QStringLiteral("The schedule has 2 possible mistakes (first: Output 2, Normal Times slot 3: "
                                             "ends at 06:00:00, before it starts at 22:00:00). Write anyway?");
        QTest::newRow("No") << twoMistakes << false << asked << false;
        QTest::newRow("Yes") << twoMistakes << true << asked << true;
        QTest::newRow("notes only") << Edit([](ScheduleModel &) {}) << false << QString() << true;
        // A time beyond every date shows as its number, and is refused, not written as midnight.
        QTest::newRow("beyond every date") << Edit([](ScheduleModel &m) { m.NormalTimes[0][0].Start = 2147483647.0; })
                                           << true << QString() << false;
        QTest::newRow("unsendable") << Edit([](ScheduleModel &m) {
            SetSlot(m.NormalTimes[3][0], 8, 17);
            m.NormalTimes[0][0].End = 2;
        }) << true << QString() << false;
    } // clang-format on
    void WriteQuestion()
    {
        QFETCH(Edit, edit);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        QFETCH(bool, written);
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        ScheduleModel model;
        edit(model);
        f.form->ReplaceModel(model);
        f.dialogs->yesNoAnswers = {answer};
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Questions, question.isEmpty() ? QStringList{} : QStringList{question});
        if (written) {
            QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Download Complete")});
        } else {
            QCOMPARE(device->RequestCount(), 0);
            QVERIFY(!f.form->Session().Busy());
        }
    }

    // Each output row tells its on-times in words, days in a row with the same times once.
    void RowsDescribed_data() // clang-format off
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QStringList>("rows"); // outputs 1 to 3
        QTest::newRow("week") << 0
                              << QStringList{"Mon to Sat 07:30:00 to 20:00:00; Sun off",
                                             "Mon off; Tue 06:00:00 to 07:00:00 and 09:00:00 to 10:00:00; Wed to Fri off; "
                                             "Sat 22:00:00 to 02:00:00 (ends before it starts); Sun off",
                                             "off all week"};
        QTest::newRow("special date") << 2 << QStringList{"off", "off", "10:00:00 to 14:00:00"};
    } // clang-format on
    void RowsDescribed()
    {
        QFETCH(int, choice);
        QFETCH(QStringList, rows);
        MainFormFixture f;
        ScheduleModel model;
        SetSlot(model.NormalTimes[0][0], 7.5, 20, "0111111");
        SetSlot(model.NormalTimes[1][5], 9, 10, "0010000");
        SetSlot(model.NormalTimes[1][6], 6, 7, "0010000");
        SetSlot(model.NormalTimes[1][7], 22, 2, "0000001");
        SetSlot(model.SpecialTimes[2][0], 10, 14);
        ShowWeek(f, model);
        f.Find<QComboBox>("WeekChoiceComboBox").setCurrentIndex(choice);
        for (int o = 0; o < rows.size(); ++o) {
            QAccessibleInterface *row =
                QAccessible::queryAccessibleInterface(&f.Find<QWidget>(QStringLiteral("WeekRow%1").arg(o + 1)));
            QCOMPARE(row->text(QAccessible::Name), QStringLiteral("Output %1").arg(o + 1));
            QCOMPARE(row->text(QAccessible::Description), rows.at(o));
        }
    }
};

QTEST_MAIN(TestWeekView)
#include "test_weekview.moc"
