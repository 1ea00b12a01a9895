#pragma once
// The host tools window ("Application Sharing"): first the choice of the desktop or one window, then, while
// sharing, a small tool bar at the screen's top right with "Stop Sharing" and the "Options" menu.

#include "appshare/AppShareWindows.h"

#include <QWidget>

class QListWidget;
class QRadioButton;
class QStackedWidget;

namespace orv {

class TfrmAppShareToolsWindow final : public QWidget, public IAppShareTools {
    Q_OBJECT

public:
    explicit TfrmAppShareToolsWindow(IAppShareToolsActions& actions, QWidget* parent = nullptr);

    void ShowList(const std::vector<TDesktopWindow>& windows) override;
    void ShowToolBar() override;
    void Close() override;

    QListWidget* List() const { return m_list; }
    QRadioButton* DesktopChoice() const { return m_desktop; }
    QRadioButton* WindowChoice() const { return m_window; }

private:
    IAppShareToolsActions& m_actions;
    QStackedWidget* m_forms;
    QRadioButton* m_desktop;
    QRadioButton* m_window;
    QListWidget* m_list;
};

} // namespace orv
