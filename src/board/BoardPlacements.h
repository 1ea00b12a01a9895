#pragma once
// What is placed on the boards besides drawing: text from a committed text box, images placed for everybody,
// slides and library images shown by the lock holder, and, in a replay, the recorded downloads of pictures.

#include "board/BoardColor.h"
#include "protocol/IncomingPacket.h"

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QString>

namespace orv {

class IBoardAccess;
class IParticipantMarks;
class Whiteboard;
struct TSessionContext;

// A rectangle of the wire (right and bottom outside it) as the half-open area it covers.
QRect BoardWireRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

class TBoardPlacements {
    // Its texts keep the translation context of the board sharing they were first written for.
    Q_DECLARE_TR_FUNCTIONS(orv::TBoardSharing)

public:
    TBoardPlacements(TSessionContext& context, Whiteboard& boards, IBoardAccess& access);

    // The participant list's load marks, hidden when a picture is placed for everybody.
    void SetMarks(IParticipantMarks* marks) { m_marks = marks; }
    // Where a replay's recorded documents and pictures are written.
    void SetTemporaryFolder(const QString& folder) { m_temporaryFolder = folder; }

    // A committed text box on a public board; false when nothing was sent.
    bool SendText(const QString& text, const QString& fontName, int points, TColor color, int board,
                  const QRect& rect);
    // An image placed on a board, sent as JPEG; false when it could not be encoded or sent.
    bool SendImage(const QImage& image, const QRect& rect, int board);

    // Placed text and images, slides and library images, live or replayed.
    void Receive(const TIncomingPacket& packet);
    // Playback: a recorded document, image, picture or slide download (19, 21, 35, 54).
    void ReceiveRecordedResource(const TIncomingPacket& packet);

private:
    void onText(int board, const QRect& rect, const QString& text, const QString& font, int points,
                TColor color);
    void onImage(const TIncomingPacket& packet);
    void onPicture(const TIncomingPacket& packet);

    TSessionContext& m_context;
    Whiteboard& m_boards;
    IBoardAccess& m_access;
    IParticipantMarks* m_marks = nullptr;
    QString m_temporaryFolder;
};

} // namespace orv
