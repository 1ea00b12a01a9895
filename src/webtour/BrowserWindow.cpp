#include "webtour/BrowserWindow.h"

#include "webtour/TourWebPage.h"
#include "webtour/WebLinks.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineView>

namespace orv {

TfrmBrowser::TfrmBrowser(TWebTour& tour, TWebLinks& links, QWidget* parent)
    : QWidget(parent), m_tour(&tour), m_links(&links), m_address(new QComboBox(this)),
      m_addLink(new QToolButton(this)), m_reload(new QPushButton(tr("Reload"), this)),
      m_back(new QPushButton(tr("Back"), this)), m_forward(new QPushButton(tr("Forward"), this)),
      m_blank(new QPushButton(tr("Blank"), this)) {
    setObjectName("frmBrowser");
    setWindowTitle(tr("Resources"));

    auto* label = new QLabel(tr("&Address:"), this);
    label->setBuddy(m_address);
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setAccessibleName(tr("Address"));
    m_address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_address->setMinimumContentsLength(30);
    m_addLink->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    m_addLink->setToolTip(tr("Add this URL to the Web Links Library"));
    m_addLink->setAccessibleName(tr("Add this URL to the Web Links Library"));
    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_reload->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));

    auto* bar = new QHBoxLayout;
    bar->addWidget(label);
    bar->addWidget(m_address, 1);
    bar->addWidget(m_addLink);
    bar->addWidget(m_reload);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_blank);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(4, 4, 4, 4);
    m_layout->addLayout(bar);
    m_layout->addStretch(1);
    setTabOrder(m_address, m_addLink);
    setTabOrder(m_addLink, m_reload);
    setTabOrder(m_reload, m_back);
    setTabOrder(m_back, m_forward);
    setTabOrder(m_forward, m_blank);

    // Enter on a text the list holds comes as a pick from the list; any other text is navigated here.
    connect(m_address->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (m_address->findText(m_address->currentText()) < 0)
            addressEntered();
    });
    connect(m_address, &QComboBox::activated, this, [this](int index) {
        m_address->setEditText(m_address->itemText(index));
        addressEntered();
    });
    connect(m_reload, &QPushButton::clicked, this, [this] {
        if (m_tour)
            m_tour->GoTo(m_address->currentText());
    });
    connect(m_back, &QPushButton::clicked, this, [this] {
        if (m_view)
            m_view->back();
    });
    connect(m_forward, &QPushButton::clicked, this, [this] {
        if (m_view)
            m_view->forward();
    });
    connect(m_blank, &QPushButton::clicked, this, [this] {
        if (m_tour)
            m_tour->Blank();
    });
    connect(m_addLink, &QToolButton::clicked, this, [this] {
        const QString text = m_address->currentText();
        if (m_links && !text.trimmed().isEmpty())
            m_links->AddWebLink(text, text);
    });
    m_tour->SetBrowser(this);
    UpdateControls();
}

TfrmBrowser::~TfrmBrowser() {
    Detach();
}

QWebEngineView* TfrmBrowser::View() {
    if (m_view || !m_tour)
        return m_view;
    // The browser engine starts with the first page shown, not with every session.
    m_view = new QWebEngineView(this);
    m_page = new TTourWebPage(*m_tour, m_view);
    m_view->setPage(m_page);
    m_view->setAccessibleName(tr("Web page"));
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool) {
        if (m_tour)
            m_tour->LoadFinished();
    });
    delete m_layout->takeAt(m_layout->count() - 1); // the stretch standing in for it
    m_layout->addWidget(m_view, 1);
    setTabOrder(m_blank, m_view);
    return m_view;
}

void TfrmBrowser::Detach() {
    if (!m_tour)
        return;
    m_tour->SetBrowser(nullptr);
    m_tour = nullptr;
    m_links = nullptr;
    if (m_view) {
        m_page->Detach();
        m_view->stop();
    }
}

void TfrmBrowser::addressEntered() {
    if (m_tour)
        m_tour->GoTo(m_address->currentText());
}

void TfrmBrowser::Load(const QUrl& url) {
    View()->load(url);
}

void TfrmBrowser::ShowAddress(const QString& address) {
    m_address->setEditText(address);
}

void TfrmBrowser::RememberAddress(const QString& address) {
    const QString trimmed = address.trimmed();
    if (!trimmed.isEmpty() && m_address->findText(trimmed) < 0)
        m_address->addItem(trimmed);
}

QString TfrmBrowser::LocationName() const {
    return m_page ? m_page->title() : QString();
}

void TfrmBrowser::UpdateControls() {
    const bool leads = m_tour && m_tour->CanLead();
    m_address->setEnabled(leads);
    m_addLink->setEnabled(leads);
    m_blank->setEnabled(leads);
}

void TfrmBrowser::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous() || !m_tour)
        return;
    View();
    m_tour->BrowserShown();
    UpdateControls();
}

void TfrmBrowser::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous() && m_tour)
        m_tour->BrowserClosed();
}

} // namespace orv
