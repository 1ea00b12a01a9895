#include "app/AboutBox.h"

#include "session/Settings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Orvane Live"));
    auto* product = new QLabel("<span style='font-size:16pt'><b>Orvane Live</b></span>");
    auto* version = new QLabel(tr("Version %1/%2").arg(kClientVersion, kClientBuildDate));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(product, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
}

TfrmFileOffer::TfrmFileOffer(const QString& message, const QString& acceptText, const QString& closeText,
                             QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Orvane Live Browser"));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    buttons->addButton(closeText, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(message);
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

} // namespace orv
