#include "app/settings/GeneralSettingsPage.h"

#include "app/settings/SettingControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace orv {
namespace {

// The stored flags say what not to pop up; the boxes ask what to pop up.
QCheckBox* InvertedCheckBox(TSettingBindings& bindings, std::string_view key, const QString& text) {
    auto* box = new QCheckBox(text);
    bindings.bind<bool>(
        box, key, [box](bool v) { box->setChecked(!v); }, [box](bool) { return !box->isChecked(); });
    return box;
}

} // namespace

TGeneralSettingsPage::TGeneralSettingsPage() {
    auto* popUpChat =
        InvertedCheckBox(m_bindings, "DonPopUpChatMessages", tr("Pop up the chat on new messages"));
    popUpChat->setObjectName("popUpChat");
    auto* popUpPostIt = InvertedCheckBox(m_bindings, "NoPopUpsOnPostIt", tr("Pop up post-it messages"));
    popUpPostIt->setObjectName("popUpPostIt");

    auto* form = new QFormLayout(this);
    form->addRow(BoundCheckBox(m_bindings, "BeepOnUserConnect", tr("Beep when a participant connects")));
    form->addRow(
        BoundCheckBox(m_bindings, "BeepOnUserDisconnect", tr("Beep when a participant disconnects")));
    form->addRow(BoundCheckBox(m_bindings, "BeepOnNewMessage", tr("Beep on new chat messages")));
    form->addRow(BoundCheckBox(m_bindings, "BeepOnUserMotions",
                               tr("Beep when a participant raises a hand or signals")));
    form->addRow(popUpChat);
    form->addRow(popUpPostIt);
    form->addRow(BoundCheckBox(m_bindings, "FlashOnActions", tr("Flash the window on participant actions")));
    form->addRow(
        BoundCheckBox(m_bindings, "DesktopNotifications",
                      tr("Notify on the desktop of private messages, my name and a lost connection")));
    form->addRow(
        BoundCheckBox(m_bindings, "AutoReconnect", tr("Reconnect automatically after a lost connection")));
    form->addRow(tr("Invitation address:"), BoundLineEdit(m_bindings, "InvitationURL"));

    // Each language under its own name, so that a user who cannot read the current one still finds theirs.
    auto* language = new QComboBox;
    language->setObjectName("language");
    language->addItem(tr("System"), QString());
    language->addItem(QStringLiteral("English"), QStringLiteral("en"));
    language->addItem(QStringLiteral("Português"), QStringLiteral("pt"));
    language->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_bindings.bind<QString>(
        language, "Language",
        [language](const QString& v) { language->setCurrentIndex(std::max(0, language->findData(v))); },
        [language](const QString&) { return language->currentData().toString(); });
    form->addRow(tr("Language:"), language);
    auto* whenApplied = new QLabel(tr("A new language is used from the next start of the program."));
    whenApplied->setWordWrap(true);
    form->addRow(whenApplied);
}

} // namespace orv
