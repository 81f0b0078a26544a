#include "ChmArchive.h"
#include "ChmHelpViewer.h"
#include "ChmTextBrowser.h"
#include "HelpWindow.h"

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

using namespace korvelt;

namespace {

const QString HelpFile = QStringLiteral(KORVELT_HELP_FILE);
const QString WindowTitle = QStringLiteral("KORVELT Time Control Help");
const QString DefaultPage = QStringLiteral("/getting-started.htm");

QString PageOf(const QTextBrowser &browser)
{
    return browser.source().path();
}

// Every link target (href) and image source of the page the browser shows.
QStringList References(const QTextBrowser &browser)
{
    QStringList references;
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                references << format.anchorHref();
            }
            if (format.isImageFormat()) {
                references << format.toImageFormat().name();
            }
        }
    }
    references.removeDuplicates();
    return references;
}

// The middle of the first link to href on the page, scrolled into view, in viewport
// coordinates; (-1, -1) when the page has no such link.
QPoint LinkPoint(QTextBrowser &browser, const QString &href)
{
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href) {
                continue;
            }
            QTextCursor cursor(browser.document());
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            browser.setTextCursor(cursor);
            browser.ensureCursorVisible();
            const QRect rect = browser.cursorRect(cursor);
            return {rect.left() + 1, rect.center().y()};
        }
    }
    return {-1, -1};
}

QTreeWidgetItem *FindItem(const QTreeWidget &tree, const QString &text)
{
    const QList<QTreeWidgetItem *> items = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.front();
}

