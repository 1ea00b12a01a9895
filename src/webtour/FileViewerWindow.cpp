#include "webtour/FileViewerWindow.h"

#include "webtour/PreviewPane.h"
#include "webtour/ViewerWebPage.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace orv {

namespace {
enum Pane { FilePane = 0, PreviewPane = 1 };
}

TfrmFileViewer::TfrmFileViewer(TFileViewer& viewer, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_viewer(viewer), m_panes(new QStackedWidget(this)), m_file(new QComboBox),
      m_open(new QPushButton(tr("Open"))), m_previewButton(new QPushButton(tr("Preview"))),
      m_view(new QWebEngineView), m_original(new QRadioButton(tr("Place Original Size"))),
      m_selectionOnly(new QRadioButton(tr("Place Selection Only"))),
      m_back(new QPushButton(tr("Back To File"))), m_place(new QPushButton(tr("Place On Board"))),
      m_status(new QStatusBar(this)) {
    setObjectName("frmFileViewer");
    setWindowTitle(tr("File Viewer - (Beta)"));
    resize(800, 600);
    m_view->setPage(new TViewerWebPage(m_view));
    m_view->setAccessibleName(tr("File content"));
    m_preview = new TPreviewPane(viewer);

    auto* filePane = new QWidget;
    auto* fileLabel = new QLabel(tr("&File:"));
    fileLabel->setBuddy(m_file);
    m_file->setEditable(true);
    m_file->setInsertPolicy(QComboBox::NoInsert);
    m_file->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_file->setAccessibleName(tr("File"));
    auto* fileBar = new QHBoxLayout;
    fileBar->addWidget(fileLabel);
    fileBar->addWidget(m_file, 1);
    fileBar->addWidget(m_open);
    fileBar->addWidget(m_previewButton);
    auto* fileLayout = new QVBoxLayout(filePane);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fileLayout->addLayout(fileBar);
    fileLayout->addWidget(m_view, 1);

    auto* previewPane = new QWidget;
    auto* options = new QGroupBox(tr("Preview Options"));
    auto* optionsLayout = new QHBoxLayout(options);
    optionsLayout->addWidget(m_original);
    optionsLayout->addWidget(m_selectionOnly);
    optionsLayout->addStretch(1);
    optionsLayout->addWidget(m_back);
    optionsLayout->addWidget(m_place);
    m_original->setChecked(true);
    auto* scroll = new QScrollArea;
    scroll->setWidget(m_preview);
    scroll->setAccessibleName(tr("Preview"));
    auto* previewLayout = new QVBoxLayout(previewPane);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(options);
    previewLayout->addWidget(scroll, 1);

    m_panes->addWidget(filePane);
    m_panes->addWidget(previewPane);
    m_status->setSizeGripEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(m_panes, 1);
    layout->addWidget(m_status);

    connect(m_open, &QPushButton::clicked, this, &TfrmFileViewer::chooseFile);
    connect(m_file->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (m_file->findText(m_file->currentText()) < 0)
            OpenFile(m_file->currentText());
    });
    connect(m_file, &QComboBox::activated, this, [this](int index) { OpenFile(m_file->itemText(index)); });
    connect(m_previewButton, &QPushButton::clicked, this, &TfrmFileViewer::TakePreview);
    connect(m_back, &QPushButton::clicked, this, &TfrmFileViewer::BackToFile);
    connect(m_place, &QPushButton::clicked, this, &TfrmFileViewer::PlaceOnBoard);
    connect(m_original, &QRadioButton::toggled, this,
            [this](bool on) { m_viewer.SetPlaceSelectionOnly(!on); });
    connect(m_preview, &TPreviewPane::selectionStarted, this, [this] { m_selectionOnly->setChecked(true); });
    connect(m_view, &QWebEngineView::loadFinished, this, &TfrmFileViewer::loaded);
    showPane(FilePane);
}

void TfrmFileViewer::showPane(int pane) {
    m_panes->setCurrentIndex(pane);
    m_status->showMessage(
        pane == FilePane
            ? tr("Click Open to select a file. Adjust the content to display then click Preview.")
            : tr("Click and drag to select a portion or choose \"Original Size\" for the entire image. Click "
                 "Place On Board."));
}

bool TfrmFileViewer::ShowsPreview() const {
    return m_panes->currentIndex() == PreviewPane;
}

QString TfrmFileViewer::StatusText() const {
    return m_status->currentMessage();
}

void TfrmFileViewer::chooseFile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Select a File To Open"));
    if (!path.isEmpty())
        OpenFile(path);
}

void TfrmFileViewer::OpenFile(const QString& pathOrAddress) {
    const QString text = pathOrAddress.trimmed();
    if (text.isEmpty())
        return;
    showPane(FilePane);
    const QFileInfo file(text);
    m_view->load(file.isAbsolute() && file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath())
                                                    : QUrl::fromUserInput(text));
}

void TfrmFileViewer::loaded(bool) {
    const QUrl url = m_view->url();
    if (url.isEmpty())
        return;
    const QString address = url.isLocalFile() ? url.toLocalFile() : url.toString();
    const int old = m_file->findText(address);
    if (old >= 0)
        m_file->removeItem(old);
    m_file->insertItem(0, address);
    m_file->setCurrentIndex(0);
    m_file->setEditText(address);
}

void TfrmFileViewer::TakePreview() {
    m_viewer.SetPreview(m_view->grab().toImage().convertToFormat(QImage::Format_RGB32));
    m_preview->PictureChanged();
    showPane(PreviewPane);
}

void TfrmFileViewer::ShowOverRoomArea(const QWidget* roomView) {
    const QWidget* area = roomView ? roomView->parentWidget() : nullptr;
    if (area && area->isVisible()) {
        // Its frame's top-left corner at the area's, the area's size inside the frame.
        const QPoint corner = area->mapToGlobal(QPoint(0, 0));
        resize(area->size());
        move(corner);
    }
    show();
    raise();
    activateWindow();
}

void TfrmFileViewer::BackToFile() {
    showPane(FilePane);
}

void TfrmFileViewer::PlaceOnBoard() {
    m_preview->SetOutlineShown(false);
    if (m_viewer.PlaceOnBoard()) {
        hide();
        return;
    }
    m_preview->SetOutlineShown(true);
}

} // namespace orv
