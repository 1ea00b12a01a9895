#include "resources/PresentationsPage.h"

#include "resources/LibraryListView.h"
#include "resources/ResourceColumns.h"
#include "resources/ResourceLibrary.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace orv {

namespace {

class TPresentationsPage final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(orv::TPresentationsPage)

public:
    explicit TPresentationsPage(TResourceLibrary& library) : m_library(library) {
        setObjectName("PowerPointLibrary");
        setToolTip(tr("PowerPoint Files"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(2, 2, 2, 2);
        auto* title = new QLabel(tr("PowerPoint Library"));
        layout->addWidget(title);
        auto* buttons = new QHBoxLayout;
        layout->addLayout(buttons);
        const auto button = [&](const QString& text, const QString& name, const QString& hint) {
            auto* b = new QPushButton(text);
            b->setObjectName(name);
            b->setToolTip(hint);
            b->setAccessibleDescription(hint);
            b->setAutoDefault(false);
            buttons->addWidget(b);
            return b;
        };
        QPushButton* reload = button(tr("Reload"), "acPPT_Reload", tr("Reload the PowerPoint library"));
        m_upload = button(tr("Upload"), "acPPT_Upload", tr("Upload a PowerPoint presentation"));
        m_delete = button(tr("Delete"), "acPPT_Delete", tr("Delete selected presentation"));
        m_open = button(tr("Open"), "acPPT_Open", tr("Start a PowerPoint presentation"));
        buttons->addStretch();
        m_view = new TLibraryListView(
            library.Presentations(), {tr("Presentation"), tr("Slides"), tr("Uploaded by"), tr("Date/Time")},
            [](const TResourceRecord& r) {
                return TLibraryListView::Row{
                    {r.FileName(), QString::number(r.ItemCount()), r.OwnerName(), UploadedText(r.Uploaded())},
                    SmallImage::Presentation};
            });
        m_view->setAccessibleName(tr("PowerPoint Library"));
        layout->addWidget(m_view, 1);
        connect(reload, &QPushButton::clicked, this, [this] { m_library.Request(tkPresentation); });
        connect(m_upload, &QPushButton::clicked, this, [this] { m_library.UploadPresentation(); });
        connect(m_delete, &QPushButton::clicked, this, [this] { deleteSelected(); });
        connect(m_open, &QPushButton::clicked, this,
                [this] { m_library.OpenPresentation(m_view->Selected()); });
        connect(m_view, &TLibraryListView::Activated, this,
                [this] { m_library.OpenPresentation(m_view->Selected()); });
        connect(m_view, &QTreeWidget::itemSelectionChanged, this, [this] { updateButtons(); });
        connect(&library.Presentations(), &TLibraryList::Changed, this, [this] { updateButtons(); });
        updateButtons();
    }

protected:
    // The page's list is asked for each time it comes into sight.
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        if (!event->spontaneous())
            m_library.Request(tkPresentation);
        updateButtons();
    }

private:
    void deleteSelected() {
        const auto record = m_view->Selected();
        if (!record)
            return;
        m_library.Delete(*record, tkPresentation);
        m_library.Request(tkPresentation);
    }
    void updateButtons() {
        const bool selected = m_view->Selected().has_value();
        m_upload->setEnabled(m_library.CanUploadPresentation());
        m_delete->setEnabled(selected && m_library.MayDeletePresentation());
        m_open->setEnabled(selected && m_library.MayOpenPresentation());
    }

    TResourceLibrary& m_library;
    TLibraryListView* m_view;
    QPushButton* m_upload;
    QPushButton* m_delete;
    QPushButton* m_open;
};

} // namespace

QWidget* NewPresentationsPage(TResourceLibrary& library) {
    return new TPresentationsPage(library);
}

} // namespace orv
