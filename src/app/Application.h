#pragma once
// The application object: no exception may cross the event loop, so every delivery is guarded here.

#include <QApplication>

namespace orv {

class TApplication final : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace orv
