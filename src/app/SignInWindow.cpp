#include "app/SignInWindow.h"

#include "platform/Scramble.h"
#include "platform/SettingsStore.h"
#include "protocol/Constants.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

TfrmSignIn::TfrmSignIn(TSettingsStore& store, QStringList presetServers, TRememberedCredentials* remembered,
                       QWidget* parent)
    : QDialog(parent), m_store(store), m_remembered(remembered ? remembered : &m_fileOnly),
      m_keptInFile(
          new QLabel(tr("No keyring answered: the remembered password is kept in the settings file."))),
      m_server(new QComboBox), m_encryption(new QComboBox), m_userName(new QLineEdit),
      m_password(new QLineEdit), m_remember(new QCheckBox(tr("Remember my username and password."))) {
    setWindowTitle(tr("Orvane Live - Authentication Required"));
    setObjectName("signInWindow");
    m_server->setEditable(true);
    m_server->addItems(presetServers);
    m_server->setObjectName("server");
    m_server->setAccessibleName(tr("Remote Server"));
    m_encryption->setObjectName("encryption");
    m_encryption->setAccessibleName(tr("Encrypted connection"));
    m_encryption->addItem(tr("Off"), int(TEncryption::Off));
    m_encryption->addItem(tr("When the server offers it"), int(TEncryption::WhenOffered));
    m_encryption->addItem(tr("Required"), int(TEncryption::Required));
    connect(m_server, &QComboBox::editTextChanged, this, &TfrmSignIn::showServersEncryption);
    m_server->lineEdit()->setAccessibleName(tr("Remote Server")); // the part that takes the focus
    m_userName->setObjectName("userName");
    m_password->setObjectName("password");
    m_password->setEchoMode(QLineEdit::Password);
    m_remember->setObjectName("remember");

    auto* heading =
        new QLabel("<span style='font-size:15pt; color:#1f3a73'><b>" + tr("Welcome to Orvane Live") +
                   "</b></span><br><b>" + tr("Authentication Required.") + "</b>");
    auto* hint = new QLabel(tr("Specify your username and password. The password is case sensitive."));
    hint->setWordWrap(true);
    auto* whatIsThis = new QLabel("<a href='#'>" + tr("What is this?") + "</a>");
    auto* settings = new QLabel("<a href='#'>" + tr("Connection Settings") + "</a>");
    // Tab reaches the links, Enter follows them.
    for (QLabel* link : {whatIsThis, settings}) {
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        link->setFocusPolicy(Qt::StrongFocus);
    }
    whatIsThis->setAccessibleName(tr("What is this?"));
    settings->setAccessibleName(tr("Connection Settings"));

    connect(whatIsThis, &QLabel::linkActivated, this, &TfrmSignIn::helpRequested);
    connect(settings, &QLabel::linkActivated, this, &TfrmSignIn::connectionSettingsRequested);
    connect(m_remember, &QCheckBox::toggled, this, [this](bool on) {
        m_store.WriteFlag("", "RememberMe", on);
        m_store.Flush();
        // Unticking forgets at once, in the settings file and in the keyring.
        if (!on)
            m_remembered->Forget(m_store.ReadText("", "ServerIP"),
                                 std::uint16_t(m_store.ReadInteger("", "ServerPort")));
        showWhereThePasswordIsKept();
    });
    m_keptInFile->setObjectName("passwordKeptInFile");
    m_keptInFile->setWordWrap(true);
    m_keptInFile->setStyleSheet("color: #7a4b00;");
    m_keptInFile->hide();

    auto* serverRow = new QHBoxLayout;
    serverRow->addWidget(m_server, 1);
    serverRow->addWidget(whatIsThis);
    auto* form = new QFormLayout;
    form->addRow(tr("Remote Server"), serverRow);
    form->addRow(tr("Encrypted connection"), m_encryption);
    form->addRow(tr("User Name"), m_userName);
    form->addRow(tr("Password"), m_password);
    form->addRow(m_remember);
    form->addRow(m_keptInFile);

    auto* buttons = new QDialogButtonBox;
    QPushButton* signIn = buttons->addButton(tr("Sign In"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    signIn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(settings);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Click the Sign In button to join an online session.")));
    layout->addLayout(bottom);
    // A window of one size: compositors that tile (sway) float it instead of stretching it over the screen.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_userName->setMinimumWidth(300);
    // Tab follows the reading order: each row from left to right, then the links and buttons at the bottom.
    QWidget* const order[] = {m_server,   whatIsThis, m_encryption, m_userName, m_password,
                              m_remember, settings,   signIn,       cancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TfrmSignIn::Fill() {
    const bool remember = m_store.ReadFlag("", "RememberMe");
    const QString host = m_store.ReadText("", "ServerIP");
    const std::int32_t port = m_store.ReadInteger("", "ServerPort");
    const TRememberedCredentials::TLoaded remembered = m_remembered->Load(host, std::uint16_t(port));
    m_userName->setText(remembered.userName);
    m_password->setText(remembered.password);
    {
        const QSignalBlocker quiet(m_remember); // showing the stored flag is not a change of it
        m_remember->setChecked(remember);
    }
    showWhereThePasswordIsKept();
    m_server->setEditText(host.isEmpty() ? ":" + QString::number(kDefaultControlPort)
                                         : ServerTextFor(host, port));
    if (m_userName->text().isEmpty())
        m_userName->setFocus();
    else if (m_password->text().isEmpty())
        m_password->setFocus();
    else if (host.isEmpty())
        m_server->setFocus();
}

void TfrmSignIn::showWhereThePasswordIsKept() {
    m_keptInFile->setVisible(m_remember->isChecked() && !m_remembered->KeyringAvailable());
}

void TfrmSignIn::showServersEncryption() {
    const TServerAddress server = ParseServerText(m_server->currentText());
    const TEncryption kept = ReadServerEncryption(m_store, server.host, server.port);
    m_encryption->setCurrentIndex(m_encryption->findData(int(kept)));
}

void TfrmSignIn::SetServerText(const QString& text) {
    m_server->setEditText(text);
}

TSignInValues TfrmSignIn::Take() const {
    TSignInValues values;
    values.server = ParseServerText(m_server->currentText());
    values.userName = m_userName->text().trimmed().left(50);
    values.password = m_password->text().left(10);
    values.encryption = TEncryption(m_encryption->currentData().toInt());
    return values;
}

bool TfrmSignIn::ShowSignIn(TSignInValues& values) {
    Fill();
    if (!m_preferredServer.isEmpty())
        SetServerText(m_preferredServer);
    for (;;) {
        if (exec() != QDialog::Accepted)
            return false;
        values = Take();
        if (values.complete())
            return true;
    }
}

} // namespace orv
