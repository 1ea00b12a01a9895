#include "app/settings/RecordingSettingsPage.h"

#include "app/settings/SettingControls.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace orv {

TRecordingSettingsPage::TRecordingSettingsPage() {
    auto* folder = BoundLineEdit(m_bindings, "RecSessionsFolder");
    auto* browse = new QPushButton(tr("Browse..."));
    connect(browse, &QPushButton::clicked, this, [this, folder] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, tr("Recorded sessions"), folder->text());
        if (!chosen.isEmpty())
            folder->setText(chosen);
    });

    auto* form = new QFormLayout(this);
    AddLabelledRow(form, tr("Recorded sessions folder:"), folder, browse);
    form->addRow(tr("Recorder user name:"), BoundLineEdit(m_bindings, "RecorderUserName"));
    form->addRow(tr("Recorder password:"), BoundLineEdit(m_bindings, "RecorderPassword"));
}

} // namespace orv
