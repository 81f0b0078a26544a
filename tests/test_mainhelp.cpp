#include "ChmTextBrowser.h"
#include "HelpWindow.h"
#include "MainFormFixture.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace korvelt;
using namespace korvelt::test;

namespace {

HelpWindow *OpenHelpWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<HelpWindow *>(widget); window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

class TestMainHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void HelpOpensAtTheDefaultTopicAndClosesWithTheWindow()
    {
        MainFormFixture f({}, {}, QStringLiteral(KORVELT_HELP_FILE));
        auto &help = f.Find<QPushButton>("HelpButton");
        QVERIFY(help.isVisible());
        QVERIFY(OpenHelpWindow() == nullptr);
        QTest::mouseClick(&help, Qt::LeftButton);
        HelpWindow *window = OpenHelpWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->Contents().topLevelItemCount() > 3);
        QVERIFY(window->Browser().source().path().endsWith(QStringLiteral("getting-started.htm")));
        QVERIFY(window->Browser().toPlainText().contains(QStringLiteral("KORVELT")));

        QTest::mouseClick(&f.Find<QPushButton>("ExitButton"), Qt::LeftButton);
        QVERIFY(!f.form->isVisible());
        QVERIFY(OpenHelpWindow() == nullptr);
    }

    // Without a help file it can show, the window opens without "Help" and closes as usual.
    void NoUsableHelpFileHidesHelp()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Horalux.chm"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("This is not a compiled help file.\n");
        file.close();
        MainFormFixture f({}, {}, path);
        QVERIFY(!f.Find<QPushButton>("HelpButton").isVisible());
        QVERIFY(f.Find<QPushButton>("ExitButton").isVisible());
        QTest::mouseClick(&f.Find<QPushButton>("ExitButton"), Qt::LeftButton);
        QVERIFY(!f.form->isVisible());
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }
};

QTEST_MAIN(TestMainHelp)
#include "test_mainhelp.moc"
