#include "resources/LibraryListView.h"

#include "resources/LibraryList.h"
#include "resources/ResourceColumns.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

#include <map>

namespace orv {

namespace {

// A sheet of paper with a coloured band naming the kind: small, and told apart without a desktop theme.
QIcon drawnIcon(const QColor& band, const QString& tag) {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal u = size / 16.0;
        const QRectF sheet(2 * u, 0.5 * u, 12 * u, 15 * u);
        p.setPen(QPen(QColor(90, 90, 90), u * 0.8));
        p.setBrush(Qt::white);
        p.drawRect(sheet);
        const QRectF stripe(2 * u, 8 * u, 12 * u, 7.5 * u);
        p.fillRect(stripe, band);
        QFont font = p.font();
        font.setPixelSize(int(6 * u));
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(stripe, Qt::AlignCenter, tag);
        p.setPen(QPen(QColor(150, 150, 150), u * 0.6));
        for (int line = 0; line < 3; ++line)
            p.drawLine(QPointF(4 * u, (2.5 + 1.8 * line) * u), QPointF(12 * u, (2.5 + 1.8 * line) * u));
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon SmallImageIcon(int image) {
    static const std::map<int, std::pair<QColor, const char*>> kPictures = {
        {SmallImage::Picture, {QColor(46, 139, 87), "IMG"}},
        {SmallImage::Text, {QColor(105, 105, 105), "TXT"}},
        {SmallImage::Spreadsheet, {QColor(34, 120, 60), "XLS"}},
        {SmallImage::Archive, {QColor(160, 110, 30), "ZIP"}},
        {SmallImage::OtherFile, {QColor(120, 130, 150), ""}},
        {SmallImage::Media, {QColor(128, 60, 160), "AV"}},
        {SmallImage::WordDocument, {QColor(40, 80, 170), "DOC"}},
        {SmallImage::WebPage, {QColor(30, 130, 180), "WEB"}},
        {SmallImage::LibraryImage, {QColor(46, 139, 87), "IMG"}},
        {SmallImage::Presentation, {QColor(200, 80, 30), "PPT"}},
        {SmallImage::Pdf, {QColor(190, 30, 30), "PDF"}},
    };
    static std::map<int, QIcon> cache;
    if (const auto it = cache.find(image); it != cache.end())
        return it->second;
    const auto found = kPictures.find(image);
    const auto& [band, tag] = found != kPictures.end() ? found->second : kPictures.at(SmallImage::OtherFile);
    return cache[image] = drawnIcon(band, QString::fromLatin1(tag));
}

TLibraryListView::TLibraryListView(TLibraryList& list, const QStringList& headers, RowOf rowOf,
                                   QWidget* parent)
    : QTreeWidget(parent), m_list(list), m_rowOf(std::move(rowOf)) {
    setColumnCount(int(headers.size()));
    setHeaderLabels(headers);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(true);
    connect(&m_list, &TLibraryList::Changed, this, &TLibraryListView::refresh);
    connect(this, &QTreeWidget::itemActivated, this, [this] { emit Activated(); });
    refresh();
}

std::optional<TResourceRecord> TLibraryListView::Selected() const {
    const QTreeWidgetItem* item = currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    const int row = indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
    if (row < 0 || std::size_t(row) >= m_list.Items().size())
        return std::nullopt;
    return m_list.Items()[std::size_t(row)];
}

void TLibraryListView::refresh() {
    clear();
    QList<QTreeWidgetItem*> items;
    for (const TResourceRecord& record : m_list.Items()) {
        const Row row = m_rowOf(record);
        auto* item = new QTreeWidgetItem(row.columns);
        item->setIcon(0, SmallImageIcon(row.image));
        items << item;
    }
    addTopLevelItems(items);
    for (int c = 0; c + 1 < columnCount(); ++c)
        resizeColumnToContents(c);
}

} // namespace orv
