// The window, its pages, menus and dialogs, its messages and the report in other languages:
// in a made-up language nothing is left in English, and in it and in every real language
// every caption fits its control.

#include "MainFormFixture.h"
#include "PseudoTranslator.h"
#include "GridDriver.h"
#include "TestSchedules.h"
#include "app/DevicePresenter.h"
#include "app/CompareDialog.h"
#include "app/CopyOutputsDialog.h"
#include "app/HolidaysDialog.h"
#include "core/HolidayRules.h"
#include "editor/GridSlots.h"
#include "editor/TimeGrid.h"
#include "report/ScheduleReport.h"
#include "simulator/SimulatedKorvelt.h"
#include "text/DataFile.h"
#include "text/Languages.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <system_error>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

namespace {

const QString TsFile = QStringLiteral(KORVELT_SOURCE_DIR "/translations/korvelt_de.ts");

QString Describe(const QObject *object)
{
    QString name = object->objectName();
    for (const QObject *parent = object->parent(); name.isEmpty() && parent != nullptr; parent = parent->parent()) {
        if (!parent->objectName().isEmpty()) {
            name = QStringLiteral("in ") + parent->objectName();
        }
    }
    return QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') + name;
}

// Every text of a widget and its children that a person reads or hears: captions, titles,
// tooltips, accessible names, list and table items and headings, menu items.
QList<std::pair<QString, QString>> ShownTexts(const QWidget &root)
{
    QList<std::pair<QString, QString>> texts;
    auto add = [&texts](const QObject *object, const QString &text) {
        if (!text.isEmpty()) {
            texts.append({Describe(object), text});
        }
    };
    QList<const QWidget *> widgets{&root};
    for (const QWidget *child : root.findChildren<QWidget *>()) {
        widgets << child;
    }
    for (const QWidget *widget : widgets) {
        // Qt's own buttons (OK, Cancel, Close) are translated by Qt's translations.
        if (const auto *box = qobject_cast<const QDialogButtonBox *>(widget->parentWidget())) {
            const QList<QAbstractButton *> buttons = box->buttons();
            const auto own = std::find(buttons.begin(), buttons.end(), widget);
            if (own != buttons.end() && box->standardButton(*own) != QDialogButtonBox::NoButton) {
                continue;
            }
        }
        // The tab bar's own scroll buttons are Qt's, translated by Qt's translations.
        if (qobject_cast<const QTabBar *>(widget->parentWidget()) != nullptr) {
            continue;
        }
        add(widget, widget->windowTitle());
        add(widget, widget->toolTip());
        add(widget, widget->accessibleName());
        add(widget, widget->accessibleDescription());
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            add(widget, button->text());
        } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            add(widget, label->text());
        } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
            add(widget, group->title());
        } else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
            for (int k = 0; k < tabs->count(); ++k) {
                add(widget, tabs->tabText(k));
                add(widget, tabs->tabToolTip(k));
            }
        } else if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
            for (int k = 0; k < combo->count(); ++k) {
                add(widget, combo->itemText(k));
            }
        } else if (const auto *view = qobject_cast<const QAbstractItemView *>(widget);
                   view != nullptr && view->model() != nullptr) {
            const QAbstractItemModel &model = *view->model();
            for (int column = 0; column < model.columnCount(); ++column) {
                add(widget, model.headerData(column, Qt::Horizontal).toString());
            }
            for (int row = 0; row < model.rowCount(); ++row) {
                for (int column = 0; column < model.columnCount(); ++column) {
                    const QModelIndex index = model.index(row, column);
                    add(widget, index.data(Qt::DisplayRole).toString());
                    add(widget, index.data(Qt::ToolTipRole).toString());
                }
            }
        }
        for (const QAction *action : widget->actions()) {
            add(widget, action->text());
            add(widget,
                action->toolTip() == QString(action->text()).remove(QLatin1Char('&')) ? QString() : action->toolTip());
            if (action->menu() != nullptr) {
                for (const QAction *item : action->menu()->actions()) {
                    add(action->menu(), item->text());
                }
            }
        }
    }
    return texts;
}

