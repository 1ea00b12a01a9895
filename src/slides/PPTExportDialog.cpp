#include "slides/PPTExportDialog.h"

#include "platform/Dialogs.h"
#include "slides/ExportThread.h"
#include "slides/SlidesMessageIds.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

const QString kDefaultWidth = QStringLiteral("800");
const QString kDefaultHeight = QStringLiteral("600");
constexpr int kMaxEnteredSide = 9999;

// A number from a size box; 0 when it holds none.
int SizeOf(const QLineEdit* box) {
    bool ok = false;
    const int value = box->text().trimmed().toInt(&ok);
    return ok && value > 0 && value <= kMaxEnteredSide ? value : 0;
}

} // namespace

TfrmPPTExport::TfrmPPTExport(TExportThread& worker, IDialogs& dialogs,
                             std::function<TExportOrder(const QString&, QSize)> order,
                             bool converterAvailable, QWidget* parent)
    : QDialog(parent), m_worker(worker), m_dialogs(dialogs), m_order(std::move(order)),
      m_available(converterAvailable), m_sink(std::make_shared<QtMessageSink>(this)) {
    setObjectName("frmPPTExport");
    setWindowTitle(tr("PowerPoint Upload Wizard"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* fileCaption = new QLabel(tr("Select a PowerPoint presentation file:"), this);
    layout->addWidget(fileCaption);
    auto* fileRow = new QHBoxLayout;
    m_file = new QLineEdit(this);
    m_file->setObjectName("edFileName");
    m_file->setMinimumWidth(320);
    fileCaption->setBuddy(m_file);
    auto* select = new QPushButton(tr("Select File"), this);
    select->setObjectName("btnSelectFile");
    connect(select, &QPushButton::clicked, this, &TfrmPPTExport::chooseFile);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(select);
    layout->addLayout(fileRow);

    m_setSize = new QCheckBox(tr("Set Slide Size"), this);
    m_setSize->setObjectName("cbSetSize");
    layout->addWidget(m_setSize);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addSpacing(20); // under the check box they belong to
    auto addSizeBox = [&](const QString& caption, const char* name) {
        auto* label = new QLabel(caption, this);
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        box->setMaxLength(4);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        box->setEnabled(false);
        label->setBuddy(box);
        sizeRow->addWidget(label);
        sizeRow->addWidget(box);
        sizeRow->addWidget(new QLabel(tr("pixels"), this));
        sizeRow->addSpacing(12);
        return box;
    };
    m_width = addSizeBox(tr("Width:"), "edWidth");
    m_height = addSizeBox(tr("Height:"), "edHeight");
    sizeRow->addStretch(1);
    layout->addLayout(sizeRow);
    connect(m_setSize, &QCheckBox::toggled, this, [this](bool on) {
        m_width->setEnabled(on);
        m_height->setEnabled(on);
        if (on) {
            fixSize(m_width, kDefaultWidth);
            fixSize(m_height, kDefaultHeight);
        }
    });
    connect(m_width, &QLineEdit::editingFinished, this, [this] { fixSize(m_width, kDefaultWidth); });
    connect(m_height, &QLineEdit::editingFinished, this, [this] { fixSize(m_height, kDefaultHeight); });

    auto* info = new QGroupBox(tr("Presentation Info: "), this);
    auto* form = new QFormLayout(info);
    m_count = new QLabel(info);
    m_count->setObjectName("lblSlideCount");
    m_status = new QLabel(info);
    m_status->setObjectName("lblStatus");
    m_status->setWordWrap(true);
    form->addRow(tr("Number Of Slides:"), m_count);
    form->addRow(tr("Status:"), m_status);
    layout->addWidget(info);

    m_missing = new QLabel(this);
    m_missing->setObjectName("lblMissingConverter");
    m_missing->setWordWrap(true);
    m_missing->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_missing->setText(
        tr("LibreOffice is not installed on this computer, so presentations cannot be converted "
           "into slides. Install LibreOffice Impress (the package libreoffice-impress) and open "
           "this window again."));
    m_missing->setVisible(!m_available);
    layout->addWidget(m_missing);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName("pbExport");
    m_progress->setAccessibleName(tr("Export progress"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    layout->addWidget(m_progress);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_upload = new QPushButton(tr("Upload"), this);
    m_upload->setObjectName("btnUpload");
    m_upload->setDefault(true);
    m_upload->setEnabled(m_available);
    connect(m_upload, &QPushButton::clicked, this, &TfrmPPTExport::StartUpload);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName("btnCancel");
    connect(m_cancel, &QPushButton::clicked, this, &TfrmPPTExport::reject);
    buttons->addWidget(m_upload);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TfrmPPTExport::~TfrmPPTExport() {
    m_sink->detach();
}

void TfrmPPTExport::fixSize(QLineEdit* box, const QString& fallback) {
    if (box->isEnabled() && SizeOf(box) == 0)
        box->setText(fallback);
}

QSize TfrmPPTExport::SlideSize() const {
    if (!m_setSize->isChecked())
        return {};
    const int width = SizeOf(m_width), height = SizeOf(m_height);
    return {width ? width : kDefaultWidth.toInt(), height ? height : kDefaultHeight.toInt()};
}

void TfrmPPTExport::chooseFile() {
    const QString file = QFileDialog::getOpenFileName(this, tr("Select a PowerPoint presentation file:"),
                                                      QFileInfo(m_file->text()).absolutePath(),
                                                      tr("PowerPoint Files (ppt) (*.ppt);;PowerPoint 2007 "
                                                         "Files (pptx) (*.pptx);;OpenDocument Presentations "
                                                         "(odp) (*.odp)"));
    if (!file.isEmpty())
        m_file->setText(file);
}

void TfrmPPTExport::StartUpload() {
    const QString file = m_file->text().trimmed();
    if (file.isEmpty() || !m_available || m_worker.Running())
        return;
    if (!m_worker.Start(m_order(file, SlideSize()), m_sink))
        return;
    m_upload->setEnabled(false);
    m_count->clear();
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
}

bool TfrmPPTExport::event(QEvent* event) {
    if (event->type() == TAppMessageEvent::eventType()) {
        const auto* message = static_cast<TAppMessageEvent*>(event);
        if (message->n == ExportMsg::Status)
            showStage(int(message->lParam), int(message->wParam));
        return true;
    }
    return QDialog::event(event);
}

void TfrmPPTExport::showStage(int stage, int value) {
    switch (stage) {
    case esEnded:
        m_upload->setEnabled(m_available);
        break;
    case esConnecting:
        m_status->setText(tr("Connecting..."));
        break;
    case esOpening:
        m_status->setText(tr("Openning..."));
        break;
    case esCounted:
        m_count->setText(QString::number(value));
        m_progress->setRange(0, std::max(1, value));
        m_progress->setValue(0);
        break;
    case esExporting:
    case esUploading:
        m_status->setText(tr("Exporting Slide ") + QString::number(value));
        m_progress->setValue(std::clamp(value, m_progress->minimum(), m_progress->maximum()));
        break;
    case esExported:
        if (value > 0)
            m_dialogs.Error(
                tr("The presentation was exported to the server, but %1 of its %2 slides could not "
                   "be exported and are missing from it.")
                    .arg(value)
                    .arg(m_count->text()));
        else
            m_dialogs.Information(tr("Presentation successfully exported to server."));
        accept();
        break;
    case esNotExported:
        m_status->clear();
        m_dialogs.Error(
            tr("Presentation not exported.\r\nPlease make sure you have LibreOffice installed on your "
               "computer."));
        break;
    default:
        break;
    }
}

void TfrmPPTExport::reject() {
    // The export ends soon; its late reports are dropped with this window.
    if (m_worker.Running())
        m_worker.Cancel();
    QDialog::reject();
}

} // namespace orv
