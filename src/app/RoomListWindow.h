#pragma once
// "Welcome to Orvane Live": the signed-in user's details and the rooms to join.

#include <QDialog>

#include <cstdint>
#include <functional>
#include <vector>

class QTimer;
class QVBoxLayout;
class QWidget;

namespace orv {

class TAccountRecord;
class TRoomListEntry;
class TStartupInfo;

class TfrmRoomList : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCloseAfterMs = 120000;

    TfrmRoomList(const QString& serverHost, const TAccountRecord& account, const TStartupInfo& startup,
                 const QString& bannerPath, const QString& userImagesFolder, QWidget* parent = nullptr);

    void AddRoom(const TRoomListEntry& entry);
    // The room clicked, or -1 when the window ended without a choice.
    std::int32_t ChosenRoom() const { return m_chosen; }
    // Shows the window modally and returns the chosen room.
    std::int32_t ChooseRoom();
    QTimer* closeTimer() const { return m_timer; }
    int rowCount() const { return m_rows; }
    void ClickRoom(std::int32_t number);
    // What Escape asks before it signs out; true signs out.
    void SetSignOutQuestion(std::function<bool()> confirm) { m_confirmSignOut = std::move(confirm); }

signals:
    void vendorSiteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<bool()> m_confirmSignOut;

    QWidget* m_rowArea;
    QTimer* m_timer;
    std::int32_t m_chosen = -1;
    int m_rows = 0;
};

} // namespace orv
