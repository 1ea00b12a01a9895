#include "app/WelcomeWindow.h"

#include "app/RestrictedWebPage.h"

#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace orv {

TfrmWelcome::TfrmWelcome(const QUrl& page, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_view(new QWebEngineView),
      m_timer(new QTimer(this)) {
    setWindowTitle(tr("Welcome"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_view->setPage(new TRestrictedWebPage(m_view));
    m_view->setAccessibleName(tr("Welcome page"));
    if (TRestrictedWebPage::IsAllowed(page))
        m_view->setUrl(page);
    auto* provided = new QLabel(tr("This welcome window is provided by your service provider."));
    auto* closeLink = new QLabel("<a href='#'>" + tr("Close this welcome window") + "</a>");
    closeLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    closeLink->setAccessibleName(tr("Close this welcome window"));
    connect(closeLink, &QLabel::linkActivated, this, &QDialog::close);
    // Escape closes the window even while the page has the focus and would keep the key for itself.
    new QShortcut(Qt::Key_Escape, this, this, &QDialog::close);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(provided);
    bottom->addStretch();
    bottom->addWidget(closeLink);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(bottom);

    m_timer->setSingleShot(true);
    m_timer->setInterval(kCloseAfterMs);
    connect(m_timer, &QTimer::timeout, this, &QDialog::close);
    m_timer->start();
}

} // namespace orv
