#include "appshare/AppShareToolsWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv {

TfrmAppShareToolsWindow::TfrmAppShareToolsWindow(IAppShareToolsActions& actions, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_actions(actions) {
    setObjectName("TfrmAppShareToolsWindow");
    setWindowTitle(tr("Application Sharing"));
    auto* outer = new QVBoxLayout(this);
    m_forms = new QStackedWidget(this);
    outer->addWidget(m_forms);

    auto* listForm = new QWidget(m_forms);
    auto* layout = new QVBoxLayout(listForm);
    auto* text =
        new QLabel(tr("You can share your entire desktop by selecting the \"Share Desktop\" option or you "
                      "can share an individual window or an application by selecting the \"Share "
                      "Window\" option. Please make your selection below and press the Start button."),
                   listForm);
    text->setWordWrap(true);
    layout->addWidget(text);
    m_desktop = new QRadioButton(tr("Share Entire Desktop"), listForm);
    m_window = new QRadioButton(tr("Share a Single Window / Application"), listForm);
    m_desktop->setChecked(true);
    layout->addWidget(m_desktop);
    layout->addWidget(m_window);
    auto* listLabel = new QLabel(tr("Application / Window"), listForm);
    m_list = new QListWidget(listForm);
    listLabel->setBuddy(m_list);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    auto* buttons = new QHBoxLayout;
    auto* start = new QPushButton(tr("Start Sharing"), listForm);
    auto* cancel = new QPushButton(tr("Cancel"), listForm);
    auto* settings = new QPushButton(tr("Settings"), listForm);
    start->setDefault(true);
    buttons->addWidget(start);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(settings);
    layout->addLayout(buttons);
    m_forms->addWidget(listForm);

    auto* barForm = new QWidget(m_forms);
    auto* bar = new QHBoxLayout(barForm);
    auto* stop = new QPushButton(tr("Stop Sharing"), barForm);
    auto* options = new QToolButton(barForm);
    options->setText(tr("Options"));
    options->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(options);
    QAction* snapshot = menu->addAction(tr("Take a Snapshot"));
    menu->addAction(actions.GiveControlAction());
    menu->addAction(actions.TakeControlAction());
    options->setMenu(menu);
    bar->addWidget(stop);
    bar->addWidget(options);
    m_forms->addWidget(barForm);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_window->setChecked(true);
    });
    connect(start, &QPushButton::clicked, this,
            [this] { m_actions.StartChosen(m_desktop->isChecked(), m_list->currentRow()); });
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(settings, &QPushButton::clicked, this, [this] { m_actions.OpenSettings(); });
    connect(stop, &QPushButton::clicked, this, [this] { m_actions.StopChosen(); });
    connect(snapshot, &QAction::triggered, this, [this] { m_actions.TakeSnapshot(); });
}

void TfrmAppShareToolsWindow::ShowList(const std::vector<TDesktopWindow>& windows) {
    m_list->clear();
    for (const TDesktopWindow& w : windows) {
        auto* item = new QListWidgetItem(w.title.trimmed(), m_list);
        if (!w.icon.isNull())
            item->setIcon(QIcon(QPixmap::fromImage(w.icon)));
    }
    m_list->setCurrentRow(-1);
    m_desktop->setChecked(true);
    m_forms->setCurrentIndex(0);
    setFixedSize(530, 375);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
}

void TfrmAppShareToolsWindow::ShowToolBar() {
    m_forms->setCurrentIndex(1);
    setFixedSize(250, 75);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().right() - width() + 1, screen->availableGeometry().top());
    show();
    raise();
}

void TfrmAppShareToolsWindow::Close() {
    hide();
}

} // namespace orv
