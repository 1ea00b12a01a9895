#pragma once
// The test portal (orv_test_portal) started on a test desktop's bus for the test's duration: the desktop
// portal's screen cast whose stream shows CastPicture's scenes. What it did is read back as its report lines.

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>

namespace orv::test {

class TestPortal {
public:
    // `startAnswer` is the Response code of the screen cast's Start: 0 granted, 1 cancelled, 2 refused.
    // `more` are further options of orv_test_portal (--global-shortcuts).
    TestPortal(const QProcessEnvironment& environment, QSize size, uint startAnswer = 0,
               QStringList more = {});
    ~TestPortal();
    TestPortal(const TestPortal&) = delete;
    TestPortal& operator=(const TestPortal&) = delete;

    // Empty once the portal owns its name; why not otherwise.
    QString failure() const { return m_failure; }
    // Every line reported so far ("session …", "started NODE", "closed …", …).
    QStringList reported();
    // Whether a reported line begins with `prefix`.
    bool reported(const QString& prefix);
    // The cast shows scene `scene` from now on.
    void showScene(int scene);
    // As if the user pressed or released the key bound to global shortcut `id`.
    void pressShortcut(const QString& id, bool pressed);

private:
    QProcess m_process;
    QString m_failure;
    QByteArray m_pending;
    QStringList m_lines;
};

} // namespace orv::test
