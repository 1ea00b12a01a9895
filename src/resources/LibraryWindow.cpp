#include "resources/LibraryWindow.h"

#include "resources/LibraryListView.h"
#include "resources/ResourceColumns.h"
#include "resources/ResourceLibrary.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

// What both library windows share: the header panel, a row of buttons over the list, floating on top.
class TLibraryFrame : public QWidget, public ILibraryWindow {
public:
    TLibraryFrame(TResourceLibrary& library, TLibraryList& list, const QString& caption,
                  const QString& header)
        : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint), m_library(library), m_list(list) {
        setWindowTitle(caption);
        setAttribute(Qt::WA_DeleteOnClose, false);
        auto* layout = new QVBoxLayout(this);
        auto* title = new QLabel(header);
        QFont font = title->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.2);
        title->setFont(font);
        title->setObjectName("header");
        title->setContentsMargins(4, 2, 4, 2);
        layout->addWidget(title);
        m_buttons = new QHBoxLayout;
        layout->addLayout(m_buttons);
        resize(640, 320);
    }

    void ShowFloating() override {
        show();
        raise();
        activateWindow();
        m_library.Request(m_list.Kind());
    }
    QWidget* Widget() override { return this; }

protected:
    QPushButton* addButton(const QString& text, const QString& name, const QString& hint) {
        auto* button = new QPushButton(text);
        button->setObjectName(name);
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setAccessibleDescription(hint);
        button->setAutoDefault(false);
        m_buttons->addWidget(button);
        return button;
    }
    void addList(TLibraryListView* view, const QString& accessibleName) {
        m_view = view;
        view->setAccessibleName(accessibleName);
        m_buttons->addStretch();
        static_cast<QVBoxLayout*>(layout())->addWidget(view, 1);
        connect(view, &QTreeWidget::itemSelectionChanged, this, [this] { selectionChanged(); });
        selectionChanged();
        setTabOrder(m_buttons->itemAt(0)->widget(), view);
    }
    virtual void selectionChanged() {}
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(event);
    }

    TResourceLibrary& m_library;
    TLibraryList& m_list;
    TLibraryListView* m_view = nullptr;

private:
    QHBoxLayout* m_buttons;
};

class TfrmDocuments final : public TLibraryFrame {
    Q_DECLARE_TR_FUNCTIONS(orv::TfrmDocuments)

public:
    TfrmDocuments(TResourceLibrary& library, QString dataFolder)
        : TLibraryFrame(library, library.Documents(), tr("Shared Documents"), tr("Documents Library")),
          m_dataFolder(std::move(dataFolder)) {
        setObjectName("TfrmDocuments");
        QPushButton* upload = addButton(tr("Upload"), "acUpload", tr("Upload a file to the library"));
        QPushButton* download = addButton(tr("Download"), "acDownload",
                                          tr("Download selected item and save it on the local disk"));
        QPushButton* erase = addButton(tr("Delete"), "acDelete", tr("Delete the selected item"));
        QPushButton* launch =
            addButton(tr("Launch"), "acLaunch", tr("Launch the selected item on participants' computers"));
        QPushButton* reload = addButton(tr("Reload"), "acReload", tr("Reload the documents library"));
        auto* view = new TLibraryListView(
            library.Documents(),
            {tr("File Name"), tr("Size"), tr("Uploaded by"), tr("Upload Date/Time"), tr("Comment")},
            [](const TResourceRecord& r) {
                return TLibraryListView::Row{{r.FileName(), SizeText(r.FileSize()), r.OwnerName(),
                                              UploadedText(r.Uploaded()), r.Description()},
                                             FileTypeImage(r.FileExt())};
            });
        addList(view, tr("Documents Library"));
        m_selectionButtons = {download, erase, launch};
        selectionChanged();
        connect(upload, &QPushButton::clicked, this, [this] { chooseUpload(); });
        connect(download, &QPushButton::clicked, this, [this] { chooseDownload(); });
        connect(erase, &QPushButton::clicked, this, [this] {
            if (const auto r = m_view->Selected())
                m_library.Delete(*r, tkDocument);
        });
        connect(launch, &QPushButton::clicked, this, [this] { launchSelected(); });
        connect(view, &TLibraryListView::Activated, this, [this] { launchSelected(); });
        connect(reload, &QPushButton::clicked, this, [this] { m_library.Request(tkDocument); });
    }

private:
    void selectionChanged() override {
        const bool selected = m_view && m_view->Selected().has_value();
        for (QPushButton* b : m_selectionButtons)
            b->setEnabled(selected);
    }
    void chooseUpload() {
        const QString path = QFileDialog::getOpenFileName(this, tr("Upload"), m_dataFolder);
        if (path.isEmpty())
            return;
        bool ok = false;
        const QString comment =
            QInputDialog::getText(this, tr("Comment"), tr("Enter a short comment for this file:"),
                                  QLineEdit::Normal, QFileInfo(path).fileName(), &ok);
        if (ok)
            m_library.UploadDocument(path, comment);
    }
    void chooseDownload() {
        const auto record = m_view->Selected();
        if (!record)
            return;
        const QString folder =
            QFileDialog::getExistingDirectory(this, tr("Select a target folder"), m_dataFolder);
        if (!folder.isEmpty())
            m_library.Download(*record, folder);
    }
    void launchSelected() {
        if (const auto r = m_view->Selected())
            m_library.Launch(*r);
    }

