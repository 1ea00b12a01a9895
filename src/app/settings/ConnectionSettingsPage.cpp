#include "app/settings/ConnectionSettingsPage.h"

#include "app/settings/SettingControls.h"
#include "link/ServerEncryption.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orv {

TConnectionSettingsPage::TConnectionSettingsPage(TSettingsStore& store, IDialogs& dialogs)
    : m_store(store), m_dialogs(dialogs) {
    m_useProxy = BoundCheckBox(m_bindings, "UseProxy", tr("I am behind a Proxy server"));
    m_useProxy->setObjectName("useProxy");
    auto* socksVersion = BoundChoiceBox(m_bindings, "SocksVersion");
    socksVersion->setObjectName("socksVersion");
    auto* host = BoundLineEdit(m_bindings, "ProxyHost", TTextEntry::Trimmed);
    host->setObjectName("proxyHost");
    auto* port = BoundSpinBox(m_bindings, "ProxyPort");
    port->setObjectName("proxyPort");
    m_authentication = BoundCheckBox(m_bindings, "ProxyAuthentication", tr("Enable Proxy Authentication"));
    m_authentication->setObjectName("proxyAuthentication");
    auto* userName = BoundLineEdit(m_bindings, "ProxyUserName");
    userName->setObjectName("proxyUserName");
    auto* password = BoundLineEdit(m_bindings, "ProxyPassword");
    password->setObjectName("proxyPassword");
    m_proxyFields = {socksVersion, host, port, m_authentication};
    m_credentials = {userName, password};
    connect(m_useProxy, &QCheckBox::toggled, this, &TConnectionSettingsPage::updateEnabled);
    connect(m_authentication, &QCheckBox::toggled, this, &TConnectionSettingsPage::updateEnabled);

    const QString server = m_store.ReadText("", "ServerIP");
    const auto serverPort = std::uint16_t(m_store.ReadInteger("", "ServerPort"));
    m_encryption = new QComboBox;
    m_encryption->setObjectName("encryption");
    m_encryption->setAccessibleName(tr("Encrypted connection"));
    m_encryption->addItem(tr("Off"), int(TEncryption::Off));
    m_encryption->addItem(tr("When the server offers it"), int(TEncryption::WhenOffered));
    m_encryption->addItem(tr("Required"), int(TEncryption::Required));
    m_encryption->setCurrentIndex(
        m_encryption->findData(int(ReadServerEncryption(m_store, server, serverPort))));
    m_encryption->setEnabled(!server.isEmpty());
    connect(m_encryption, &QComboBox::currentIndexChanged, this, [this, server, serverPort] {
        WriteServerEncryption(m_store, server, serverPort, TEncryption(m_encryption->currentData().toInt()));
        m_store.Flush();
    });
    m_forgetCertificates = new QPushButton;
    m_forgetCertificates->setObjectName("forgetCertificates");
    connect(m_forgetCertificates, &QPushButton::clicked, this, [this] {
        if (!m_dialogs.Confirm(tr("Forget every server certificate you chose to trust? Each of those servers "
                                  "will show its certificate again at the next sign-in.")))
            return;
        TKnownServerCertificates::ForgetAll(m_store);
        m_store.Flush();
        showTrustedCertificates();
    });
    showTrustedCertificates();
    auto* serverBox =
        new QGroupBox(server.isEmpty() ? tr("Server") : tr("Server %1:%2").arg(server).arg(serverPort));
    auto* serverForm = new QFormLayout(serverBox);
    serverForm->addRow(tr("Encrypted connection:"), m_encryption);
    serverForm->addRow(m_forgetCertificates);

    auto* proxy = new QWidget;
    auto* form = new QFormLayout(proxy);
    form->addRow(m_useProxy);
    form->addRow(tr("Proxy type:"), socksVersion);
    form->addRow(tr("Proxy host:"), host);
    form->addRow(tr("Proxy port:"), port);
    form->addRow(m_authentication);
    form->addRow(tr("User name:"), userName);
    form->addRow(tr("Password:"), password);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(proxy);
    layout->addWidget(serverBox);
    layout->addStretch();
}

void TConnectionSettingsPage::showTrustedCertificates() {
    const int count = TKnownServerCertificates::Count(m_store);
    m_forgetCertificates->setText(tr("Forget the trusted server certificates (%1)").arg(count));
    m_forgetCertificates->setEnabled(count > 0);
}

void TConnectionSettingsPage::fill(const TSettings& settings) {
    TSettingsPage::fill(settings);
    updateEnabled();
}

void TConnectionSettingsPage::updateEnabled() {
    const bool proxy = m_useProxy->isChecked();
    for (QWidget* w : m_proxyFields)
        w->setEnabled(proxy);
    const bool authentication = proxy && m_authentication->isChecked();
    for (QWidget* w : m_credentials)
        w->setEnabled(authentication);
}

} // namespace orv
