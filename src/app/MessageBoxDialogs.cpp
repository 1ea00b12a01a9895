#include "app/MessageBoxDialogs.h"

#include "app/ProgressWindow.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace orv {
namespace {
QString title() {
    return QCoreApplication::translate("orv::TMessageBoxDialogs", "Orvane Live Browser");
}

// Texts use Windows line ends; a message box wants plain ones.
QString plain(QString text) {
    return text.replace("\r\n", "\n");
}
} // namespace

void TMessageBoxDialogs::Information(const QString& text) {
    const TfrmProgress::StepAside aside(m_progress);
    QMessageBox::information(m_parent, title(), plain(text));
}

void TMessageBoxDialogs::Error(const QString& text) {
    const TfrmProgress::StepAside aside(m_progress);
    QMessageBox::critical(m_parent, title(), plain(text));
}

bool TMessageBoxDialogs::Question(const QString& text) {
    const TfrmProgress::StepAside aside(m_progress);
    return QMessageBox::question(m_parent, title(), plain(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool TMessageBoxDialogs::ErrorQuestion(const QString& text) {
    const TfrmProgress::StepAside aside(m_progress);
    return QMessageBox::critical(m_parent, title(), plain(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool TMessageBoxDialogs::Confirm(const QString& text) {
    const TfrmProgress::StepAside aside(m_progress);
    return QMessageBox::question(m_parent, title(), plain(text), QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

} // namespace orv
