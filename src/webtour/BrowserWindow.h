#pragma once
// The tour browser (TfrmBrowser), shown as the main window's web browser view: the address box with the
// addresses visited as leader, the library button, Reload, Back, Forward and Blank, and the page.

#include "webtour/WebTour.h"

#include <QWidget>

class QComboBox;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class QWebEngineView;

namespace orv {

class TWebLinks;
class TTourWebPage;

class TfrmBrowser final : public QWidget, public ITourBrowser {
    Q_OBJECT
public:
    TfrmBrowser(TWebTour& tour, TWebLinks& links, QWidget* parent = nullptr);
    ~TfrmBrowser() override;

    void Load(const QUrl& url) override;
    void ShowAddress(const QString& address) override;
    void RememberAddress(const QString& address) override;
    QString LocationName() const override;

    QComboBox* AddressBox() const { return m_address; }
    // The browser, made when first needed.
    QWebEngineView* View();
    // The account may have changed: the leader's controls follow it.
    void UpdateControls();
    // The tour and the links are going away before this window: it stops and no longer reaches them.
    void Detach();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void addressEntered();

    TWebTour* m_tour;
    TWebLinks* m_links;
    QComboBox* m_address;
    QToolButton* m_addLink;
    QPushButton* m_reload;
    QPushButton* m_back;
    QPushButton* m_forward;
    QPushButton* m_blank;
    QVBoxLayout* m_layout = nullptr;
    QWebEngineView* m_view = nullptr;
    TTourWebPage* m_page = nullptr;
};

} // namespace orv
