#pragma once

#include "helpviewer/HelpViewerFactory.h"
#include "ScriptedDialogs.h"
#include "simulator/SimulatedHidBackend.h"
#include "app/TMainForm.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace korvelt::test {

// A main window with scripted dialogs, shown on the offscreen platform. Unless the test
// brings its own, no KORVELT is plugged in, the clock stands at FixedNow and there is no
// help file.
struct MainFormFixture {
    static QDateTime FixedNow() { return {QDate(2026, 12, 6), QTime(23, 14, 29)}; }

    explicit MainFormFixture(std::shared_ptr<HidBackend> backend = {}, std::function<QDateTime()> now = {},
                             const QString &helpFile = {}, const QString &settingsFile = {}, int replyTimeoutMs = 2000)
        : backend_(backend ? std::move(backend) : std::make_shared<SimulatedHidBackend>()), now_(std::move(now)),
          helpFile_(helpFile), settingsFile_(settingsFile), replyTimeoutMs_(replyTimeoutMs)
    {
        Start(std::make_unique<ScriptedDialogs>());
    }

    // Closes the window and starts the program again with the same devices and settings file;
    // the dialogs' log and the answers not yet given go on.
    void Restart()
    {
        form->close();
        auto scripted = std::make_unique<ScriptedDialogs>();
        scripted->log = dialogs->log;
        scripted->deviceAnswers = dialogs->deviceAnswers;
        form.reset();
        Start(std::move(scripted));
    }

    void Start(std::unique_ptr<ScriptedDialogs> scripted)
    {
        dialogs = scripted.get();
        MainFormServices services;
        services.Dialogs = std::move(scripted);
        services.Backend = backend_;
        services.Now = now_ ? now_ : [] { return FixedNow(); };
        services.Help = CreateHelpViewer();
        services.HelpFile = helpFile_.isEmpty() ? QStringLiteral("no-help-here/Horalux.chm") : helpFile_;
        if (!settingsFile_.isEmpty()) {
            services.Settings = std::make_unique<QSettings>(settingsFile_, QSettings::IniFormat);
        }
        services.ReplyTimeoutMs = replyTimeoutMs_;
        form = std::make_unique<TMainForm>(std::move(services));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // Types a value into a spin box as a user would: select all, type, press Enter.
    static void TypeInto(QAbstractSpinBox &box, const QString &text)
    {
        box.setFocus();
        auto *edit = box.findChild<QLineEdit *>();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    // Types into a date or time picker as a user would: the first section selected, then
    // the digits, which move on from section to section by themselves.
    static void TypeInto(QDateTimeEdit &edit, const QString &digits)
    {
        edit.setFocus();
        edit.setSelectedSection(edit.sectionAt(0));
        QTest::keyClicks(&edit, digits);
    }

    // A control of the window, found by its object name as tools and screen readers find it.
    // A name that is not there ends the test with a message.
    template <typename T> T &Find(const QString &name) const
    {
        T *found = form->findChild<T *>(name);
        if (found == nullptr) {
            // Some pages are made when first opened: open each, as a user would, and look again.
            auto &pages = *form->findChild<QTabWidget *>(QStringLiteral("AdvPageControl1"));
            const int shown = pages.currentIndex();
            for (int k = 0; k < pages.count(); ++k) {
                pages.setCurrentIndex(k);
            }
            pages.setCurrentIndex(shown);
            found = form->findChild<T *>(name);
        }
        if (found == nullptr) {
            qFatal("no %s named %s in the main window", T::staticMetaObject.className(), qPrintable(name));
        }
        return *found;
    }

    // Shows the named page of the tab control.
    void ShowPage(const QString &page) const
    {
        Find<QTabWidget>("AdvPageControl1").setCurrentWidget(&Find<QWidget>(page));
    }

    ScriptedDialogs *dialogs = nullptr;
    std::unique_ptr<TMainForm> form;

private:
    std::shared_ptr<HidBackend> backend_;
    std::function<QDateTime()> now_;
    QString helpFile_;
    QString settingsFile_;
    int replyTimeoutMs_;
};

} // namespace korvelt::test
