#pragma once
// The sign-in window: server, user name and password, with remembered values.

#include "app/ServerText.h"
#include "link/RememberedCredentials.h"
#include "link/ServerEncryption.h"
#include "platform/PasswordVault.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace orv {

class TRememberedCredentials;
class TSettingsStore;

struct TSignInValues {
    TServerAddress server;
    QString userName;                          // trimmed, at most 50 characters
    QString password;                          // untrimmed, at most 10 characters
    TEncryption encryption = TEncryption::Off; // chosen for this server
    bool complete() const { return !server.host.isEmpty() && !userName.isEmpty() && !password.isEmpty(); }
};

class TfrmSignIn : public QDialog {
    Q_OBJECT
public:
    // Without `remembered`, the remembered password lives in the settings file alone.
    TfrmSignIn(TSettingsStore& store, QStringList presetServers, TRememberedCredentials* remembered = nullptr,
               QWidget* parent = nullptr);

    // Fills the fields from the remembered settings and puts the focus in the first empty one.
    void Fill();
    // Puts a server chosen on the command line in the field, over the remembered one.
    void SetServerText(const QString& text);
    // The values as the fields hold them now.
    TSignInValues Take() const;
    // Shows the window until it yields complete values (true) or is cancelled (false).
    bool ShowSignIn(TSignInValues& values);
    void setPreferredServer(const QString& text) { m_preferredServer = text; }

signals:
    void connectionSettingsRequested();
    void helpRequested();

private:
    void showWhereThePasswordIsKept();
    // The encryption kept for the server the field names.
    void showServersEncryption();

    TSettingsStore& m_store;
    TNoPasswordVault m_noVault;
    TRememberedCredentials m_fileOnly{m_store, m_noVault};
    TRememberedCredentials* m_remembered;
    QLabel* m_keptInFile;
    QComboBox* m_server;
    QComboBox* m_encryption;
    QLineEdit* m_userName;
    QLineEdit* m_password;
    QCheckBox* m_remember;
    QString m_preferredServer;
};

} // namespace orv
