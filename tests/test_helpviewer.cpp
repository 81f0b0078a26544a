#include "helpviewer/ChmArchive.h"
#include "helpviewer/ChmHelpViewer.h"
#include "helpviewer/ChmTextBrowser.h"
#include "helpviewer/HelpWindow.h"
#include "MainFormFixture.h"
#include "helpviewer/Sitemap.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRandomGenerator>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

using namespace korvelt;

namespace {

const QString HelpFile = QStringLiteral(KORVELT_HELP_FILE);
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
            references << it.fragment().charFormat().anchorHref() << it.fragment().charFormat().toImageFormat().name();
        }
    }
    references.removeAll(QString());
    references.removeDuplicates();
    return references;
}

// Opens the built help file at its default topic as the main window does; the help window
// on the screen, or null.
HelpWindow *OpenHelp(ChmHelpViewer &viewer, const QString &file = HelpFile)
{
    if (!viewer.Load(file)) {
        return nullptr;
    }
    viewer.Initialise();
    viewer.DisplayDefaultTopic(file);
    HelpWindow *window = viewer.Window();
    return window != nullptr && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

// "Name(local)" per contents entry, children in brackets, siblings separated by spaces.
std::string Outline(const std::vector<SitemapEntry> &entries)
{
    std::string out;
    for (const SitemapEntry &entry : entries) {
        out += (out.empty() ? "" : " ") + entry.Name + '(' + entry.Local + ')';
        if (!entry.Children.empty()) {
            out += '[' + Outline(entry.Children) + ']';
        }
    }
    return out;
}

QByteArray Entry(const char *name, const char *local)
{
    return QByteArray("<LI><OBJECT type='text/sitemap'><param name='Name' value='") + name +
           "'><param name='Local' value='" + local + "'></OBJECT>\n";
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:
    // A link clicked, a contents entry clicked or an index keyword typed shows its page, and
    // the contents follow; Back returns to the page before.
    void ChoosingAPage_data() // clang-format off
    {
        QTest::addColumn<QString>("way"); // "link", "contents" or "index"
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("title"); // of the page and its contents entry
        QTest::newRow("a link to a place on another page")
            << "link" << "/write.htm" << "messages.htm#not-korvelt" << "Messages";
        QTest::newRow("contents") << "contents" << DefaultPage << "Daylight saving" << "Daylight saving";
        QTest::newRow("index, message text in another case")
            << "index" << DefaultPage << "cannot find" << "KORVELT not found";
    } // clang-format on
    void ChoosingAPage()
    {
        QFETCH(QString, way);
        QFETCH(QString, from);
        QFETCH(QString, choice);
        QFETCH(QString, title);
        ChmHelpViewer viewer;
        HelpWindow *window = OpenHelp(viewer);
        QVERIFY(window != nullptr);
        window->ShowTopic(from);
        ChmTextBrowser &browser = window->Browser();
        if (way == "link") { // Tab goes from link to link, Return follows the one chosen
            for (int tab = 0; tab < 100 && browser.textCursor().charFormat().anchorHref() != choice; ++tab) {
                QTest::keyClick(&browser, Qt::Key_Tab);
            }
            QTest::keyClick(&browser, Qt::Key_Return);
        } else if (way == "index") {
            window->Navigation().setCurrentIndex(1);
            QTest::keyClicks(&window->IndexFilter(), choice);
            QTest::keyClick(&window->IndexFilter(), Qt::Key_Return);
        } else {
            QTreeWidget &contents = window->Contents();
            const QRect rect = contents.visualItemRect(contents.findItems(choice, Qt::MatchRecursive).value(0));
            QTest::mouseClick(contents.viewport(), Qt::LeftButton, {}, rect.center());
        }
        QTRY_COMPARE(browser.documentTitle(), title);
        QCOMPARE(window->Contents().currentItem()->text(0), title);
        if (way == "link") {
            QCOMPARE(browser.source(), browser.source().resolved(QUrl(choice)));
        }
        auto *back = window->findChild<QAbstractButton *>(QStringLiteral("back"));
        QVERIFY(back != nullptr);
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(PageOf(browser), from);
    }

    // The window opens at the default topic with its contents, its index and the page's
    // pictures. Every page of the contents and the index opens, and every link and image on
    // it leads to something in the help file: a page, a picture, a named place on a page.
    // Closed, the window opens again at the default topic.
    // Every language's guide: its own title, the same pages, and the English guide's nesting.
    static void OpensAtTheDefaultTopicAndEveryReferenceLeadsSomewhere_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstTopic");
        QTest::addColumn<QString>("secondTopic"); // in the code page of the guide's language
        const QString folder = QFileInfo(HelpFile).absolutePath() + QLatin1Char('/');
        // clang-format off
        QTest::newRow("en") << HelpFile << "KORVELT Time Control Help" << "Getting started" << "The main window";
        QTest::newRow("de") << folder + "de/Horalux.chm" << "KORVELT Time Control Hilfe" << "Erste Schritte" << "Das Hauptfenster";
        QTest::newRow("fr") << folder + "fr/Horalux.chm" << "Aide de KORVELT Time Control" << "Prise en main" << "La fen\u00eatre principale";
        QTest::newRow("it") << folder + "it/Horalux.chm" << "Guida di KORVELT Time Control" << "Primi passi" << "La finestra principale";
        QTest::newRow("nl") << folder + "nl/Horalux.chm" << "Help bij KORVELT Time Control" << "Aan de slag" << "Het hoofdvenster";
        QTest::newRow("es") << folder + "es/Horalux.chm" << "Ayuda de KORVELT Time Control" << "Introducci\u00f3n" << "La ventana principal";
        QTest::newRow("pl") << folder + "pl/Horalux.chm" << "Pomoc KORVELT Time Control" << "Pierwsze kroki" << "Okno g\u0142\u00f3wne";
        // clang-format on
    }
    void OpensAtTheDefaultTopicAndEveryReferenceLeadsSomewhere()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFETCH(QString, firstTopic);
        QFETCH(QString, secondTopic);
        ChmHelpViewer viewer;
        HelpWindow *window = OpenHelp(viewer, file);
        QVERIFY(window != nullptr);
        ChmTextBrowser &browser = window->Browser();
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(PageOf(browser), DefaultPage);
        QCOMPARE(browser.documentTitle(), firstTopic);
        const QTreeWidget &contents = window->Contents();
        // The topics themselves change with the guide; that they are nested is what is read.
        QVERIFY(contents.topLevelItemCount() > 5);
        QVERIFY(contents.topLevelItem(3)->childCount() > 0);
        QCOMPARE(contents.currentItem()->text(0), firstTopic);
        QCOMPARE(contents.topLevelItem(1)->text(0), secondTopic);
        QVERIFY(window->Index().count() > 40);

        // The page layout has already loaded the picture from the help file, as a pixmap.
        const QVariant image = browser.document()->resource(QTextDocument::ImageResource, QUrl("images/window.png"));
        QCOMPARE(image.value<QPixmap>().toImage().size(), QSize(640, 489));

        const std::optional<ChmArchive> archive = ChmArchive::Open(QFile::encodeName(file).toStdString());
        QVERIFY(archive.has_value());
        QStringList toCheck;
        for (QTreeWidgetItemIterator it(&window->Contents()); *it != nullptr; ++it) {
            if (const QString topic = (*it)->data(0, Qt::UserRole).toString(); !topic.isEmpty()) {
                toCheck << topic;
            }
        }
        for (int row = 0; row < window->Index().count(); ++row) {
            toCheck << window->Index().item(row)->data(Qt::UserRole).toString();
        }
        QSet<QString> checked;
        while (!toCheck.isEmpty()) {
            const QUrl url = ChmTextBrowser::UrlOf(toCheck.takeFirst());
            const QString page = url.toString(QUrl::RemoveFragment);
            const std::string anchor = "name=\"" + url.fragment().toStdString() + "\"";
            QVERIFY2(!url.hasFragment() ||
                         archive->Read(url.path().toStdString()).value_or("").find(anchor) != std::string::npos,
                     qPrintable(url.toString()));
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
        // Every page of the guide is reached, in every language.
        QCOMPARE(checked.size(), 26);

        window->ShowTopic(QStringLiteral("clock.htm"));
        viewer.CloseAll();
        QVERIFY(!window->isVisible());
        viewer.DisplayDefaultTopic(file);
        QVERIFY(window->isVisible());
        QCOMPARE(PageOf(browser), DefaultPage);
        viewer.CloseAll();
        viewer.ShutDown();
        QVERIFY(viewer.Window() == nullptr);
    }

    // The main window's Help opens the help at its default topic, and the help closes with the
    // window; without a help file it can show, the Help menu's User Guide is greyed out.
    void HelpFromTheMainWindow_data()
    {
        QTest::addColumn<bool>("usable");
        QTest::newRow("the built help file") << true;
        QTest::newRow("not a help file") << false;
    }
    void HelpFromTheMainWindow()
    {
        QFETCH(bool, usable);
        QTemporaryDir dir;
        QFile other(dir.filePath(QStringLiteral("Horalux.chm")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("This is not a compiled help file.\n");
        other.close();
        const auto shownHelp = [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            const auto found = std::find_if(windows.begin(), windows.end(), [](QWidget *window) {
                return qobject_cast<HelpWindow *>(window) != nullptr && window->isVisible();
            });
            return found == windows.end() ? nullptr : static_cast<HelpWindow *>(*found);
        };
        test::MainFormFixture f({}, {}, usable ? HelpFile : other.fileName());
        // Help opens its menu; User Guide there opens the guide, greyed out without one.
        auto &helpButton = f.Find<QPushButton>("HelpButton");
        QVERIFY(helpButton.isVisible() && helpButton.menu() != nullptr);
        auto &guide = f.Find<QAction>("UserGuideAction");
        QCOMPARE(guide.isEnabled(), usable);
        if (usable) {
            guide.trigger();
            QVERIFY(shownHelp() != nullptr);
            QCOMPARE(PageOf(shownHelp()->Browser()), DefaultPage);
        }
        QTest::mouseClick(&f.Find<QPushButton>("ExitButton"), Qt::LeftButton);
        QVERIFY(!f.form->isVisible());
        QVERIFY(shownHelp() == nullptr);
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }

    void UnusableFilesLeaveHelpUnavailable_data()
    {
        QFile help(HelpFile);
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QByteArray whole = help.readAll();
        QByteArray noise(4096, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QTest::addColumn<QByteArray>("content"); // of the file; none is made for a null one
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("first half") << whole.left(whole.size() / 2);
        QTest::newRow("header of a help file, random rest") << whole.left(0x60) + noise;
    }
    void UnusableFilesLeaveHelpUnavailable()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Horalux.chm"));
        if (!content.isNull()) {
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
    }

    // Contents and index files written otherwise than ours (nesting, headings without a page
    // and site properties are in ours, and shown by the window test above).
    void SitemapOutline_data() // clang-format off
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QByteArray>("outline");
        QTest::newRow("letter case and quoting of tags")
            << QByteArray("<ul><li><object TYPE='Text/Sitemap'><PARAM NAME=name VALUE='Q'>"
                          "<Param Name=\"LOCAL\" Value=q.htm></Object></ul>")
            << QByteArray("Q(q.htm)");
        QTest::newRow("character references, and what only looks like one")
            << "<UL>" + Entry("&lt;&amp;&gt; &quot;&apos; &#65;&#x42;&#X61; &#233;&#x263A;&#x1F600;", "a.htm?x=1&amp;y=2") +
                   Entry("&nbsp;&bogus; &#0;&#x110000;&#12a;&#;&#x; a & b &", "k.htm") + "</UL>"
            << QByteArray("<&> \"' ABa \xC3\xA9\xE2\x98\xBA\xF0\x9F\x98\x80(a.htm?x=1&y=2) "
                          "&nbsp;&bogus; &#0;&#x110000;&#12a;&#;&#x; a & b &(k.htm)");
        QTest::newRow("comment is skipped")
            << "<!-- " + Entry("Hidden", "h.htm") + " --><UL>" + Entry("Shown", "s.htm") + "</UL>"
            << QByteArray("Shown(s.htm)");
        QTest::newRow("index keyword with two topics keeps the first")
            << QByteArray("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Clock\">"
                          "<param name=\"Name\" value=\"Set Time\"><param name=\"Local\" value=\"set.htm\">"
                          "<param name=\"Name\" value=\"Read Time\"><param name=\"Local\" value=\"read.htm\">"
                          "</OBJECT></UL>")
            << QByteArray("Clock(set.htm)");
        QTest::newRow("extra list ends are ignored")
            << "</UL></UL><UL>" + Entry("A", "a.htm") + "</UL></UL>" + Entry("B", "b.htm")
            << QByteArray("A(a.htm) B(b.htm)");
        QTest::newRow("cut off inside a tag")
            << "<UL>" + Entry("A", "a.htm") + "<LI><OBJECT type='text/sitemap'><param name='Na"
            << QByteArray("A(a.htm)");
        QTest::newRow("not a sitemap") << QByteArray("\x00\xff<<<>>>\"'<a href=x>", 20) << QByteArray("");
    } // clang-format on
    void SitemapOutline()
    {
        QFETCH(QByteArray, html);
        QFETCH(QByteArray, outline);
        QCOMPARE(QByteArray::fromStdString(Outline(ParseSitemap(html.toStdString()))), outline);
    }
};

QTEST_MAIN(TestHelpViewer)
#include "test_helpviewer.moc"
