#include "ScheduleModel.h"
#include "ScheduleSnapshot.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

using namespace korvelt;

namespace {

double DoubleAt(const ScheduleImage &image, std::size_t offset)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(image.at(offset + i)) << (8 * i);
    }
    return std::bit_cast<double>(bits);
}

std::int32_t Int32At(const ScheduleImage &image, std::size_t offset)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(image.at(offset + i)) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

} // namespace

class TestScheduleModel : public QObject {
    Q_OBJECT

private slots:
    void DefaultImageIsTheDocumentedOne()
    {
        const ScheduleImage image = EncodeScheduleImage(ScheduleModel{});
        QCOMPARE(image.size(), std::size_t{12436});
        for (std::size_t slot = 0; slot < 512; ++slot) {
            const std::size_t at = slot * 24;
            QCOMPARE(DoubleAt(image, at), 0.5);
            QCOMPARE(DoubleAt(image, at + 8), 0.5);
            for (std::size_t b = 16; b < 24; ++b) {
                QCOMPARE(image.at(at + b), std::uint8_t{0});
            }
        }
        const std::size_t ds = 12288;
        QCOMPARE(image.at(ds), std::uint8_t{1});
        QCOMPARE(image.at(ds + 1) | image.at(ds + 2) | image.at(ds + 3), 0);
        QCOMPARE(Int32At(image, ds + 4), 4);  // advance week
        QCOMPARE(Int32At(image, ds + 8), 4);  // retard week
        QCOMPARE(Int32At(image, ds + 12), 2); // advance month
        QCOMPARE(Int32At(image, ds + 16), 9); // retard month
        for (std::size_t k = 0; k < 16; ++k) {
            QCOMPARE(DoubleAt(image, 12308 + 8 * k), 40118.0);
        }
    }

    void FieldsLandAtTheirOffsets()
    {
        ScheduleModel model;
        model.NormalTimes.at(3).at(5).Start = 0.25;
        model.NormalTimes.at(3).at(5).Days.at(6) = 1;
        model.SpecialTimes.at(15).at(15).End = 0.75;
        model.DaylightSaving.RetardMonth = -1;
        model.SpecialDates.at(15) = 40000.0;
        const ScheduleImage image = EncodeScheduleImage(model);
        QCOMPARE(DoubleAt(image, 384 * 3 + 24 * 5), 0.25);
        QCOMPARE(image.at(384 * 3 + 24 * 5 + 22), std::uint8_t{1});
        QCOMPARE(DoubleAt(image, 6144 + 384 * 15 + 24 * 15 + 8), 0.75);
        QCOMPARE(Int32At(image, 12288 + 16), -1);
        QCOMPARE(DoubleAt(image, 12308 + 8 * 15), 40000.0);
        QCOMPARE(EncodeScheduleImage(DecodeScheduleImage(image)), image);
    }

    void ChangedMeansExactBits_data()
    {
        QTest::addColumn<double>("before");
        QTest::addColumn<double>("after");
        QTest::addColumn<bool>("changed");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("same value") << 0.5 << 0.5 << false;
        QTest::newRow("one second later") << 0.5 << 0.5 + 1.0 / 86400 << true;
        QTest::newRow("negative zero") << 0.0 << -0.0 << true;
        QTest::newRow("nan stays nan") << nan << nan << false;
        QTest::newRow("smallest step") << 0.5 << std::nextafter(0.5, 1.0) << true;
    }
    void ChangedMeansExactBits()
    {
        QFETCH(double, before);
        QFETCH(double, after);
        QFETCH(bool, changed);
        ScheduleModel model;
        model.SpecialTimes.at(9).at(2).End = before;
        const ScheduleSnapshot snapshot(model);
        model.SpecialTimes.at(9).at(2).End = after;
        QCOMPARE(snapshot.Differs(model), changed);
    }

    void EveryBlockCountsForChange()
    {
        const ScheduleModel clean;
        const ScheduleSnapshot snapshot(clean);
        QVERIFY(!snapshot.Differs(clean));
        ScheduleModel model = clean;
        model.NormalTimes.at(15).at(15).Days.at(0) = 2;
        QVERIFY(snapshot.Differs(model));
        model = clean;
        model.DaylightSaving.Enabled = 0;
        QVERIFY(snapshot.Differs(model));
        model = clean;
        model.SpecialDates.at(7) = 40119.0;
        QVERIFY(snapshot.Differs(model));
        model = clean;
        model.SpecialTimes.at(0).at(0).Days.at(3) = 1; // not shown anywhere, still counts
        QVERIFY(snapshot.Differs(model));
    }
};

QTEST_GUILESS_MAIN(TestScheduleModel)
#include "test_schedulemodel.moc"