// Every caption that does not fit its control: buttons, check boxes, labels on one line,
// tabs, group titles and column headings, measured against the room the control has.
QStringList Clipped(const QWidget &root)
{
    QStringList clipped;
    auto check = [&clipped](const QWidget *widget, const QString &text, int needed, int room) {
        if (needed > room) {
            clipped
                << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(Describe(widget), text).arg(needed).arg(room);
        }
    };
    for (const QWidget *widget : root.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&root)) {
            continue;
        }
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget);
            button != nullptr && !button->text().isEmpty() && qobject_cast<const QPushButton *>(widget) != nullptr) {
            check(widget, button->text(), button->sizeHint().width(), button->width());
        } else if (button != nullptr && !button->text().isEmpty()) {
            check(widget, button->text(), button->sizeHint().width(), button->width());
        } else if (const auto *label = qobject_cast<const QLabel *>(widget);
                   label != nullptr && !label->text().isEmpty() && label->pixmap().isNull()) {
            if (label->wordWrap()) {
                check(widget, label->text(), label->heightForWidth(label->contentsRect().width()),
                      label->contentsRect().height());
            } else {
                check(widget, label->text(), label->sizeHint().width(), label->width());
            }
        } else if (const auto *grid = qobject_cast<const TimeGrid *>(widget)) {
            // A time grid shows all its columns: none may need scrolling to.
            check(widget, grid->objectName(), grid->horizontalScrollBar()->isVisible() ? 1 : 0, 0);
        } else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
            for (int k = 0; k < tabs->count(); ++k) {
                check(widget, tabs->tabText(k), tabs->fontMetrics().horizontalAdvance(tabs->tabText(k)),
                      tabs->tabRect(k).width());
            }
        } else if (const auto *group = qobject_cast<const QGroupBox *>(widget);
                   group != nullptr && !group->title().isEmpty()) {
            check(widget, group->title(), group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width());
        } else if (const auto *header = qobject_cast<const QHeaderView *>(widget);
                   header != nullptr && header->orientation() == Qt::Horizontal && header->model() != nullptr) {
            for (int k = 0; k < header->count(); ++k) {
                if (!header->isSectionHidden(k)) {
                    const QString text = header->model()->headerData(k, Qt::Horizontal).toString();
                    check(widget, text, header->sectionSizeHint(k), header->sectionSize(k));
                }
            }
        }
    }
    // Controls that cover one another: captions, buttons and boxes side by side in one parent.
    for (const QWidget *parent : root.findChildren<QWidget *>()) {
        if (qobject_cast<const QAbstractItemView *>(parent) != nullptr) {
            continue;
        }
        QList<const QWidget *> controls;
        for (const QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisibleTo(&root) && (qobject_cast<const QLabel *>(child) != nullptr ||
                                              qobject_cast<const QAbstractButton *>(child) != nullptr ||
                                              qobject_cast<const QAbstractSpinBox *>(child) != nullptr ||
                                              qobject_cast<const QComboBox *>(child) != nullptr)) {
                controls << child;
            }
        }
        for (qsizetype a = 0; a < controls.size(); ++a) {
            for (qsizetype b = a + 1; b < controls.size(); ++b) {
                if (controls.at(a)->geometry().intersects(controls.at(b)->geometry())) {
                    clipped
                        << QStringLiteral("%1 and %2 overlap").arg(Describe(controls.at(a)), Describe(controls.at(b)));
                }
            }
        }
    }
    return clipped;
}

} // namespace

class TestTranslatedWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTranslator> translator_;
    const PseudoTranslator *pseudo_ = nullptr;

    // The window with every page made and shown, as a user would open them, and what each
    // of its dialogs shows.
    struct Walk {
        QStringList Untranslated;
        QStringList Clipped;
    };

    void Check(Walk &walk, const QWidget &root) const
    {
        walk.Clipped << Clipped(root);
        if (pseudo_ == nullptr) {
            return;
        }
        for (const auto &[where, text] : ShownTexts(root)) {
            if (const QStringList words = pseudo_->Leftover(text); !words.isEmpty()) {
                walk.Untranslated << QStringLiteral("%1: \"%2\" (%3)").arg(where, text, words.join(QLatin1Char(' ')));
            }
        }
    }
    void CheckText(Walk &walk, const QString &where, const QString &text) const
    {
        if (pseudo_ != nullptr) {
            if (const QStringList words = pseudo_->Leftover(text); !words.isEmpty()) {
                walk.Untranslated << QStringLiteral("%1: \"%2\" (%3)").arg(where, text, words.join(QLatin1Char(' ')));
            }
        }
    }

