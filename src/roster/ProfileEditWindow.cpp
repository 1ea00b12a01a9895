#include "roster/ProfileEditWindow.h"

#include "roster/PersonalInfo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {
namespace {

class TfrmProfile final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TfrmProfile)
public:
    TfrmProfile(TPersonalInfo& info, QWidget* parent)
        : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_info(info) {
        setObjectName("profileEditWindow");
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(tr("Update Personal Profile"));
        auto* panel = new QGroupBox(tr("Personal Information"));
        auto* form = new QFormLayout(panel);
        const auto row = [&](const char* name, const QString& caption, QWidget* field, bool required) {
            field->setObjectName(name);
            auto* label = new QLabel(caption);
            label->setBuddy(field);
            if (required)
                label->setStyleSheet("color: red;");
            form->addRow(label, field);
        };
        const TProfileForm now = info.OwnForm();
        row("firstName", tr("&First Name:"), m_first = new QLineEdit(now.firstName), true);
        row("lastName", tr("&Last Name:"), m_last = new QLineEdit(now.lastName), true);
        row("email", tr("e&Mail:"), m_email = new QLineEdit(now.email), true);
        row("address", tr("&Address:"), m_address = new QLineEdit(now.address), false);
        row("city", tr("&City:"), m_city = new QLineEdit(now.city), false);
        row("zip", tr("&Zip:"), m_zip = new QLineEdit(now.zip), false);
        row("phones", tr("&Phone Numbers:"), m_phones = new QLineEdit(now.phones), false);
        row("company", tr("Company / &Profession:"), m_company = new QLineEdit(now.company), false);
        row("languages", tr("Lan&guages:"), m_languages = new QLineEdit(now.languages), false);
        m_birth = new QDateEdit(now.birthDate.isValid() ? now.birthDate : QDate(1980, 1, 1));
        m_birth->setDisplayFormat("yyyy-MM-dd");
        m_birth->setCalendarPopup(true);
        row("birthDate", tr("&Birth Date:"), m_birth, false);
        m_gender = new QComboBox;
        m_gender->addItems({"M", "F"});
        m_gender->setCurrentIndex(now.gender == "F" ? 1 : 0);
        row("gender", tr("G&ender:"), m_gender, false);
        auto* required = new QLabel(tr("Please note that fields marked with red captions are required !"));
        required->setWordWrap(true);
        auto* howTo = new QLabel(tr("To save the changes press the Save button."));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        buttons->button(QDialogButtonBox::Save)->setText(tr("Save"));
        buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
        buttons->button(QDialogButtonBox::Save)->setDefault(true);
        connect(buttons, &QDialogButtonBox::accepted, this, &TfrmProfile::save);
        connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(panel);
        layout->addWidget(required);
        layout->addWidget(howTo);
        layout->addWidget(buttons);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape)
            close();
        else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            save();
        else
            QWidget::keyPressEvent(event);
    }

private:
    void save() {
        TProfileForm form;
        form.firstName = m_first->text();
        form.lastName = m_last->text();
        form.email = m_email->text();
        form.address = m_address->text();
        form.city = m_city->text();
        form.zip = m_zip->text();
        form.phones = m_phones->text();
        form.company = m_company->text();
        form.languages = m_languages->text();
        form.gender = m_gender->currentText();
        form.birthDate = m_birth->date();
        if (const auto problem = TPersonalInfo::Check(form)) {
            QLineEdit* field = problem->field == TProfileField::FirstName  ? m_first
                               : problem->field == TProfileField::LastName ? m_last
                                                                           : m_email;
            field->setFocus(Qt::OtherFocusReason);
        }
        // Without a connection the window stays, so that nothing typed is lost.
        if (m_info.Save(form) == TProfileSaved::Sent)
            close();
    }

    TPersonalInfo& m_info;
    QLineEdit* m_first;
    QLineEdit* m_last;
    QLineEdit* m_email;
    QLineEdit* m_address;
    QLineEdit* m_city;
    QLineEdit* m_zip;
    QLineEdit* m_phones;
    QLineEdit* m_company;
    QLineEdit* m_languages;
    QDateEdit* m_birth;
    QComboBox* m_gender;
};

} // namespace

QWidget* OpenProfileEditWindow(TPersonalInfo& info, QWidget* anchor) {
    static QPointer<TfrmProfile> open;
    if (!open)
        open = new TfrmProfile(info, anchor ? anchor->window() : nullptr);
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

} // namespace orv
