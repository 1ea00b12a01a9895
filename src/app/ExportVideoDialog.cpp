#include "app/ExportVideoDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {
namespace {

// A line edit with its Browse button, as one row of the form.
QWidget* WithBrowse(QLineEdit* edit, QPushButton* browse) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(browse);
    return row;
}

} // namespace

TfrmExportVideo::TfrmExportVideo(const QString& recording, QWidget* parent)
    : QDialog(parent), m_recording(new QLineEdit(recording)), m_output(new QLineEdit), m_size(new QComboBox),
      m_browseRecording(new QPushButton(tr("Browse…"))), m_browseOutput(new QPushButton(tr("Browse…"))),
      m_progress(new QProgressBar), m_status(new QLabel), m_export(new QPushButton(tr("Export"))),
      m_cancel(new QPushButton(tr("Cancel"))) {
    setWindowTitle(tr("Export Recording as Video"));
    setObjectName("exportVideoDialog");
    m_recording->setObjectName("recordingFile");
    m_output->setObjectName("videoFile");
    m_size->setObjectName("videoSize");
    m_browseRecording->setAccessibleName(tr("Choose the recorded session"));
    m_browseOutput->setAccessibleName(tr("Choose the video file"));
    if (!recording.isEmpty()) {
        const QFileInfo info(recording);
        m_output->setText(QDir(info.absolutePath()).filePath(info.completeBaseName() + ".webm"));
    }
    m_size->setEditable(true);
    m_size->addItems({"640x360", "854x480", "1280x720", "1920x1080"});
    m_size->setCurrentText("1280x720");

    auto* form = new QFormLayout;
    form->addRow(tr("&Recorded session:"), WithBrowse(m_recording, m_browseRecording));
    form->addRow(tr("&Video file:"), WithBrowse(m_output, m_browseOutput));
    form->addRow(tr("&Size (width x height):"), m_size);
    // The rows name the edits; the form labels their rows.
    for (auto [edit, label] : {std::pair{m_recording, form->labelForField(m_recording->parentWidget())},
                               std::pair{m_output, form->labelForField(m_output->parentWidget())}})
        if (auto* l = qobject_cast<QLabel*>(label))
            l->setBuddy(edit);

    m_progress->setObjectName("exportProgress");
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    m_progress->setFormat("%p%");
    m_progress->setAccessibleName(tr("Export progress"));
    m_status->setObjectName("exportStatus");
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_export->setObjectName("startExport");
    m_export->setDefault(true);
    m_cancel->setObjectName("cancelExport");
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(m_export, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(520);

    connect(m_browseRecording, &QPushButton::clicked, this, &TfrmExportVideo::browseRecording);
    connect(m_browseOutput, &QPushButton::clicked, this, &TfrmExportVideo::browseOutput);
    connect(m_export, &QPushButton::clicked, this, &TfrmExportVideo::StartExport);
    connect(m_cancel, &QPushButton::clicked, this, &TfrmExportVideo::reject);
    showStatus(tr("Choose the video file and its size, then Export."), false);
}

TfrmExportVideo::~TfrmExportVideo() = default;

void TfrmExportVideo::SetOutput(const QString& file) {
    m_output->setText(file);
}

void TfrmExportVideo::SetSize(const QString& size) {
    m_size->setCurrentText(size);
}

bool TfrmExportVideo::Exporting() const {
    return m_job && m_job->Running();
}

QString TfrmExportVideo::StatusText() const {
    return m_status->text();
}

void TfrmExportVideo::browseRecording() {
    const QString file = QFileDialog::getOpenFileName(this, tr("Recorded session"), m_recording->text(),
                                                      tr("Recorded sessions (*.orvane *.or5)"));
    if (!file.isEmpty())
        m_recording->setText(file);
}

void TfrmExportVideo::browseOutput() {
    const QString file = QFileDialog::getSaveFileName(this, tr("Video file"), m_output->text(),
                                                      tr("WebM video (*.webm);;MP4 video (*.mp4)"));
    if (!file.isEmpty())
        m_output->setText(file);
}

void TfrmExportVideo::showStatus(const QString& text, bool error) {
    m_status->setText(text);
    m_status->setStyleSheet(error ? "color: #b00020;" : "");
}

void TfrmExportVideo::setExporting(bool exporting) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_recording, m_output, m_size, m_browseRecording,
                                                      m_browseOutput, m_export})
        w->setEnabled(!exporting);
    m_cancel->setText(exporting ? tr("Cancel") : tr("Close"));
}

void TfrmExportVideo::StartExport() {
    if (Exporting())
        return;
    const std::optional<QSize> size = ParseVideoSize(m_size->currentText());
    if (!size)
        return showStatus(tr("The size must be two even numbers from 16 to 7680, as in 1280x720."), true);
    if (m_output->text().trimmed().isEmpty())
        return showStatus(tr("Choose the video file."), true);
    TVideoExportRequest request;
    request.recording = m_recording->text().trimmed();
    request.output = m_output->text().trimmed();
    request.size = *size;
    m_job = std::make_unique<TRecordingExportJob>(request);
    connect(m_job.get(), &TRecordingExportJob::progressed, this, &TfrmExportVideo::showProgress);
    connect(m_job.get(), &TRecordingExportJob::finished, this, &TfrmExportVideo::finished);
    m_progress->setValue(0);
    if (!m_job->Start()) {
        showStatus(m_job->Error(), true);
        m_job.reset();
        return;
    }
    setExporting(true);
    showStatus(tr("Exporting (%1)…").arg(m_job->Encoders()), false);
}

void TfrmExportVideo::showProgress(double fraction) {
    m_progress->setValue(int(fraction * 1000));
    if (m_job)
        showStatus(tr("Exporting (%1): %2 of %3")
                       .arg(m_job->Encoders(), ExportTimeText(m_job->PositionMs()),
                            ExportTimeText(m_job->DurationMs())),
                   false);
}

void TfrmExportVideo::finished(bool ok, const QString& error) {
    setExporting(false);
    if (ok)
        showStatus(tr("The video is ready: %1").arg(QDir::toNativeSeparators(m_output->text().trimmed())),
                   false);
    else if (error.isEmpty())
        showStatus(tr("The export was cancelled; no file was written."), false);
    else
        showStatus(error, true);
    // The room it replayed into goes once the event loop is back.
    if (m_job)
        m_job.release()->deleteLater();
}

void TfrmExportVideo::reject() {
    if (Exporting()) {
        m_job->Cancel();
        return;
    }
    QDialog::reject();
}

} // namespace orv
