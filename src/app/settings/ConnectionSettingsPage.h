#pragma once
// The proxy settings, and the encryption of the connection to the server signed in to last. The proxy fields
// are usable only while a proxy is used, the proxy's user name and password only while it asks for them too.
// The encryption choice and forgetting the trusted certificates take effect at once.

#include "app/settings/SettingsPage.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace orv {

class IDialogs;
class TSettingsStore;

class TConnectionSettingsPage final : public TSettingsPage {
    Q_OBJECT
public:
    TConnectionSettingsPage(TSettingsStore& store, IDialogs& dialogs);

    void fill(const TSettings& settings) override;

private:
    void updateEnabled();
    void showTrustedCertificates();

    TSettingsStore& m_store;
    IDialogs& m_dialogs;
    QComboBox* m_encryption = nullptr;
    QPushButton* m_forgetCertificates = nullptr;

    QCheckBox* m_useProxy = nullptr;
    QCheckBox* m_authentication = nullptr;
    QList<QWidget*> m_proxyFields;
    QList<QWidget*> m_credentials;
};

} // namespace orv
