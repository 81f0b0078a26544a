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
        QVERIFY(f.form->HelpButton.isVisible());
        QCOMPARE(f.form->HelpFilePath(), QFileInfo(QStringLiteral(KORVELT_HELP_FILE)).absoluteFilePath());
        QVERIFY(OpenHelpWindow() == nullptr);
        QTest::mouseClick(&f.form->HelpButton, Qt::LeftButton);
        HelpWindow *help = OpenHelpWindow();
        QVERIFY(help != nullptr);
        QVERIFY(help->Contents().topLevelItemCount() > 3);
        QVERIFY(help->Browser().source().path().endsWith(QStringLiteral("getting-started.htm")));
        QVERIFY(help->Browser().toPlainText().contains(QStringLiteral("KORVELT")));

        // A link on the page leads to the page it names.
        help->Browser().setSource(QUrl(QStringLiteral("files.htm")));
        QVERIFY(help->Browser().toPlainText().contains(QStringLiteral("Save File")));

        QTest::mouseClick(&f.form->ExitButton, Qt::LeftButton);
        QVERIFY(!f.form->isVisible());
        QVERIFY(OpenHelpWindow() == nullptr);
    }

    void NoUsableHelpFileHidesHelp_data()
    {
        QTest::addColumn<QByteArray>("contents"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a help file") << QByteArray("This is not a compiled help file.\n");
        QTest::newRow("cut short") << QByteArray("ITSF\x03\x00\x00\x00", 8);
    }
    void NoUsableHelpFileHidesHelp()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Horalux.chm"));
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        MainFormFixture f({}, {}, path);
        QVERIFY(!f.form->HelpButton.isVisible());
        // Everything else is as usual, and closing asks nothing.
        QVERIFY(f.form->ExitButton.isVisible());
        QCOMPARE(f.form->TimesAdvStringGrid.Cell(1, 1), QStringLiteral("12:00:00"));
        QTest::mouseClick(&f.form->ExitButton, Qt::LeftButton);
        QVERIFY(!f.form->isVisible());
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }
};

QTEST_MAIN(TestMainHelp)
#include "test_mainhelp.moc"
