#include "chat/NotesPane.h"

#include "chat/NoteRequestDialog.h"
#include "chat/PostItWindow.h"
#include "chat/SessionNotes.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orv {
namespace {

class TNotesPane final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TNotesPane)
public:
    explicit TNotesPane(const TNotesPaneParts& parts);

    QStringList Rows() const;

private:
    void refresh();
    void updateActions();
    int selectedIndex() const;
    void save();

    TSessionNotes& m_notes;
    IDialogs& m_dialogs;
    QTreeWidget* m_list;
    QAction* m_remove;
    QAction* m_complete;
    QAction* m_show;
};

TNotesPane::TNotesPane(const TNotesPaneParts& parts)
    : m_notes(parts.notes), m_dialogs(parts.dialogs), m_list(new QTreeWidget) {
    setObjectName("notesPane");
    // "Post a note" on the bar, everything else in its menu and in the list's context menu: the side column
    // is narrow.
    auto* tools = new QToolBar;
    tools->setObjectName("notesTools");
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction* add = tools->addAction(tr("Post a note"));
    add->setObjectName("acNote_Add");
    auto* menu = new QMenu(this);
    m_show = menu->addAction(tr("Display selected item"));
    m_show->setObjectName("acNote_Show");
    m_complete = menu->addAction(tr("Mark selected as complete"));
    m_complete->setObjectName("acNote_SetComplete");
    m_remove = menu->addAction(tr("Delete selected item"));
    m_remove->setObjectName("acNote_Clear");
    menu->addSeparator();
    QAction* saveAction = menu->addAction(tr("Save notes to a file"));
    saveAction->setObjectName("acSaveNotesToFile");
    QAction* clearAll = menu->addAction(tr("Clear all notes in list"));
    clearAll->setObjectName("acNote_ClearAll");
    auto* more = new QToolButton;
    more->setObjectName("notesMenu");
    more->setText(tr("Actions"));
    more->setAccessibleName(tr("What to do with the notes"));
    more->setMenu(menu);
    more->setPopupMode(QToolButton::InstantPopup);
    tools->addWidget(more);

    m_list->setObjectName("notesList");
    m_list->setAccessibleName(tr("Notes and Questions"));
    m_list->setHeaderLabels({tr("Time"), tr("Note"), tr("Status")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& at) { menu->popup(m_list->viewport()->mapToGlobal(at)); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_list, 1);

    connect(add, &QAction::triggered, this, [this] { ComposeNote(m_notes, m_dialogs, 0, this); });
    connect(m_show, &QAction::triggered, this, [this] { m_notes.Show(selectedIndex()); });
    // A double click activates the item, as Enter does.
    connect(m_list, &QTreeWidget::itemActivated, this, [this] { m_notes.Show(selectedIndex()); });
    connect(m_complete, &QAction::triggered, this, [this] { m_notes.SetComplete(selectedIndex()); });
    connect(m_remove, &QAction::triggered, this, [this] { m_notes.Remove(selectedIndex()); });
    connect(saveAction, &QAction::triggered, this, &TNotesPane::save);
    connect(clearAll, &QAction::triggered, this, [this] { m_notes.ClearAll(); });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TNotesPane::updateActions);
    connect(&m_notes, &TSessionNotes::Changed, this, &TNotesPane::refresh);
    ITimerFactory* timers = &parts.timers;
    connect(&m_notes, &TSessionNotes::NoticeRequested, this,
            [this, timers, keep = parts.keepNoPopUps](const TNoteNotice& notice) {
                TfrmPostIt::Open(
                    notice, m_notes.NoPopUps(),
                    [notes = &m_notes, keep](bool on) {
                        notes->SetNoPopUps(on);
                        if (keep)
                            keep(on);
                    },
                    *timers);
            });
    refresh();
}

int TNotesPane::selectedIndex() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.front());
}

void TNotesPane::updateActions() {
    const bool any = selectedIndex() >= 0;
    for (QAction* action : {m_remove, m_complete, m_show})
        action->setEnabled(any);
}

void TNotesPane::refresh() {
    const int selected = selectedIndex();
    m_list->clear();
    for (const TNoteItem& note : m_notes.Items()) {
        const QString firstLine = note.text.trimmed().section(u'\n', 0, 0).trimmed();
        auto* item = new QTreeWidgetItem(m_list, {note.caption, note.sender + ": " + firstLine,
                                                  note.complete ? tr("Complete") : tr("Pending")});
        item->setToolTip(1, note.sender + "\n" + note.text.trimmed());
        if (note.complete)
            for (int column = 0; column < 3; ++column) {
                QFont font = item->font(column);
                font.setStrikeOut(true);
                item->setFont(column, font);
            }
    }
    if (selected >= 0 && selected < m_list->topLevelItemCount())
        m_list->topLevelItem(selected)->setSelected(true);
    updateActions();
}

void TNotesPane::save() {
    // The file is plain text, and is offered as such.
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the session notes"), TSessionNotes::ProposedFileName(QDateTime::currentDateTime()),
        tr("Plain Text (*.txt)"));
    if (!path.isEmpty())
        m_notes.Save(path);
}

QStringList TNotesPane::Rows() const {
    QStringList rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_list->topLevelItem(i);
        QString row = item->text(0) + " | " + item->text(1) + " | " + item->text(2);
        if (item->font(1).strikeOut())
            row += " (struck)";
        rows << row;
    }
    return rows;
}

} // namespace

QWidget* NewNotesPane(const TNotesPaneParts& parts) {
    return new TNotesPane(parts);
}

void ComposeNote(TSessionNotes& notes, IDialogs& dialogs, std::uint16_t recipient, QWidget* parent) {
    const std::optional<QString> text = TfrmRequest::Ask(notes.RecipientName(recipient), dialogs, parent);
    if (text && !notes.SendNote(recipient, *text))
        dialogs.Error(TNotesPane::tr("The note was not sent: there is no connection to the server."));
}

QStringList NotesPaneRows(QWidget& pane) {
    auto* notes = dynamic_cast<TNotesPane*>(&pane);
    return notes ? notes->Rows() : QStringList();
}

} // namespace orv
