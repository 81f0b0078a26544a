#include "helpviewer/HelpWindow.h"

#include "helpviewer/ChmTextBrowser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QStringDecoder>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <array>
#include <optional>
#include <tuple>

namespace korvelt {

namespace {

constexpr int TopicRole = Qt::UserRole;
constexpr int NavigationWidth = 250;
constexpr int IndexIndent = 4;

QString Text(const std::string &utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Text of the help file in its own code page, as UTF-8.
std::string Utf8Of(const ChmArchive &archive, const std::string &bytes)
{
    QStringDecoder decoder(archive.CodePage());
    if (!decoder.isValid()) {
        return bytes;
    }
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return text.toStdString();
}

// The archive path of a page address, for comparing pages whatever their fragment or case.
QString PagePath(const QUrl &url)
{
    return url.path(QUrl::FullyDecoded).toLower();
}

} // namespace

// Parts are created with a parent, which owns them; the layouts below place them.
HelpWindow::HelpWindow(const ChmArchive &archive, QWidget *parent)
    : QWidget(parent), navigation_(new QTabWidget(this)), contents_(new QTreeWidget(navigation_)),
      indexFilter_(new QLineEdit(this)), index_(new QListWidget(this)), browser_(new ChmTextBrowser(archive, this)),
      back_(new QToolButton(this)), forward_(new QToolButton(this)), home_(new QToolButton(this))
{
    setWindowTitle(archive.Title().empty() ? tr("KORVELT Time Control Help") : Text(Utf8Of(archive, archive.Title())));
    resize(DefaultWidth, DefaultHeight);

    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout();
    layout->addLayout(buttons);
    const std::array<std::tuple<QToolButton *, QString, const char *, QStyle::StandardPixmap>, 3> buttonLooks{{
        //: Button of the help window; keep it short
        {back_, tr("Back"), "back", QStyle::SP_ArrowBack},
        {forward_, tr("Forward"), "forward", QStyle::SP_ArrowForward},
        {home_, tr("Home"), "home", QStyle::SP_DirHomeIcon},
    }};
    for (const auto &[button, text, name, icon] : buttonLooks) {
        button->setText(text);
        button->setObjectName(QLatin1String(name));
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto *splitter = new QSplitter(this);
    layout->addWidget(splitter, 1);

    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);
    navigation_->addTab(contents_, tr("Contents"));

    auto *indexPage = new QWidget(navigation_);
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(new QLabel(tr("Type in the keyword to find:"), indexPage));
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index_, 1);
    navigation_->addTab(indexPage, tr("Index"));

    splitter->addWidget(navigation_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({NavigationWidth, DefaultWidth - NavigationWidth});

    const auto readSitemap = [&archive](const std::string &path) {
        const std::optional<std::string> text = path.empty() ? std::nullopt : archive.Read(path);
        return text ? ParseSitemap(Utf8Of(archive, *text)) : std::vector<SitemapEntry>{};
    };
    FillContents(readSitemap(archive.ContentsFile()), nullptr);
    contents_->expandAll();
    FillIndex(readSitemap(archive.IndexFile()), 0);

    connect(contents_, &QTreeWidget::currentItemChanged, this,
            [this](const QTreeWidgetItem *item) { ShowEntryOf(item); });
    connect(contents_, &QTreeWidget::itemClicked, this, [this](const QTreeWidgetItem *item) { ShowEntryOf(item); });
    connect(index_, &QListWidget::itemActivated, this, [this](const QListWidgetItem *item) { ShowIndexEntry(item); });
    connect(indexFilter_, &QLineEdit::textEdited, this, &HelpWindow::FindInIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this, [this] { ShowIndexEntry(index_->currentItem()); });
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::FollowSource);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, browser_, &QTextBrowser::home);
}

void HelpWindow::ShowTopic(const QString &objectPath)
{
    browser_->setSource(ChmTextBrowser::UrlOf(objectPath));
}

void HelpWindow::FillContents(const std::vector<SitemapEntry> &entries, QTreeWidgetItem *parent)
{
    for (const SitemapEntry &entry : entries) {
        // Items are owned by the tree.
        auto *item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
        item->setText(0, Text(entry.Name));
        if (!entry.Local.empty()) {
            item->setData(0, TopicRole, Text(entry.Local));
        }
        item->setIcon(0, style()->standardIcon(entry.Children.empty() ? QStyle::SP_FileIcon : QStyle::SP_DirIcon));
        FillContents(entry.Children, item);
    }
}

void HelpWindow::FillIndex(const std::vector<SitemapEntry> &entries, int depth)
{
    for (const SitemapEntry &entry : entries) {
        auto *item = new QListWidgetItem(
            QString(static_cast<qsizetype>(depth) * IndexIndent, QLatin1Char(' ')) + Text(entry.Name), index_);
        item->setData(TopicRole, Text(entry.Local));
        FillIndex(entry.Children, depth + 1);
    }
}

void HelpWindow::ShowEntryOf(const QTreeWidgetItem *item)
{
    if (item == nullptr) {
        return;
    }
    const QString topic = item->data(0, TopicRole).toString();
    if (topic.isEmpty()) {
        return;
    }
    const QUrl url = ChmTextBrowser::UrlOf(topic);
    if (url != browser_->source()) {
        browser_->setSource(url);
    }
}

void HelpWindow::ShowIndexEntry(const QListWidgetItem *item)
{
    if (item == nullptr) {
        return;
    }
    const QString topic = item->data(TopicRole).toString();
    if (!topic.isEmpty()) {
        browser_->setSource(ChmTextBrowser::UrlOf(topic));
    }
}

void HelpWindow::FindInIndex(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < index_->count(); ++row) {
        QListWidgetItem *item = index_->item(row);
        if (item->text().trimmed().startsWith(wanted, Qt::CaseInsensitive)) {
            index_->setCurrentItem(item);
            index_->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpWindow::FollowSource(const QUrl &url)
{
    const QString page = PagePath(url);
    QTreeWidgetItem *best = nullptr;
    for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
        const QString topic = (*it)->data(0, TopicRole).toString();
        if (topic.isEmpty()) {
            continue;
        }
        const QUrl itemUrl = ChmTextBrowser::UrlOf(topic);
        if (itemUrl == url) {
            best = *it;
            break;
        }
        if (best == nullptr && PagePath(itemUrl) == page) {
            best = *it;
        }
    }
    if (best != nullptr && best != contents_->currentItem()) {
        const QSignalBlocker blocker(contents_);
        contents_->setCurrentItem(best);
        contents_->scrollToItem(best);
    }
}

} // namespace korvelt