// Opens the built help file at its default topic as the main window does; the help window
// on the screen, or null.
HelpWindow *OpenHelp(ChmHelpViewer &viewer)
{
    if (!viewer.Load(HelpFile)) {
        return nullptr;
    }
    viewer.Initialise();
    viewer.DisplayDefaultTopic(HelpFile);
    HelpWindow *window = viewer.Window();
    return window != nullptr && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:
    void OpensAtTheDefaultTopicWithItsContents()
    {
        ChmHelpViewer viewer;
        HelpWindow *shown = OpenHelp(viewer);
        QVERIFY(shown != nullptr);
        HelpWindow &window = *shown;
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), WindowTitle);
        QCOMPARE(PageOf(window.Browser()), DefaultPage);
        QCOMPARE(window.Browser().documentTitle(), QStringLiteral("Getting started"));
        QVERIFY(window.Browser().toPlainText().contains(QStringLiteral("First steps")));

        const QTreeWidget &contents = window.Contents();
        QStringList top;
        for (int i = 0; i < contents.topLevelItemCount(); ++i) {
            top << contents.topLevelItem(i)->text(0);
        }
        QCOMPARE(top, (QStringList{"Getting started", "The main window", "Timetables", "Daylight saving", "Files",
                                   "The KORVELT", "Troubleshooting"}));
        QCOMPARE(FindItem(contents, "Timetables")->childCount(), 6);
        QVERIFY(FindItem(contents, "Access rights on Linux") != nullptr);
        QVERIFY(contents.currentItem() != nullptr);
        QCOMPARE(contents.currentItem()->text(0), QStringLiteral("Getting started"));
        QVERIFY(window.Index().count() > 40);
    }

    void FollowingALinkShowsTheLinkedPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("contentsEntry");
        QTest::newRow("from the start page") << DefaultPage << "normal-times.htm" << "Normal times" << "Normal times";
        QTest::newRow("into a table of links")
            << "/troubleshooting.htm" << "linux-access.htm" << "Access rights on Linux" << "Access rights on Linux";
        QTest::newRow("to a place on another page")
            << "/write.htm" << "messages.htm#not-korvelt" << "Messages" << "Messages";
        QTest::newRow("to a page under a heading")
            << "/normal-times.htm" << "copy-paste.htm" << "Copy and paste" << "Copy and paste";
    }
    void FollowingALinkShowsTheLinkedPage()
    {
        QFETCH(QString, page);
        QFETCH(QString, href);
        QFETCH(QString, title);
        QFETCH(QString, contentsEntry);
        ChmHelpViewer viewer;
        HelpWindow *shown = OpenHelp(viewer);
        QVERIFY(shown != nullptr);
        HelpWindow &window = *shown;
        window.ShowTopic(page);
        QCOMPARE(PageOf(window.Browser()), page);

        const QPoint link = LinkPoint(window.Browser(), href);
        QVERIFY2(link.x() >= 0, qPrintable(href));
        QTest::mouseClick(window.Browser().viewport(), Qt::LeftButton, {}, link);

        QTRY_COMPARE(window.Browser().documentTitle(), title);
        QCOMPARE(window.Browser().source(), window.Browser().source().resolved(QUrl(href)));
        QCOMPARE(PageOf(window.Browser()), ChmTextBrowser::UrlOf(href).path());
        QCOMPARE(window.Contents().currentItem()->text(0), contentsEntry);

        // Back returns to the page the link was on.
        auto *back = window.findChild<QAbstractButton *>(QStringLiteral("back"));
        QVERIFY(back != nullptr);
        QCOMPARE(back->text(), QStringLiteral("Back"));
        QVERIFY(back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(PageOf(window.Browser()), page);
    }

    void ChoosingAContentsEntryShowsItsPage()
    {
        ChmHelpViewer viewer;
        HelpWindow *shown = OpenHelp(viewer);
        QVERIFY(shown != nullptr);
        HelpWindow &window = *shown;
        QTreeWidget &contents = window.Contents();
        QTreeWidgetItem *item = FindItem(contents, "Daylight saving");
        QVERIFY(item != nullptr);
        const QRect rect = contents.visualItemRect(item);
        QTest::mouseClick(contents.viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(window.Browser().documentTitle(), QStringLiteral("Daylight saving"));
        QCOMPARE(PageOf(window.Browser()), QStringLiteral("/daylight-saving.htm"));
    }

    void TypingAKeywordInTheIndexShowsItsPage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::newRow("whole keyword") << "Program mode" << "Program mode";
        QTest::newRow("start of a keyword, other case") << "udev" << "Access rights on Linux";
        QTest::newRow("message text") << "cannot find" << "KORVELT not found";
    }
    void TypingAKeywordInTheIndexShowsItsPage()
    {
        QFETCH(QString, typed);
        QFETCH(QString, title);
        ChmHelpViewer viewer;
        HelpWindow *shown = OpenHelp(viewer);
        QVERIFY(shown != nullptr);
        HelpWindow &window = *shown;
        window.Navigation().setCurrentIndex(1);
        QTest::keyClicks(&window.IndexFilter(), typed);
        QTest::keyClick(&window.IndexFilter(), Qt::Key_Return);
        QCOMPARE(window.Browser().documentTitle(), title);
    }

    void ImagesAndStyleSheetLoadFromTheHelpFile()
    {
        ChmHelpViewer viewer;
        HelpWindow *window = OpenHelp(viewer);
        QVERIFY(window != nullptr);
        ChmTextBrowser &browser = window->Browser();
        const QStringList references = References(browser);
        QVERIFY(references.contains(QStringLiteral("images/window.png")));

        const QVariant image = browser.document()->resource(QTextDocument::ImageResource, QUrl("images/window.png"));
        // The page layout has already loaded the picture and keeps it as a pixmap.
        QCOMPARE(image.userType(), QMetaType::QPixmap);
        const QImage picture = image.value<QPixmap>().toImage();
        QCOMPARE(picture.size(), QSize(640, 452));

        const QVariant css = browser.loadResource(QTextDocument::StyleSheetResource, QUrl("style.css"));
        QVERIFY(css.toString().contains(QStringLiteral("font-family")));
        QVERIFY(browser.loadResource(QTextDocument::ImageResource, QUrl("images/missing.png")).isNull());
    }

    // Every page of the contents and the index opens, and every link and image on it
    // leads to something in the help file: a page, a picture, a named place on a page.
    void EveryReferenceLeadsSomewhere()
    {
        const std::optional<ChmArchive> archive = ChmArchive::Open(QFile::encodeName(HelpFile).toStdString());
        QVERIFY(archive.has_value());
        ChmTextBrowser browser(*archive);

        ChmHelpViewer viewer;
        HelpWindow *window = OpenHelp(viewer);
        QVERIFY(window != nullptr);
        QSet<QString> pages;
        for (QTreeWidgetItemIterator it(&window->Contents()); *it != nullptr; ++it) {
            const QString topic = (*it)->data(0, Qt::UserRole).toString();
            if (!topic.isEmpty()) {
                pages << topic;
            }
        }
        QListWidget &index = window->Index();
        for (int row = 0; row < index.count(); ++row) {
            pages << index.item(row)->data(Qt::UserRole).toString();
        }
        QVERIFY(pages.size() > 15);

        QSet<QString> checked;
        QStringList toCheck(pages.begin(), pages.end());
        while (!toCheck.isEmpty()) {
            const QUrl url = ChmTextBrowser::UrlOf(toCheck.takeFirst());
            const QString page = url.toString(QUrl::RemoveFragment);
            if (!url.fragment().isEmpty()) {
                const auto html = archive->Read(url.path().toStdString());
                QVERIFY2(html.has_value(), qPrintable(url.toString()));
                const std::string anchor = "name=\"" + url.fragment().toStdString() + "\"";
                QVERIFY2(html->find(anchor) != std::string::npos, qPrintable(url.toString()));
            }
            if (checked.contains(page)) {
                continue;
            }
            checked << page;
            browser.setSource(url);
            QVERIFY2(!browser.documentTitle().isEmpty(), qPrintable(page));
            for (const QString &reference : References(browser)) {
                const QUrl target = url.resolved(QUrl(reference));
                QCOMPARE(target.scheme(), ChmTextBrowser::Scheme);
                QVERIFY2(archive->Read(target.path().toStdString()).has_value(),
                         qPrintable(page + QStringLiteral(" -> ") + reference));
                if (target.path().endsWith(QStringLiteral(".htm"))) {
                    toCheck << target.path().mid(1) + (target.hasFragment() ? '#' + target.fragment() : QString());
                }
            }
        }
        QVERIFY(checked.size() >= 19);
    }

    void CloseAllHidesTheWindowAndHelpReopensAtTheDefaultTopic()
    {
        ChmHelpViewer viewer;
        HelpWindow *window = OpenHelp(viewer);
        QVERIFY(window != nullptr);
        window->ShowTopic(QStringLiteral("clock.htm"));
        viewer.CloseAll();
        QVERIFY(!window->isVisible());

        viewer.DisplayDefaultTopic(HelpFile);
        QCOMPARE(viewer.Window(), window);
        QVERIFY(window->isVisible());
        QCOMPARE(PageOf(window->Browser()), DefaultPage);

        viewer.CloseAll();
        viewer.ShutDown();
        QVERIFY(viewer.Window() == nullptr);
    }

    void UnusableFilesLeaveHelpUnavailable_data()
    {
        QFile help(HelpFile);
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QByteArray whole = help.readAll();
        QVERIFY(whole.size() > 1000);
        QByteArray noise(4096, '\0');
        QRandomGenerator generator(7);
        for (char &byte : noise) {
            byte = static_cast<char>(generator.bounded(256));
        }

        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("empty") << true << QByteArray();
        QTest::newRow("random bytes") << true << noise;
        QTest::newRow("text") << true << QByteArray("This is not a help file.\n");
        QTest::newRow("signature only") << true << QByteArray("ITSF");
        QTest::newRow("first 100 bytes") << true << whole.left(100);
        QTest::newRow("first half") << true << whole.left(whole.size() / 2);
        QTest::newRow("last byte missing") << true << whole.left(whole.size() - 1);
        QTest::newRow("header of a help file, random rest") << true << whole.left(0x60) + noise;
    }
    void UnusableFilesLeaveHelpUnavailable()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("Horalux.chm"));
        if (present) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(content), content.size());
        }

        ChmHelpViewer viewer;
        QVERIFY(!viewer.Load(path));
        viewer.DisplayDefaultTopic(path);
        QVERIFY(viewer.Window() == nullptr);
        viewer.CloseAll();
        viewer.ShutDown();
        QVERIFY(viewer.Window() == nullptr);
    }

    void AFolderIsNoHelpFile()
    {
        QTemporaryDir folder;
        ChmHelpViewer viewer;
        QVERIFY(!viewer.Load(folder.path()));
    }
};

QTEST_MAIN(TestHelpViewer)
#include "test_helpviewer.moc"