    QString m_dataFolder;
    std::vector<QPushButton*> m_selectionButtons;
};

class TfrmImages final : public TLibraryFrame {
    Q_DECLARE_TR_FUNCTIONS(orv::TfrmImages)

public:
    explicit TfrmImages(TResourceLibrary& library)
        : TLibraryFrame(library, library.Images(), tr("Images"), tr("Image Library")) {
        setObjectName("TfrmImages");
        QPushButton* refresh = addButton(tr("Refresh"), "acRefresh", tr("Reload the image library"));
        m_delete = addButton(tr("Delete"), "acDelete", tr("Delete the selected item"));
        m_load = addButton(tr("Load"), "acLoad", tr("Open selected image"));
        auto* view = new TLibraryListView(
            library.Images(), {tr("Item name"), tr("Stored By"), tr("Date/Time")},
            [](const TResourceRecord& r) {
                return TLibraryListView::Row{{r.Description(), r.OwnerName(), UploadedText(r.Uploaded())},
                                             SmallImage::LibraryImage};
            });
        addList(view, tr("Image Library"));
        connect(refresh, &QPushButton::clicked, this, [this] { m_library.Request(tkLibraryImage); });
        connect(m_delete, &QPushButton::clicked, this, [this] {
            if (const auto r = m_view->Selected())
                m_library.Delete(*r, tkLibraryImage);
        });
        connect(m_load, &QPushButton::clicked, this, [this] { loadSelected(); });
        connect(view, &TLibraryListView::Activated, this, [this] { loadSelected(); });
    }

private:
    void selectionChanged() override {
        const bool selected = m_view && m_view->Selected().has_value();
        if (m_delete)
            m_delete->setEnabled(selected);
        if (m_load)
            m_load->setEnabled(selected);
    }
    void loadSelected() {
        if (const auto r = m_view->Selected())
            m_library.LoadImage(*r);
    }

    QPushButton* m_delete = nullptr;
    QPushButton* m_load = nullptr;
};

} // namespace

std::unique_ptr<ILibraryWindow> NewDocumentsWindow(TResourceLibrary& library, const QString& dataFolder) {
    return std::make_unique<TfrmDocuments>(library, dataFolder);
}

std::unique_ptr<ILibraryWindow> NewImagesWindow(TResourceLibrary& library) {
    return std::make_unique<TfrmImages>(library);
}

} // namespace orv
