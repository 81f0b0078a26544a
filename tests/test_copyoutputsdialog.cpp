// The choice of outputs an output is copied to, asked through the platform's dialogs and
// answered with clicks and keys as a user would; the platform's message boxes as they open.
#include "app/CopyOutputsDialog.h"
#include "app/QtUserDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>
#include <vector>

using namespace korvelt;

using Outputs = std::optional<std::vector<int>>;
Q_DECLARE_METATYPE(Outputs)

class TestCopyOutputsDialog : public QObject {
    Q_OBJECT

private slots:
    // The source is ticked and cannot be unticked; All and None tick the others; OK is greyed
    // out while nothing is chosen; OK or Enter give the outputs ticked, Cancel or Esc
    // nothing.
    void Choosing_data() // clang-format off
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("actions"); // buttons and boxes clicked (by name), or keys
        QTest::addColumn<Outputs>("answer");
        QTest::newRow("one box") << 2 << "Output5CheckBox OKButton" << Outputs(std::vector{4});
        QTest::newRow("All") << 0 << "AllButton OKButton"
                             << Outputs(std::vector{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        QTest::newRow("All, None, two boxes") << 15 << "AllButton NoneButton Output16CheckBox Output9CheckBox "
                                                       "Output1CheckBox OKButton"
                                              << Outputs(std::vector{0, 8});
        QTest::newRow("a box twice") << 4 << "Output2CheckBox Output2CheckBox Output3CheckBox OKButton"
                                     << Outputs(std::vector{2});
        QTest::newRow("the source box") << 6 << "Output7CheckBox Output8CheckBox OKButton" << Outputs(std::vector{7});
        QTest::newRow("OK greyed out") << 3 << "OKButton Output4CheckBox OKButton CancelButton" << Outputs();
        QTest::newRow("Cancel after a choice") << 1 << "AllButton CancelButton" << Outputs();
        QTest::newRow("Enter") << 9 << "Output11CheckBox Enter" << Outputs(std::vector{10});
        QTest::newRow("Escape") << 9 << "Output11CheckBox Escape" << Outputs();
    } // clang-format on
    void Choosing()
    {
        QFETCH(int, source);
        QFETCH(QString, actions);
        QFETCH(Outputs, answer);
        const QString text = QStringLiteral("Copy the normal times of output %1 to:").arg(source + 1);
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<CopyOutputsDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            // Whatever happens below, the dialog does not stay open.
            const auto closeAtLast = qScopeGuard([dialog] {
                if (dialog->isVisible()) {
                    dialog->reject();
                }
            });
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(dialog->findChild<QLabel *>("TextLabel")->text(), text);
            const auto *sourceBox = dialog->findChild<QCheckBox *>(QStringLiteral("Output%1CheckBox").arg(source + 1));
            QVERIFY(sourceBox->isChecked() && !sourceBox->isEnabled());
            QVERIFY(!dialog->findChild<QPushButton *>("OKButton")->isEnabled());
            for (const QString &action : actions.split(' ')) {
                if (action == "Enter" || action == "Escape") {
                    QTest::keyClick(dialog, action == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
                } else {
                    auto *control = dialog->findChild<QAbstractButton *>(action);
                    QVERIFY2(control != nullptr, qPrintable(action));
                    QTest::mouseClick(control, Qt::LeftButton);
                }
            }
            QVERIFY(sourceBox->isChecked());
            seen = !dialog->isVisible(); // closed by the last action, not by the guard
        });
        QtUserDialogs dialogs;
        QCOMPARE(dialogs.AskOutputs(text, source), answer);
        QVERIFY(seen);
    }

    // A message box is as wide as its title needs in the title bar, beside the window's icon
    // and three buttons at least as wide as the bar is high: a short message does not cut it.
    void MessageBoxTitles_data() // clang-format off
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("information") << "information" << "Read Complete";
        QTest::newRow("error") << "error" << "Cannot find KORVELT";
        QTest::newRow("error with a file") << "error with a file" << "Cannot open";
        QTest::newRow("yes or no") << "yes or no" << "Write again?";
        QTest::newRow("yes, no or cancel") << "yes, no or cancel" << "Data has changed\nSave now?";
    } // clang-format on
    void MessageBoxTitles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QCoreApplication::setApplicationName(QStringLiteral("KORVELT Time Control"));
        int width = 0;
        int needs = 0;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            const auto closeAtLast = qScopeGuard([box] {
                if (box != nullptr) {
                    box->done(0);
                }
            });
            QVERIFY(QTest::qWaitForWindowExposed(box));
            QCOMPARE(box->windowTitle(), QStringLiteral("KORVELT Time Control"));
            const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
            needs = title.horizontalAdvance(box->windowTitle()) +
                    4 * box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box);
            width = box->width();
        });
        QtUserDialogs dialogs;
        if (kind == "information") {
            dialogs.ShowInformation(text);
        } else if (kind == "error") {
            dialogs.ShowError(text);
        } else if (kind == "error with a file") {
            dialogs.ShowError(text, QStringLiteral("a.dat"));
        } else if (kind == "yes or no") {
            dialogs.AskYesNo(text);
        } else {
            dialogs.AskYesNoCancel(text);
        }
        QVERIFY(needs > 0);
        QVERIFY2(width >= needs, qPrintable(QStringLiteral("%1 px wide, the title needs %2").arg(width).arg(needs)));
    }
};

QTEST_MAIN(TestCopyOutputsDialog)
#include "test_copyoutputsdialog.moc"
