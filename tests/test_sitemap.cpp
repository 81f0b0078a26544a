#include "Sitemap.h"

#include <QTest>

#include <string>

using namespace korvelt;

namespace {

// "Name(local)" per entry, children in brackets, siblings separated by spaces.
std::string Outline(const std::vector<SitemapEntry> &entries)
{
    std::string out;
    for (const SitemapEntry &entry : entries) {
        if (!out.empty()) {
            out += ' ';
        }
        out += entry.Name + '(' + entry.Local + ')';
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

class TestSitemap : public QObject {
    Q_OBJECT

private slots:
    void EntriesNestAsTheirListsNest_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QByteArray>("outline");

        QTest::newRow("flat") << "<UL>" + Entry("A", "a.htm") + Entry("B", "b.htm") + "</UL>"
                              << QByteArray("A(a.htm) B(b.htm)");
        QTest::newRow("nested books")
            << "<UL>" + Entry("A", "a.htm") + "<UL>" + Entry("A1", "a1.htm") + "<UL>" + Entry("A11", "x.htm") +
                   "</UL></UL>" + Entry("B", "b.htm") + "</UL>"
            << QByteArray("A(a.htm)[A1(a1.htm)[A11(x.htm)]] B(b.htm)");
        QTest::newRow("heading without a page")
            << QByteArray("<UL><LI><OBJECT type='text/sitemap'><param name='Name' value='Files'></OBJECT><UL>") +
                   Entry("Save", "save.htm") + "</UL></UL>"
            << QByteArray("Files()[Save(save.htm)]");
        QTest::newRow("site properties are not an entry")
            << "<OBJECT type='text/site properties'><param name='Name' value='X'></OBJECT><UL>" +
                   Entry("A", "a.htm") + "</UL>"
            << QByteArray("A(a.htm)");
        QTest::newRow("letter case and quoting of tags")
            << QByteArray("<ul><li><object TYPE='Text/Sitemap'><PARAM NAME=name VALUE='Q'>"
                          "<Param Name=\"LOCAL\" Value=q.htm></Object></ul>")
            << QByteArray("Q(q.htm)");
        QTest::newRow("character references")
            << "<UL>" + Entry("Copy &amp; Paste &gt; &quot;x&quot; &#65;&#x42;", "a.htm?x=1&amp;y=2") + "</UL>"
            << QByteArray("Copy & Paste > \"x\" AB(a.htm?x=1&y=2)");
        QTest::newRow("quoted greater-than inside a tag")
            << "<UL>" + Entry("a > b", "ab.htm") + "</UL>" << QByteArray("a > b(ab.htm)");
        QTest::newRow("comment is skipped")
            << "<!-- " + Entry("Hidden", "h.htm") + " --><UL>" + Entry("Shown", "s.htm") + "</UL>"
            << QByteArray("Shown(s.htm)");
        QTest::newRow("index keyword with two topics keeps the first")
            << QByteArray("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Clock\">"
                          "<param name=\"Name\" value=\"Set Time\"><param name=\"Local\" value=\"set.htm\">"
                          "<param name=\"Name\" value=\"Read Time\"><param name=\"Local\" value=\"read.htm\">"
                          "</OBJECT></UL>")
            << QByteArray("Clock(set.htm)");
        QTest::newRow("list before any entry adds to its parent")
            << "<UL><UL>" + Entry("Deep", "d.htm") + "</UL>" + Entry("Next", "n.htm") + "</UL>"
            << QByteArray("Deep(d.htm) Next(n.htm)");
        QTest::newRow("extra list ends are ignored")
            << "</UL></UL><UL>" + Entry("A", "a.htm") + "</UL></UL>" + Entry("B", "b.htm")
            << QByteArray("A(a.htm) B(b.htm)");
        QTest::newRow("cut off inside a tag")
            << "<UL>" + Entry("A", "a.htm") + "<LI><OBJECT type='text/sitemap'><param name='Na"
            << QByteArray("A(a.htm)");
        QTest::newRow("cut off inside an entry") << "<UL>" + Entry("A", "a.htm") +
                                                        "<LI><OBJECT type='text/sitemap'><param name='Name' value='B'>"
                                                 << QByteArray("A(a.htm)");
        QTest::newRow("not a sitemap") << QByteArray("\x00\xff<<<>>>\"'<a href=x>", 20) << QByteArray("");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void EntriesNestAsTheirListsNest()
    {
        QFETCH(QByteArray, html);
        QFETCH(QByteArray, outline);
        QCOMPARE(QByteArray::fromStdString(Outline(ParseSitemap(html.toStdString()))), outline);
    }

    void CharacterReferences_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("decoded");
        QTest::newRow("named") << QByteArray("&lt;b&gt; &amp; &apos;&quot;") << QByteArray("<b> & '\"");
        QTest::newRow("decimal and hex") << QByteArray("&#56;&#x41;&#X61;") << QByteArray("8Aa");
        QTest::newRow("beyond ASCII as UTF-8") << QByteArray("&#233;&#x263A;&#x1F600;")
                                               << QByteArray("\xC3\xA9\xE2\x98\xBA\xF0\x9F\x98\x80");
        QTest::newRow("unknown name kept") << QByteArray("&nbsp;&bogus;") << QByteArray("&nbsp;&bogus;");
        QTest::newRow("bad numbers kept") << QByteArray("&#0;&#x110000;&#12a;&#;&#x;")
                                          << QByteArray("&#0;&#x110000;&#12a;&#;&#x;");
        QTest::newRow("lone ampersands") << QByteArray("a & b &") << QByteArray("a & b &");
    }
    void CharacterReferences()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, decoded);
        QCOMPARE(QByteArray::fromStdString(DecodeEntities(text.toStdString())), decoded);
    }
};

QTEST_APPLESS_MAIN(TestSitemap)
#include "test_sitemap.moc"