private slots:
    static void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init()
    {
        if (QLatin1String(QTest::currentTestFunction()) == QLatin1String("LanguageChoiceKept")) {
            return;
        }
        const QString language = QString::fromLatin1(QTest::currentDataTag());
        if (language == QLatin1String("pseudo")) {
            auto pseudo = std::make_unique<PseudoTranslator>(TsFile);
            QVERIFY2(pseudo->Count() > 300, "the translation file lists too few texts");
            pseudo_ = pseudo.get();
            translator_ = std::move(pseudo);
        } else if (language != QLatin1String("en")) {
            translator_ = std::make_unique<QTranslator>();
            QVERIFY(translator_->load(QStringLiteral(":/i18n/korvelt_") + language + QStringLiteral(".qm")));
        }
        if (translator_) {
            QCoreApplication::installTranslator(translator_.get());
        }
    }
    void cleanup()
    {
        if (translator_) {
            QCoreApplication::removeTranslator(translator_.get());
        }
        translator_.reset();
        pseudo_ = nullptr;
    }

    static void EverythingTranslatedAndFits_data()
    {
        QTest::addColumn<int>("unused");
        QTest::newRow("pseudo") << 0;
        for (const ProgramLanguage &language : ProgramLanguages()) {
            QTest::newRow(qPrintable(language.Code)) << 0;
        }
    }
    void EverythingTranslatedAndFits()
    {
        Walk walk;
        {
            MainFormFixture f;
            auto &pages = f.Find<QTabWidget>(QStringLiteral("AdvPageControl1"));
            for (int k = 0; k < pages.count(); ++k) {
                pages.setCurrentIndex(k);
                QCoreApplication::processEvents();
                Check(walk, *f.form);
            }
            // The device log holds the lines a KORVELT gives without a scroll bar across.
            auto &log = f.Find<QPlainTextEdit>(QStringLiteral("LogMemo"));
            log.setPlainText(DevicePresenter::DeviceLogLines({"KORVELT 1.05", 99999}).join(QLatin1Char('\n')));
            QCoreApplication::processEvents();
            if (log.horizontalScrollBar()->maximum() > 0) {
                walk.Clipped << QStringLiteral("LogMemo: \"%1\"").arg(log.toPlainText());
            }
            // Messages through the dialogs: no KORVELT attached, a file that is not there, and
            // leaving with changes.
            f.dialogs->fileNames.push_back(QStringLiteral("/nonexistent/qx/zz.dat"));
            QTest::mouseClick(&f.Find<QPushButton>(QStringLiteral("LoadButton")), Qt::LeftButton);
            QTest::mouseClick(&f.Find<QPushButton>(QStringLiteral("WriteButton")), Qt::LeftButton);
            QTRY_VERIFY(!f.dialogs->log.Errors.isEmpty());
            Check(walk, *f.form);
            // The system's own reason for the missing file is in the system's language.
            const QString reason = QString::fromStdString(std::generic_category().message(ENOENT));
            for (const QString &message : f.dialogs->log.Errors + f.dialogs->log.Informations) {
                CheckText(walk, QStringLiteral("message"), QString(message).remove(reason));
            }
        }
        {
            // A write cancelled half-way: the status says whole what the KORVELT now holds.
            auto backend = std::make_shared<SimulatedHidBackend>();
            const auto device = backend->AddKorvelt();
            device->InjectFault(SimulatedFault::FallSilent, 49);
            MainFormFixture f(backend, {}, {}, {}, 600000);
            QTest::mouseClick(&f.Find<QPushButton>(QStringLiteral("WriteButton")), Qt::LeftButton);
            QTRY_COMPARE(device->RequestCount(), 50);
            QTest::mouseClick(&f.Find<QPushButton>(QStringLiteral("CancelButton")), Qt::LeftButton);
            QTRY_VERIFY(!f.form->Session().Busy());
            Check(walk, *f.form);
        }
        {
            const ScheduleModel window = DistinctSchedule();
            ScheduleModel device = window;
            device.NormalTimes.at(0).at(0).Days.at(1) ^= 1U;
            device.NormalTimes.at(2).at(3).End = TimeOf(23, 59, 59);
            device.SpecialTimes.at(4).at(5).Start = TimeOf(0, 0, 0);
            device.DaylightSaving.Enabled ^= 1U;
            device.DaylightSaving.AdvanceMonth = 5;
            device.SpecialDates.at(2) += 1;
            CompareDialog compare(window, device, CompareSchedules(window, device));
            compare.show();
            QVERIFY(QTest::qWaitForWindowExposed(&compare));
            Check(walk, compare);
        }
        {
            CopyOutputsDialog copy(
                QCoreApplication::translate("korvelt::SlotGridPage", "Copy the normal times of output %1 to:").arg(3),
                2);
            copy.show();
            QVERIFY(QTest::qWaitForWindowExposed(&copy));
            Check(walk, copy);
        }
        {
            ScriptedDialogs dialogs;
            HolidaysDialog holidays(FindHolidayPreset("de")->Rules, QDate(2026, 12, 6), dialogs);
            holidays.show();
            QVERIFY(QTest::qWaitForWindowExposed(&holidays));
            Check(walk, holidays);
        }
        {
            // The report's text, read back from its PDF.
            ReportSource source;
            source.Model = DistinctSchedule();
            source.Printed = QDateTime(QDate(2026, 12, 6), QTime(23, 14, 29));
            source.Locale = QLocale();
            QTemporaryDir folder;
            QFile pdf(folder.filePath(QStringLiteral("report.pdf")));
            QVERIFY(pdf.open(QIODevice::WriteOnly));
            pdf.write(ScheduleReportPdf(source));
            pdf.close();
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {pdf.fileName(), QStringLiteral("-")});
            QVERIFY(text.waitForFinished());
            for (const QString &line : QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\n'))) {
                CheckText(walk, QStringLiteral("report"), line);
                if (line.contains(QChar(0x2026))) { // a heading or cell cut off
                    walk.Clipped << QStringLiteral("report: \"%1\"").arg(line);
                }
            }
        }
        walk.Untranslated.removeDuplicates();
        walk.Clipped.removeDuplicates();
        const QStringList faults = walk.Untranslated + walk.Clipped;
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join(QLatin1Char('\n'))));
    }

    // The data never changes with the language: a schedule loaded and saved in any language is
    // the same file byte for byte, and a time typed and a day picked in that language's window
    // (German formats) are stored as in English.
    static void SameDataInEveryLanguage_data() { EverythingTranslatedAndFits_data(); }
    static void SameDataInEveryLanguage()
    {
        QTemporaryDir folder;
        const QString loaded = folder.filePath(QStringLiteral("in.dat"));
        const QString saved = folder.filePath(QStringLiteral("out.dat"));
        ScheduleModel expected = DistinctSchedule();
        QVERIFY(SaveDataFile(QFile::encodeName(loaded).toStdString(), expected));
        MainFormFixture f;
        QVERIFY(f.form->LoadFile(loaded));
        f.dialogs->fileNames.push_back(saved);
        f.Find<QAction>(QStringLiteral("SaveAsAction")).trigger();
        const auto bytes = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QVERIFY(!bytes(saved).isEmpty());
        QCOMPARE(bytes(saved), bytes(loaded));

        GridDriver grid(f.Find<TimeGrid>(QStringLiteral("TimesAdvStringGrid")));
        QVERIFY(grid.TypeTime(StartColumn, 1, QStringLiteral("13:30")));
        const bool wasOn = expected.NormalTimes.at(0).at(0).Days.at(1) != 0;
        QVERIFY(grid.PickDay(FirstDayColumn + 1, 1,
                             QCoreApplication::translate("GridSlots", wasOn ? "Off" : "On", "day cell")));
        expected.NormalTimes.at(0).at(0).Start = TimeOf(13, 30, 0);
        expected.NormalTimes.at(0).at(0).Days.at(1) = wasOn ? 0 : 1;
        f.dialogs->fileNames.push_back(saved);
        f.Find<QAction>(QStringLiteral("SaveAsAction")).trigger();
        const QString english = folder.filePath(QStringLiteral("expected.dat"));
        QVERIFY(SaveDataFile(QFile::encodeName(english).toStdString(), expected));
        QCOMPARE(bytes(saved), bytes(english));
    }

    // Help, Language: the choice is kept in the settings, takes effect at the next start (as
    // the message says), and is shown ticked in the next window.
    static void LanguageChoiceKept_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Deutsch") << "Languagede"
                                 << "de";
        QTest::newRow("English") << "Languageen"
                                 << "en";
        QTest::newRow("System") << "LanguageSystem" << QString();
    }
    static void LanguageChoiceKept()
    {
        QFETCH(QString, action);
        QFETCH(QString, stored);
        QTemporaryDir folder;
        const QString settings = folder.filePath(QStringLiteral("settings.ini"));
        {
            QSettings before(settings, QSettings::IniFormat);
            before.setValue(QLatin1String(LanguageKey), QStringLiteral("pl"));
        }
        {
            MainFormFixture f({}, {}, {}, settings);
            QVERIFY(f.Find<QAction>(QStringLiteral("Languagepl")).isChecked());
            f.Find<QAction>(action).trigger();
            QCOMPARE(f.dialogs->log.Informations,
                     QStringList{QStringLiteral("The language changes when the program is started again.")});
        }
        QCOMPARE(QSettings(settings, QSettings::IniFormat).value(QLatin1String(LanguageKey)).toString(), stored);
        QCOMPARE(ChosenLanguage(stored), stored.isEmpty() ? SystemLanguage() : stored);
        MainFormFixture again({}, {}, {}, settings);
        QVERIFY(again.Find<QAction>(action).isChecked());
    }
};

QTEST_MAIN(TestTranslatedWindow)
#include "test_translatedwindow.moc"
