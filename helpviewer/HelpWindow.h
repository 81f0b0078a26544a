#pragma once

#include "helpviewer/ChmArchive.h"
#include "helpviewer/Sitemap.h"

#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace korvelt {

class ChmTextBrowser;

// The help window: the contents tree and the keyword index of a compiled help file on the
// left, the page on the right, and Back, Forward and Home above. Choosing an entry shows its
// page; the contents tree follows the page shown.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int DefaultWidth = 940;
    static constexpr int DefaultHeight = 640;

    explicit HelpWindow(const ChmArchive &archive, QWidget *parent = nullptr);

    // Shows a page of the archive ("/page.htm", "page.htm#part").
    void ShowTopic(const QString &objectPath);

    [[nodiscard]] QTreeWidget &Contents() const { return *contents_; }
    [[nodiscard]] QListWidget &Index() const { return *index_; }
    [[nodiscard]] QLineEdit &IndexFilter() const { return *indexFilter_; }
    [[nodiscard]] QTabWidget &Navigation() const { return *navigation_; }
    [[nodiscard]] ChmTextBrowser &Browser() const { return *browser_; }

private:
    void FillContents(const std::vector<SitemapEntry> &entries, QTreeWidgetItem *parent);
    void FillIndex(const std::vector<SitemapEntry> &entries, int depth);
    void ShowEntryOf(const QTreeWidgetItem *item);
    void ShowIndexEntry(const QListWidgetItem *item);
    void FindInIndex(const QString &text);
    void FollowSource(const QUrl &url);

    QTabWidget *navigation_ = nullptr;
    QTreeWidget *contents_ = nullptr;
    QLineEdit *indexFilter_ = nullptr;
    QListWidget *index_ = nullptr;
    ChmTextBrowser *browser_ = nullptr;
    QToolButton *back_ = nullptr;
    QToolButton *forward_ = nullptr;
    QToolButton *home_ = nullptr;
};

} // namespace korvelt
