#pragma once
// "Welcome to Orvane Live": the signed-in user's details and the rooms to join, or the recorded sessions to
// watch.

#include <QDialog>

#include <cstdint>
#include <functional>
#include <vector>

class QTimer;
class QVBoxLayout;
class QWidget;

namespace orv {

class TAccountRecord;
class TRecordedSessionHeader;
class TRoomListEntry;
class TStartupInfo;

enum class TRoomListPane { Rooms, Recordings };

class TfrmRoomList : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCloseAfterMs = 120000;

    TfrmRoomList(const QString& serverHost, const TAccountRecord& account, const TStartupInfo& startup,
                 const QString& bannerPath, const QString& userImagesFolder, QWidget* parent = nullptr,
                 TRoomListPane pane = TRoomListPane::Rooms);

    void AddRoom(const TRoomListEntry& entry);
    // A recording's row: title, date and description; choosing it keeps its session id.
    void AddRecording(const TRecordedSessionHeader& header);
    // The room (or recording) clicked, or -1 when the window ended without a choice.
    std::int32_t ChosenRoom() const { return m_chosen; }
    // Whether a row was chosen: a recording's id may be negative.
    bool HasChoice() const { return m_hasChoice; }
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
    QWidget* addRow(std::int32_t tag, const QString& name, const QStringList& columns);

    std::function<bool()> m_confirmSignOut;

    std::vector<int> m_columns; // left edges
    QWidget* m_rowArea;
    QTimer* m_timer;
    std::int32_t m_chosen = -1;
    bool m_hasChoice = false;
    int m_rows = 0;
};

} // namespace orv
