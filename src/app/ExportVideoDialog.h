#pragma once
// File > Export Recording as Video: the recording, the video file and its size; while the export runs, a
// progress bar and a Cancel button that stops it and leaves no file.

#include "app/RecordingExportJob.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace orv {

class TfrmExportVideo final : public QDialog {
    Q_OBJECT
public:
    // `recording`: the file offered first (the one being played, if any).
    explicit TfrmExportVideo(const QString& recording, QWidget* parent = nullptr);
    ~TfrmExportVideo() override;

    void SetOutput(const QString& file);
    void SetSize(const QString& size);
    // What the Export button does.
    void StartExport();
    bool Exporting() const;
    QString StatusText() const;

protected:
    void reject() override;

private:
    void browseRecording();
    void browseOutput();
    void showProgress(double fraction);
    void finished(bool ok, const QString& error);
    void setExporting(bool exporting);
    void showStatus(const QString& text, bool error);

    QLineEdit* m_recording;
    QLineEdit* m_output;
    QComboBox* m_size;
    QPushButton* m_browseRecording;
    QPushButton* m_browseOutput;
    QProgressBar* m_progress;
    QLabel* m_status;
    QPushButton* m_export;
    QPushButton* m_cancel;
    std::unique_ptr<TRecordingExportJob> m_job;
};

} // namespace orv
