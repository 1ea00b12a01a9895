#pragma once
// The proxy settings. The proxy fields are usable only while a proxy is used, the proxy's user name and
// password only while it asks for them too.

#include "app/settings/SettingsPage.h"

class QCheckBox;

namespace orv {

class TConnectionSettingsPage final : public TSettingsPage {
    Q_OBJECT
public:
    TConnectionSettingsPage();

    void fill(const TSettings& settings) override;

private:
    void updateEnabled();

    QCheckBox* m_useProxy = nullptr;
    QCheckBox* m_authentication = nullptr;
    QList<QWidget*> m_proxyFields;
    QList<QWidget*> m_credentials;
};

} // namespace orv
