#include "app/settings/ConnectionSettingsPage.h"

#include "app/settings/SettingControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace orv {

TConnectionSettingsPage::TConnectionSettingsPage() {
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

    auto* form = new QFormLayout(this);
    form->addRow(m_useProxy);
    form->addRow(tr("Proxy type:"), socksVersion);
    form->addRow(tr("Proxy host:"), host);
    form->addRow(tr("Proxy port:"), port);
    form->addRow(m_authentication);
    form->addRow(tr("User name:"), userName);
    form->addRow(tr("Password:"), password);
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
