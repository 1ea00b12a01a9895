#include "app/settings/FavouritePollsPage.h"

#include "platform/Dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

TFavouritePollsPage::TFavouritePollsPage(TSettingsStore& store, IDialogs& dialogs)
    : m_polls(store), m_dialogs(dialogs), m_list(new QListWidget), m_delete(new QPushButton(tr("Delete"))),
      m_deleteAll(new QPushButton(tr("Delete All"))) {
    m_list->setObjectName("favouritePolls");
    auto* caption = new QLabel(tr("Favorite Polls (Moderators Only)"));
    caption->setBuddy(m_list);
    m_delete->setObjectName("deleteFavouritePoll");
    m_deleteAll->setObjectName("deleteAllFavouritePolls");
    connect(m_delete, &QPushButton::clicked, this, &TFavouritePollsPage::DeleteSelected);
    connect(m_deleteAll, &QPushButton::clicked, this, &TFavouritePollsPage::DeleteAll);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_delete->setEnabled(row >= 0); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_delete);
    buttons->addWidget(m_deleteAll);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
}

void TFavouritePollsPage::fill(const TSettings& settings) {
    TSettingsPage::fill(settings);
    refresh();
}

void TFavouritePollsPage::refresh() {
    m_list->clear();
    m_list->addItems(m_polls.List());
    m_delete->setEnabled(false);
    m_deleteAll->setEnabled(m_list->count() > 0);
}

void TFavouritePollsPage::DeleteSelected() {
    const QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    m_polls.Delete(item->text());
    refresh();
}

void TFavouritePollsPage::DeleteAll() {
    if (m_list->count() == 0 || !m_dialogs.Question(tr("Do you want to delete all your favorite polls?")))
        return;
    m_polls.DeleteAll();
    refresh();
}

} // namespace orv
