// Change tracking. The byte images themselves are pinned in test_datafile.

#include "ScheduleSnapshot.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace korvelt;

using Edit = std::function<void(ScheduleModel &)>;
Q_DECLARE_METATYPE(Edit)

class TestScheduleModel : public QObject {
    Q_OBJECT

private slots:
    // A schedule differs from its snapshot as soon as one bit of one field does, in any of
    // the four blocks, shown in a control or not.
    void ChangedMeansExactBits_data()
    {
        QTest::addColumn<double>("before"); // SpecialTimes[9][2].End
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("changed");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const auto setEnd = [](double value) {
            return Edit([value](ScheduleModel &m) { m.SpecialTimes[9][2].End = value; });
        };
        QTest::newRow("same value") << 0.5 << setEnd(0.5) << false;
        QTest::newRow("nan stays nan") << nan << setEnd(nan) << false;
        QTest::newRow("negative zero") << 0.0 << setEnd(-0.0) << true;
        QTest::newRow("smallest step") << 0.5 << setEnd(std::nextafter(0.5, 1.0)) << true;
        QTest::newRow("a normal day byte") << 0.5 << Edit([](ScheduleModel &m) { m.NormalTimes[15][15].Days[0] = 2; })
                                           << true;
        QTest::newRow("a special day, shown nowhere")
            << 0.5 << Edit([](ScheduleModel &m) { m.SpecialTimes[0][0].Days[3] = 1; }) << true;
        QTest::newRow("daylight saving") << 0.5 << Edit([](ScheduleModel &m) { m.DaylightSaving.RetardMonth = -1; })
                                         << true;
        QTest::newRow("a special date") << 0.5 << Edit([](ScheduleModel &m) { m.SpecialDates[7] = 40119.0; }) << true;
    }
    void ChangedMeansExactBits()
    {
        QFETCH(double, before);
        QFETCH(Edit, edit);
        QFETCH(bool, changed);
        ScheduleModel model;
        model.SpecialTimes[9][2].End = before;
        const ScheduleSnapshot snapshot(model);
        QVERIFY(!snapshot.Differs(model));
        edit(model);
        QCOMPARE(snapshot.Differs(model), changed);
    }
};

QTEST_GUILESS_MAIN(TestScheduleModel)
#include "test_schedulemodel.moc"
