#pragma once
// The presentation upload wizard (TfrmPPTExport, "PowerPoint Upload Wizard"): the presentation file, an
// optional slide size, what the worker reports (slide count, status, progress), Upload and Cancel. The
// export runs on the worker thread; this window only starts it and shows its stages.

#include "platform/AppMessage.h"

#include <QDialog>
#include <QSize>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace orv {

class IDialogs;
class TExportThread;
struct TExportOrder;

class TfrmPPTExport final : public QDialog {
    Q_OBJECT

public:
    // `order` completes an export order for the file and size chosen. Without a converter the window says
    // so and Upload stays off.
    TfrmPPTExport(TExportThread& worker, IDialogs& dialogs,
                  std::function<TExportOrder(const QString& file, QSize size)> order, bool converterAvailable,
                  QWidget* parent = nullptr);
    ~TfrmPPTExport() override;

    // The size Upload would ask for: invalid when "Set Slide Size" is not ticked.
    QSize SlideSize() const;
    QLineEdit* FileBox() const { return m_file; }
    QCheckBox* SizeBox() const { return m_setSize; }
    QLineEdit* WidthBox() const { return m_width; }
    QLineEdit* HeightBox() const { return m_height; }
    QLabel* StatusLabel() const { return m_status; }
    QLabel* CountLabel() const { return m_count; }
    QProgressBar* Progress() const { return m_progress; }
    QPushButton* UploadButton() const { return m_upload; }
    QLabel* MissingConverterLabel() const { return m_missing; }

    // Upload: nothing with an empty file name or while an export runs.
    void StartUpload();

protected:
    bool event(QEvent* event) override;
    void reject() override;

private:
    void chooseFile();
    void showStage(int stage, int value);
    void fixSize(QLineEdit* box, const QString& fallback);

    TExportThread& m_worker;
    IDialogs& m_dialogs;
    std::function<TExportOrder(const QString&, QSize)> m_order;
    bool m_available;
    std::shared_ptr<QtMessageSink> m_sink;
    QLineEdit* m_file;
    QCheckBox* m_setSize;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QLabel* m_count;
    QLabel* m_status;
    QLabel* m_missing;
    QProgressBar* m_progress;
    QPushButton* m_upload;
    QPushButton* m_cancel;
};

} // namespace orv
