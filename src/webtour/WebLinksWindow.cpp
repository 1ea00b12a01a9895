#include "webtour/WebLinksWindow.h"

#include "protocol/Stamp.h"

#include <QAction>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShowEvent>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orv {

namespace {
enum Column { NameColumn, OwnerColumn, UploadedColumn, UrlColumn };
constexpr int kRecordRole = Qt::UserRole;
} // namespace

TfrmWebLinks::TfrmWebLinks(TWebLinks& links, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_links(links),
      m_description(new QLineEdit(this)), m_url(new QLineEdit(this)), m_list(new QTreeWidget(this)) {
    setObjectName("frmWebLinks");
    setWindowTitle(tr("Web Links"));
    resize(640, 420);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_reload = bar->addAction(tr("Reload Links"));
    m_reload->setToolTip(tr("Reload the web library"));
    m_upload = bar->addAction(tr("Upload Link"));
    m_upload->setToolTip(tr("Upload a web link."));
    m_delete = bar->addAction(tr("Delete Link"));
    m_delete->setToolTip(tr("Delete selected item"));
    m_open = bar->addAction(tr("Open Link"));
    m_open->setToolTip(tr("Navigate to the selected web link"));

    auto* header = new QLabel(tr("Web Resources"), this);
    QFont bold = header->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    header->setFont(bold);

    auto* form = new QFormLayout;
    form->addRow(tr("&Description:"), m_description);
    form->addRow(tr("&URL:"), m_url);
    auto* uploadNote = new QLabel(tr("To upload a new web link type in the url and a short description and "
                                     "click the Upload button on top."),
                                  this);
    uploadNote->setWordWrap(true);
    auto* launchNote = new QLabel(
        tr("To launch a web resource doubleclick on the appropriate item in the grid below."), this);
    launchNote->setWordWrap(true);

    m_list->setHeaderLabels({tr("Web Link Name"), tr("Uploaded By"), tr("Upload Date/Time"), tr("URL")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setAccessibleName(tr("Web links"));
    m_list->header()->resizeSection(NameColumn, 200);
    m_list->header()->resizeSection(OwnerColumn, 120);
    m_list->header()->resizeSection(UploadedColumn, 140);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(header);
    layout->addLayout(form);
    layout->addWidget(uploadNote);
    layout->addWidget(launchNote);
    layout->addWidget(m_list, 1);

    connect(m_reload, &QAction::triggered, this, [this] { m_links.RequestWebLinks(); });
    connect(m_upload, &QAction::triggered, this, [this] {
        if (TWebLinks::CanUpload(m_description->text(), m_url->text()))
            m_links.AddWebLink(m_description->text(), m_url->text());
    });
    connect(m_delete, &QAction::triggered, this, [this] {
        if (const TResourceRecord* link = selected())
            m_links.DeleteWebLink(*link);
    });
    connect(m_open, &QAction::triggered, this, [this] {
        if (const TResourceRecord* link = selected())
            m_links.OpenWebLink(*link);
    });
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { m_open->trigger(); });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] { updateActions(); });
    connect(m_description, &QLineEdit::textChanged, this, [this] { updateActions(); });
    connect(m_url, &QLineEdit::textChanged, this, [this] { updateActions(); });
    m_links.SetView(this);
    updateActions();
}

TfrmWebLinks::~TfrmWebLinks() {
    m_links.SetView(nullptr);
}

const TResourceRecord* TfrmWebLinks::selected() const {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return nullptr;
    const int index = item->data(NameColumn, kRecordRole).toInt();
    const auto& links = m_links.Links();
    return index >= 0 && std::size_t(index) < links.size() ? &links[std::size_t(index)] : nullptr;
}

void TfrmWebLinks::updateActions() {
    m_upload->setEnabled(TWebLinks::CanUpload(m_description->text(), m_url->text()));
    const bool chosen = selected() != nullptr;
    m_delete->setEnabled(chosen);
    m_open->setEnabled(chosen);
}

void TfrmWebLinks::ShowLinks(const std::vector<TResourceRecord>& links) {
    m_list->clear();
    const QLocale locale;
    for (std::size_t i = 0; i < links.size(); ++i) {
        const TResourceRecord& link = links[i];
        const QDateTime uploaded = localFromStamp(link.Uploaded());
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(NameColumn, link.Description());
        item->setText(OwnerColumn, link.OwnerName());
        item->setText(UploadedColumn, locale.toString(uploaded.date(), QLocale::ShortFormat) + ' ' +
                                          locale.toString(uploaded.time(), QLocale::LongFormat));
        item->setText(UrlColumn, link.FileName());
        item->setData(NameColumn, kRecordRole, int(i));
    }
    updateActions();
}

void TfrmWebLinks::ClearBoxes() {
    m_description->clear();
    m_url->clear();
}

void TfrmWebLinks::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        m_links.RequestWebLinks();
}

} // namespace orv
