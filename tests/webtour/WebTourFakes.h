#pragma once
// Stand-ins for the tour browser, the whiteboard and the roster's marks, recording what the web tour asks.

#include "session/BoardPlacement.h"
#include "session/ParticipantMarks.h"
#include "webtour/WebTour.h"

#include <QStringList>

#include <vector>

namespace orv::test {

class FakeTourBrowser final : public ITourBrowser {
public:
    void Load(const QUrl& url) override { loads.push_back(url); }
    void ShowAddress(const QString& address) override { shown = address; }
    void RememberAddress(const QString& address) override {
        if (!remembered.contains(address))
            remembered << address;
    }
    QString LocationName() const override { return title; }

    std::vector<QUrl> loads;
    QString shown;
    QStringList remembered;
    QString title = QStringLiteral("  Current page  ");
};

class FakeBoardPlacement final : public IBoardPlacement {
public:
    int CurrentBoard() const override { return board; }
    bool PublicBoardAccess() const override { return access; }
    bool HoldsLock() const override { return lock; }
    void RequestLock() override { ++lockRequests; }
    void ClearBoard(int b) override { cleared.push_back(b); }
    void PlacePicture(const QImage& picture) override { placed.push_back(picture); }

    int board = 0;
    bool access = false;
    bool lock = false;
    int lockRequests = 0;
    std::vector<int> cleared;
    std::vector<QImage> placed;
};

class FakeMarks final : public IParticipantMarks {
public:
    void HideLoadMarks() override { ++hidden; }
    int hidden = 0;
};

} // namespace orv::test
