// The printed report as a PDF, read back with poppler's pdftotext and pdfinfo: the text is
// real text, the pages are counted right, and the paper follows the locale.
#include "MainFormFixture.h"
#include "report/ScheduleReport.h"
#include "TestSchedules.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(korvelt::ScheduleModel)

using namespace korvelt;
using korvelt::testing::DateOf;
using korvelt::testing::TimeOf;

namespace {

TimeSlot Slot(int fromHour, int fromMinute, int toHour, int toMinute, std::initializer_list<int> days)
{
    TimeSlot slot;
    slot.Start = TimeOf(fromHour, fromMinute, 0);
    slot.End = TimeOf(toHour, toMinute, 0);
    for (const int day : days) {
        slot.Days.at(static_cast<std::size_t>(day)) = 1;
    }
    return slot;
}

// A shop: window lights Monday to Saturday, the door heater on weekday mornings, the sign at
// night, special opening hours on two holidays.
ScheduleModel ShopSchedule()
{
    ScheduleModel model;
    model.NormalTimes.at(0).at(0) = Slot(7, 30, 20, 0, {1, 2, 3, 4, 5, 6});
    model.NormalTimes.at(1).at(0) = Slot(6, 45, 9, 0, {1, 2, 3, 4, 5});
    model.NormalTimes.at(1).at(1) = Slot(16, 0, 18, 30, {1, 2, 3, 4, 5});
    model.NormalTimes.at(3).at(0) = Slot(18, 0, 23, 0, {0, 1, 2, 3, 4, 5, 6});
    model.SpecialTimes.at(0).at(0) = Slot(10, 0, 14, 0, {});
    model.DaylightSaving.Enabled = 0;
    model.SpecialDates.fill(DateOf(2026, 12, 26));
    model.SpecialDates.at(0) = DateOf(2026, 12, 25);
    return model;
}

// Every slot of every output used.
ScheduleModel FullSchedule()
{
    ScheduleModel model;
    for (auto &output : model.NormalTimes) {
        for (std::size_t s = 0; s < output.size(); ++s) {
            output.at(s) = Slot(static_cast<int>(s), 0, static_cast<int>(s), 30, {static_cast<int>(s % DayCount)});
        }
    }
    return model;
}

QString Run(const QString &program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return QStringLiteral("(%1 failed: %2)").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF as pdftotext lays it out, runs of spaces one space.
QString PdfText(const QByteArray &pdf)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-"), QStringLiteral("-")}, pdf)
        .replace(QRegularExpression(QStringLiteral("[ \t]+")), QStringLiteral(" "));
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void PdfReadsBack_data() // clang-format off
    {
        QTest::addColumn<ScheduleModel>("model");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QStringList>("texts");    // each found in the text, in this order
        QTest::addColumn<QStringList>("notTexts"); // none of these found

        QTest::newRow("default schedule: one page of summary")
            << ScheduleModel{} << "en_GB" << "" << 1 << "A4"
            << QStringList{"KORVELT Time Control", "Page 1 of 1", "File: not saved", "Printed: 07/12/2026 09:30",
                           "Clocks go forward on the last Sunday of March and back on the last Sunday of October",
                           "01/11/2009", "Sunday", "in the past", "Outputs 1 to 16: nothing set"}
            << QStringList{"The week", "Output 1\n", "KORVELT:"};
        QTest::newRow("shop on Letter, days from Sunday")
            << ShopSchedule() << "en_US" << "shop.dat" << 3 << "letter"
            << QStringList{"File: shop.dat", "KORVELT: KORVELT 1.05, serial number 1234", "Daylight saving off",
                           "12/25/2026", "Friday", "12/26/2026", "Saturday", "The week", "Output 1",
                           "Sun Mon Tue Wed Thu Fri Sat", "1 7:30:00 AM 8:00:00 PM ✓ ✓ ✓ ✓ ✓ ✓",
                           "Special slot Start End", "1 10:00:00 AM 2:00:00 PM", "Output 2",
                           "2 4:00:00 PM 6:30:00 PM ✓ ✓ ✓ ✓ ✓", "Page 3 of 3", "Output 4", "1 6:00:00 PM 11:00:00 PM ✓ ✓ ✓ ✓ ✓ ✓ ✓",
                           "Outputs 3 and 5 to 16: nothing set"}
            << QStringList{"Clocks go forward"};
        QTest::newRow("every slot used: tables go on over pages")
            << FullSchedule() << "de_DE" << "full.dat" << 10 << "A4"
            << QStringList{"Mon Tue Wed Thu Fri Sat Sun", "Output 1", "16 15:00:00 15:30:00", "Output 16"}
            << QStringList{"nothing set"};
        // A long file name is cut in its middle and leaves the moment of printing on the page.
        const QString longName = QStringLiteral("the schedule of the north building, ground floor, shop windows, "
                                                "door heaters and the sign above the main entrance, winter.dat");
        QTest::newRow("long file name") << ScheduleModel{} << "en_GB" << longName << 1 << "A4"
                                        << QStringList{"File: the schedule of the north", "winter.dat",
                                                       "Printed: 07/12/2026 09:30", "KORVELT: KORVELT 1.05"}
                                        << QStringList{longName};
        // A rule from a file may name no week or no month: the sentence says so in plain words.
        ScheduleModel noWeek;
        noWeek.DaylightSaving.AdvanceWeek = 9;
        noWeek.DaylightSaving.RetardMonth = 12;
        QTest::newRow("rule without a week or a month")
            << noWeek << "en_GB" << "" << 1 << "A4"
            << QStringList{"Clocks go forward on a Sunday in March (no week chosen) and back on the last Sunday of a",
                           "month (no month", "chosen)."}
            << QStringList{"not chosen of"};
        ScheduleModel nothingChosen;
        nothingChosen.DaylightSaving.AdvanceWeek = 9;
        nothingChosen.DaylightSaving.AdvanceMonth = 12;
        QTest::newRow("rule without week and month")
            << nothingChosen << "en_GB" << "" << 1 << "A4"
            << QStringList{"Clocks go forward on a day not chosen and back on the last Sunday of October"}
            << QStringList{"not chosen of"};
    } // clang-format on

    void PdfReadsBack()
    {
        QFETCH(ScheduleModel, model);
        QFETCH(QString, locale);
        QFETCH(QString, fileName);
        QFETCH(int, pages);
        QFETCH(QString, paper);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, notTexts);

        ReportSource source;
        source.Model = model;
        source.Locale = QLocale(locale);
        source.FileName = fileName;
        source.Printed = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
        if (!fileName.isEmpty()) {
            source.DeviceVersion = QStringLiteral("KORVELT 1.05");
            source.DeviceSerial = QStringLiteral("1234");
        }
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        QVERIFY(SaveScheduleReportPdf(pdf.toStdString(), source));

        const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(pages))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: .*\\(%1\\)").arg(paper))),
                 qPrintable(info));

        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = PdfText(file.readAll());
        qsizetype at = 0;
        for (const QString &expected : texts) {
            const qsizetype found = text.indexOf(expected, at);
            QVERIFY2(found >= 0,
                     qPrintable(
                         QStringLiteral("\"%1\" not found after position %2 in:\n%3").arg(expected).arg(at).arg(text)));
            at = found + expected.size();
        }
        for (const QString &unexpected : notTexts) {
            QVERIFY2(!text.contains(unexpected), qPrintable(unexpected));
        }
    }

    // Print (Ctrl+P) and Export PDF show what the window shows, an edit not yet stored
    // included, and name the KORVELT once the schedule was written to it.
    void FromTheWindow()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        backend->AddKorvelt()->SetSerialNumber(4242);
        test::MainFormFixture f(backend);
        TimeGrid &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        grid.SetCell(1, 1, QStringLiteral("07:30:00"));
        grid.SetCell(2, 1, QStringLiteral("20:00:00"));
        grid.SetCell(4, 1, QStringLiteral("On"));
        QTest::keyClick(f.form.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.dialogs->log.PrintPreviews.size(), std::size_t{1});
        QString text = PdfText(f.dialogs->log.PrintPreviews.front());
        QVERIFY2(text.contains(QLatin1String("File: not saved")) &&
                     text.contains(QStringLiteral("1 07:30:00 20:00:00 ✓")) &&
                     !text.contains(QLatin1String("KORVELT: ")),
                 qPrintable(text));

        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Download Complete")});
        QTemporaryDir dir;
        f.dialogs->fileNames = {dir.filePath(QStringLiteral("cabinet")),
                                dir.filePath(QStringLiteral("gone/cabinet.pdf"))};
        f.ShowPage(QStringLiteral("WeekAdvTabSheet"));
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(&f.Find<QPushButton>("ExportPdfButton"), Qt::LeftButton);
        }
        QFile pdf(dir.filePath(QStringLiteral("cabinet.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        text = PdfText(pdf.readAll());
        QVERIFY2(text.contains(QLatin1String("serial number 4242")) &&
                     text.contains(QStringLiteral("1 07:30:00 20:00:00 ✓")),
                 qPrintable(text));
        // The second name is in a folder that is not there: the user is told.
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("The report could not be saved as \"%1\".")
                                                        .arg(dir.filePath(QStringLiteral("gone/cabinet.pdf")))});
    }

    // Print and Export PDF lay the report out on the same page, and both read the controls as
    // storing does: a month typed and not yet left is the month typed.
    void PrintAndPdfAlike()
    {
        test::MainFormFixture f;
        f.form->ReplaceModel(FullSchedule());
        f.ShowPage(QStringLiteral("DaylightSavingAdvTabSheet"));
        auto &month = f.Find<QComboBox>("AdvanceComboBox");
        QTest::mouseClick(month.lineEdit(), Qt::LeftButton);
        QTest::keyClick(month.lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(month.lineEdit(), QStringLiteral("February"));
        QTest::keyClick(month.lineEdit(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.dialogs->log.PrintPreviews.size(), std::size_t{1});
        QVERIFY(f.dialogs->log.PreviewLayouts.front().isEquivalentTo(ReportPageLayout(QLocale())));
        QTemporaryDir dir;
        const QString preview = dir.filePath(QStringLiteral("preview.pdf"));
        QFile file(preview);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(f.dialogs->log.PrintPreviews.front());
        file.close();
        const QString text = PdfText(f.dialogs->log.PrintPreviews.front());
        QVERIFY2(text.contains(QLatin1String("Clocks go forward on the last Sunday of February")), qPrintable(text));

        f.dialogs->fileNames = {dir.filePath(QStringLiteral("exported.pdf"))};
        f.ShowPage(QStringLiteral("WeekAdvTabSheet"));
        QTest::mouseClick(&f.Find<QPushButton>("ExportPdfButton"), Qt::LeftButton);
        const auto pages = [](const QString &pdf) {
            const QRegularExpressionMatch match =
                QRegularExpression(QStringLiteral("Pages: +(\\d+)")).match(Run(QStringLiteral("pdfinfo"), {pdf}));
            return match.hasMatch() ? match.captured(1).toInt() : -1;
        };
        QCOMPARE(pages(preview), pages(dir.filePath(QStringLiteral("exported.pdf"))));
        QVERIFY(pages(preview) > 1);
        QVERIFY(f.form->StoreAllControls());
        QCOMPARE(f.form->Model().DaylightSaving.AdvanceMonth, 1);
    }

    // Export PDF suggests the schedule's own name with .pdf in its folder: nothing saved yet,
    // after Save File, after loading another file.
    void PdfNameSuggested()
    {
        test::MainFormFixture f;
        QTemporaryDir dir;
        const auto suggested = [&f] {
            f.ShowPage(QStringLiteral("WeekAdvTabSheet"));
            QTest::mouseClick(&f.Find<QPushButton>("ExportPdfButton"), Qt::LeftButton); // cancelled
            return f.dialogs->lastFolder;
        };
        QCOMPARE(QFileInfo(suggested()).fileName(), QStringLiteral("KORVELT schedule.pdf"));
        QVERIFY(QFileInfo(QFileInfo(f.dialogs->lastFolder).absolutePath()).isDir());

        f.dialogs->fileNames = {dir.filePath(QStringLiteral("shop"))};
        QTest::mouseClick(&f.Find<QPushButton>("SaveButton"), Qt::LeftButton);
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("shop.dat"))));
        QCOMPARE(suggested(), dir.filePath(QStringLiteral("shop.pdf")));

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("other place")));
        const QString other = dir.filePath(QStringLiteral("other place/plan.v2.dat"));
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("shop.dat")), other));
        QVERIFY(f.form->LoadFile(other));
        QCOMPARE(suggested(), dir.filePath(QStringLiteral("other place/plan.v2.pdf")));
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }

    void NothingLeftWhereThePdfCannotGo()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("a folder"));
        QVERIFY(QDir().mkdir(folder));
        ReportSource source;
        source.Printed = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
        QVERIFY(!SaveScheduleReportPdf(folder.toStdString(), source));
        QVERIFY(!SaveScheduleReportPdf(dir.filePath(QStringLiteral("missing/report.pdf")).toStdString(), source));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{QStringLiteral("a folder")});
    }
};

QTEST_MAIN(TestReport)
#include "test_report.moc"
