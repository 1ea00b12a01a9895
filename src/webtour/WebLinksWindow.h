#pragma once
// The web links window (caption "Web Links"): the room's library of links, with boxes to add one and
// actions to reload, upload, delete and open them.

#include "webtour/WebLinks.h"

#include <QWidget>

class QAction;
class QLineEdit;
class QTreeWidget;

namespace orv {

class TfrmWebLinks final : public QWidget, public IWebLinksView {
    Q_OBJECT
public:
    TfrmWebLinks(TWebLinks& links, QWidget* parent = nullptr);
    ~TfrmWebLinks() override;

    void ShowLinks(const std::vector<TResourceRecord>& links) override;
    void ClearBoxes() override;

    QLineEdit* DescriptionBox() const { return m_description; }
    QLineEdit* AddressBox() const { return m_url; }
    QTreeWidget* List() const { return m_list; }
    QAction* UploadAction() const { return m_upload; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* OpenAction() const { return m_open; }
    QAction* ReloadAction() const { return m_reload; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateActions();
    const TResourceRecord* selected() const;

    TWebLinks& m_links;
    QLineEdit* m_description;
    QLineEdit* m_url;
    QTreeWidget* m_list;
    QAction* m_reload;
    QAction* m_upload;
    QAction* m_delete;
    QAction* m_open;
};

} // namespace orv
